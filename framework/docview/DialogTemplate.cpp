// Dialog template resources and the dialog procedure of our dialogs.
#include "framework/docview/DialogTemplate.h"
#include "framework/docview/Dialog.h"
#include "framework/window/WinApp.h"

namespace
{
bool IsExtendedTemplate(const BYTE* p)
{
    return reinterpret_cast<const WORD*>(p)[1] == 0xFFFF; // dlgVer 1, signature 0xFFFF
}

// Walks the template to its end, so that the copy is exactly as long as the original.
size_t TemplateSize(const BYTE* p)
{
    const bool ex = IsExtendedTemplate(p);
    const BYTE* q = p;
    WORD nItems = 0;
    DWORD style = 0;
    if (ex)
    {
        style = *reinterpret_cast<const DWORD*>(q + 12);
        nItems = *reinterpret_cast<const WORD*>(q + 16);
        q += 26; // dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy
    }
    else
    {
        style = *reinterpret_cast<const DWORD*>(q);
        nItems = *reinterpret_cast<const WORD*>(q + 8);
        q += 18; // style, exStyle, cdit, x, y, cx, cy
    }
    auto skipSzOrOrd = [](const BYTE* r)
    {
        const WORD* w = reinterpret_cast<const WORD*>(r);
        if (*w == 0xFFFF)
            return r + 4;
        while (*w != 0)
            ++w;
        return reinterpret_cast<const BYTE*>(w + 1);
    };
    auto alignDword = [p](const BYTE* r) { return p + ((r - p + 3) & ~static_cast<ptrdiff_t>(3)); };
    q = skipSzOrOrd(q); // menu
    q = skipSzOrOrd(q); // class
    q = skipSzOrOrd(q); // title
    if (style & (DS_SETFONT | DS_SHELLFONT))
    {
        q += ex ? 6 : 2; // point size (+ weight, italic, charset)
        q = skipSzOrOrd(q);
    }
    for (WORD i = 0; i < nItems; ++i)
    {
        q = alignDword(q);
        q += ex ? 24 : 18;  // (helpID) exStyle style x y cx cy id
        q = skipSzOrOrd(q); // class
        q = skipSzOrOrd(q); // title
        const WORD extra = *reinterpret_cast<const WORD*>(q);
        q += 2 + extra;
    }
    return static_cast<size_t>(q - p);
}
} // namespace

LPCDLGTEMPLATE AfxFindDialogTemplate(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hInst, MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(5)); // RT_DIALOG
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

std::vector<BYTE> AfxCopyDialogTemplate(LPCDLGTEMPLATE lpTemplate, DWORD dwRemoveStyle, DWORD dwAddStyle)
{
    std::vector<BYTE> copy;
    if (lpTemplate == nullptr)
        return copy;
    const BYTE* p = reinterpret_cast<const BYTE*>(lpTemplate);
    copy.assign(p, p + TemplateSize(p));
    DWORD* pStyle = reinterpret_cast<DWORD*>(copy.data() + (IsExtendedTemplate(p) ? 12 : 0));
    *pStyle = (*pStyle & ~dwRemoveStyle) | dwAddStyle;
    return copy;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // Called from the system's dialog procedure: nothing may leave as an exception.
    try
    {
        auto* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
        return pDialog != nullptr ? pDialog->OnInitDialog() : TRUE;
    }
    catch (...)
    {
        return FALSE;
    }
}

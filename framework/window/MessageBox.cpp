// AfxMessageBox and its test hook.
#include "framework/window/MessageBox.h"
#include "framework/core/CString.h"

namespace
{
AfxMessageBoxHook g_hook = nullptr;
CString g_title;

CString DefaultTitle()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH - 1);
    CString name(path);
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}
} // namespace

AfxMessageBoxHook AfxSetMessageBoxHook(AfxMessageBoxHook hook)
{
    AfxMessageBoxHook old = g_hook;
    g_hook = hook;
    return old;
}

void AfxSetMessageBoxTitle(const wchar_t* title)
{
    g_title = title;
}

const wchar_t* AfxGetMessageBoxTitle()
{
    if (g_title.IsEmpty())
        g_title = DefaultTitle();
    return g_title;
}

int AfxMessageBox(const wchar_t* text, UINT type, UINT /*helpId*/)
{
    HWND owner = GetActiveWindow();
    if (g_hook != nullptr)
        return g_hook(owner, text, AfxGetMessageBoxTitle(), type);
    return MessageBoxW(owner, text, AfxGetMessageBoxTitle(), type);
}

int AfxMessageBox(UINT idPrompt, UINT type, UINT helpId)
{
    CString text;
    text.LoadString(idPrompt);
    return AfxMessageBox(text, type, helpId);
}

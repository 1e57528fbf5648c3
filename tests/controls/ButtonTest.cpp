// CMFCButton and CMFCLinkCtrl: owner drawing reached through the parent's reflected WM_DRAWITEM, the
// image for each state, auto-destroyed icons, tool tips with the manager's parameters and their
// windows made at the first hover, the link's target, its fitting to its text, and a click opening
// the target (never one longer than the shell takes).
#include <gtest/gtest.h>

#include <vector>

#include "framework/controls/MFCLinkCtrl.h"
#include "framework/controls/TooltipManager.h"
#include "framework/window/ShellOpen.h"
#include "tests/bars/BarsTestSupport.h"
#include "tests/controls/ControlTestSupport.h"
#include "tests/support/ChildProcess.h"

namespace
{
const COLORREF kNormal = RGB(200, 0, 0);
const COLORREF kDisabled = RGB(0, 0, 200);

// The button as it paints itself: the owner-drawn button asks its parent, which hands the drawing
// back to the button's own object.
void PaintControl(CWnd& control, ControlCanvas& canvas)
{
    control.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc.GetSafeHdc()), PRF_CLIENT);
}

BOOL IsIconAlive(HICON hIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return FALSE;
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return TRUE;
}
} // namespace

TEST(MFCButton, DrawsItsIconCentredAndTheDisabledIconWhenDisabled)
{
    HostWnd host;
    HICON hNormal = MakeSolidIcon(kNormal);
    HICON hDisabled = MakeSolidIcon(kDisabled);
    {
        CMFCButton button;
        ASSERT_TRUE(
            button.Create(L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 48, 42), &host, 1007));
        EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
        button.SetImage(hNormal, TRUE, nullptr, hDisabled, TRUE);

        ControlCanvas canvas(48, 42, RGB(1, 2, 3));
        PaintControl(button, canvas);
        // A 16 x 16 image centred in 48 x 42 (inside a 2-pixel border): rows and columns 16..31, 13..28.
        EXPECT_EQ(kNormal, canvas.dc.GetPixel(24, 21));
        EXPECT_EQ(kNormal, canvas.dc.GetPixel(16, 13));
        EXPECT_EQ(kNormal, canvas.dc.GetPixel(31, 28));
        EXPECT_NE(kNormal, canvas.dc.GetPixel(14, 21));
        EXPECT_NE(kNormal, canvas.dc.GetPixel(34, 21));
        EXPECT_EQ(0, canvas.Count(CRect(0, 0, 48, 42), RGB(1, 2, 3))); // every pixel painted

        button.EnableWindow(FALSE);
        PaintControl(button, canvas);
        EXPECT_EQ(kDisabled, canvas.dc.GetPixel(24, 21));
        EXPECT_EQ(0, canvas.Count(CRect(0, 0, 48, 42), kNormal));
    }
    // Auto-destroy: the button took the icons with it.
    EXPECT_FALSE(IsIconAlive(hNormal));
    EXPECT_FALSE(IsIconAlive(hDisabled));

    // Without auto-destroy the caller keeps them; replacing an image frees an auto-destroyed one.
    HICON hKept = MakeSolidIcon(kNormal);
    HICON hReplaced = MakeSolidIcon(kDisabled);
    {
        CMFCButton button;
        ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), &host, 1008));
        button.SetImage(hReplaced, TRUE);
        button.SetImage(hKept, FALSE);
        EXPECT_FALSE(IsIconAlive(hReplaced));
    }
    EXPECT_TRUE(IsIconAlive(hKept));
    ::DestroyIcon(hKept);
}

TEST(MFCButton, FocusedButtonDrawsItsFocusRectangleUnlessTurnedOff)
{
    HostWnd host;
    CMFCButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 30), &host, 1011));
    EXPECT_TRUE(button.m_bDrawFocus);
    EXPECT_NE(DrawnButtonPixels(button, 0, 40, 30), DrawnButtonPixels(button, ODS_FOCUS, 40, 30));
    button.m_bDrawFocus = FALSE;
    EXPECT_EQ(DrawnButtonPixels(button, 0, 40, 30), DrawnButtonPixels(button, ODS_FOCUS, 40, 30));
}

TEST(MFCButton, TooltipCarriesItsTextAndTheManagersParameters)
{
    HostWnd host;
    CMFCButton plain;
    ASSERT_TRUE(plain.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), &host, 1007));
    plain.SetTooltip(L"New");
    ASSERT_NE(nullptr, plain.GetToolTipCtrl());
    EXPECT_EQ(1, plain.GetToolTipCtrl()->GetToolCount());
    CString text;
    plain.GetToolTipCtrl()->GetText(text, &plain);
    EXPECT_EQ(CString(L"New"), text);
    plain.SetTooltip(L"Delete"); // a new text replaces the tool's, no second tool
    EXPECT_EQ(1, plain.GetToolTipCtrl()->GetToolCount());
    plain.GetToolTipCtrl()->GetText(text, &plain);
    EXPECT_EQ(CString(L"Delete"), text);

    // With the application's manager: the class and the looks it was given.
    CTooltipManager manager;
    CMFCToolTipInfo params;
    params.m_clrFill = RGB(10, 20, 30);
    manager.SetTooltipParams(AFX_TOOLTIP_TYPE_ALL, RUNTIME_CLASS(CMFCToolTipCtrl), &params);
    afxTooltipManager = &manager;
    CMFCButton themed;
    ASSERT_TRUE(themed.Create(L"", WS_CHILD | WS_VISIBLE, CRect(50, 0, 90, 40), &host, 1008));
    themed.SetTooltip(L"Up");
    afxTooltipManager = nullptr;
    auto* pTip = DYNAMIC_DOWNCAST(CMFCToolTipCtrl, themed.GetToolTipCtrl());
    ASSERT_NE(nullptr, pTip);
    EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(pTip->SendMessage(TTM_GETTIPBKCOLOR)));
}

namespace
{
// The tool-tip windows of this thread: a button's tip is a top-level pop-up of its own.
int CountToolTipWindows()
{
    int nCount = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam)
        {
            wchar_t szClass[64] = {};
            ::GetClassNameW(hWnd, szClass, 64);
            if (::lstrcmpiW(szClass, TOOLTIPS_CLASSW) == 0)
                ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

void MoveMouseOver(CWnd& wnd, CPoint point)
{
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x + 1, point.y));
}
} // namespace

// A tip that is never hovered costs no window; the first hover makes it with the text set last, and
// later texts still reach it.
TEST(MFCButton, TooltipWindowComesWithTheFirstHoverWithItsLatestText)
{
    HostWnd host;
    const int nBefore = CountToolTipWindows();
    CMFCButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), &host, 1009));
    button.SetTooltip(L"Up");
    button.SetTooltip(L"Down");
    EXPECT_EQ(nBefore, CountToolTipWindows());

    MoveMouseOver(button, CPoint(10, 10));
    EXPECT_EQ(nBefore + 1, CountToolTipWindows()); // one window, whatever the number of moves
    EXPECT_TRUE(button.IsHighlighted());
    CToolTipCtrl* pTip = button.GetToolTipCtrl();
    ASSERT_NE(nullptr, pTip);
    EXPECT_EQ(1, pTip->GetToolCount());
    CString text;
    pTip->GetText(text, &button);
    EXPECT_EQ(CString(L"Down"), text);

    button.SetTooltip(L"Empty Key");
    pTip->GetText(text, &button);
    EXPECT_EQ(CString(L"Empty Key"), text);
    EXPECT_EQ(nBefore + 1, CountToolTipWindows());

    // No text: no tip, and a later hover makes none.
    button.SetTooltip(L"");
    EXPECT_EQ(nullptr, button.GetToolTipCtrl());
    EXPECT_EQ(nBefore, CountToolTipWindows());
    button.SendMessage(WM_MOUSELEAVE);
    MoveMouseOver(button, CPoint(12, 12));
    EXPECT_EQ(nBefore, CountToolTipWindows());

    // A button that goes before it was ever hovered takes its window-less tip with it.
    {
        CMFCButton unhovered;
        ASSERT_TRUE(unhovered.Create(L"", WS_CHILD | WS_VISIBLE, CRect(50, 0, 90, 40), &host, 1010));
        unhovered.SetTooltip(L"New");
    }
    EXPECT_EQ(nBefore, CountToolTipWindows());
}

namespace
{
class TestLink : public CMFCLinkCtrl
{
public:
    CString Target() const { return GetTarget(); }
    int m_nFocusDrawn = 0;

protected:
    void OnDrawFocusRect(CDC*, const CRect&) override { ++m_nFocusDrawn; }
};
} // namespace

TEST(MFCLinkCtrl, OpensItsUrlOrTextAndFitsItsText)
{
    HostWnd host;
    TestLink link;
    ASSERT_TRUE(link.Create(L"Velmo Software", WS_CHILD | WS_VISIBLE, CRect(100, 50, 300, 90), &host, 1022));
    link.SetFont(&afxGlobalData.fontRegular);
    EXPECT_EQ(CString(L"Velmo Software"), link.Target()); // no URL: the text
    link.SetURL(L"https://www.example.com/");
    EXPECT_EQ(CString(L"https://www.example.com/"), link.Target());

    // Fitted to the text measured in the control's font, top-left kept.
    CSize sizeText;
    {
        CClientDC dc(&link);
        CFont* pOld = dc.SelectObject(&afxGlobalData.fontRegular);
        sizeText = dc.GetTextExtent(CString(L"Velmo Software"));
        dc.SelectObject(pOld);
    }
    const CSize size = link.SizeToContent(FALSE, FALSE);
    EXPECT_GE(size.cx, sizeText.cx);
    EXPECT_LE(size.cx, sizeText.cx + 8);
    EXPECT_GE(size.cy, sizeText.cy);
    CRect rect;
    link.GetWindowRect(&rect);
    host.ScreenToClient(&rect);
    EXPECT_EQ(CRect(100, 50, 100 + size.cx, 50 + size.cy), rect);

    // Centred vertically: the middle line stays.
    link.SetWindowPos(nullptr, 100, 50, 200, 40, SWP_NOZORDER);
    const CSize sizeCentred = link.SizeToContent(TRUE, FALSE);
    link.GetWindowRect(&rect);
    host.ScreenToClient(&rect);
    EXPECT_EQ(50 + (40 - sizeCentred.cy) / 2, rect.top);

    // Drawn as a link: text in the link colour; a focused link asks its (overridable) focus hook.
    ControlCanvas canvas(size.cx, size.cy, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {ODT_BUTTON,
                          1022,
                          0,
                          ODA_DRAWENTIRE,
                          ODS_FOCUS,
                          link.GetSafeHwnd(),
                          canvas.dc.GetSafeHdc(),
                          {0, 0, size.cx, size.cy},
                          0};
    link.DrawItem(&dis);
    EXPECT_EQ(1, link.m_nFocusDrawn);
    EXPECT_GT(canvas.Count(CRect(0, 0, size.cx, size.cy), afxGlobalData.clrHotLinkNormalText), 0);
}

namespace
{
// A host that hears of its link's clicks too.
class LinkHost : public HostWnd
{
public:
    int m_nClicks = 0;
    void OnLinkClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkHost, HostWnd)
ON_BN_CLICKED(1022, OnLinkClicked)
END_MESSAGE_MAP()

// A script that leaves a marker file when something opens it.
std::wstring WriteMarkerScript(const std::wstring& folder, const std::wstring& marker)
{
    const std::wstring script = folder + L"\\open-me.cmd";
    const std::string text =
        "@echo off\r\necho opened> \"" + std::string(marker.begin(), marker.end()) + "\"\r\n";
    HANDLE h = ::CreateFileW(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    DWORD written = 0;
    ::WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(h);
    return script;
}
} // namespace

TEST(MFCLinkCtrl, ClickOpensItsUrlWithTheShellAndTheParentHearsOfIt)
{
    LinkHost host;
    CMFCLinkCtrl link;
    ASSERT_TRUE(link.Create(L"Velmo Software", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &host, 1022));
    // The shell opens the address as it would a web page; a script is what a test can see opened.
    const std::wstring folder = MakeTestTempFolder(L"link");
    const std::wstring marker = folder + L"\\opened.txt";
    const std::wstring script = WriteMarkerScript(folder, marker);
    link.SetURL(script.c_str());

    host.SendMessage(WM_COMMAND, MAKEWPARAM(1022, BN_CLICKED), reinterpret_cast<LPARAM>(link.GetSafeHwnd()));
    EXPECT_EQ(1, host.m_nClicks);
    EXPECT_TRUE(WaitForFile(marker, 10000));
    ::Sleep(200); // the script's shell lets go of its files
    ::DeleteFileW(marker.c_str());
    ::DeleteFileW(script.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

namespace
{
std::vector<std::wstring> g_openedByLink;
HINSTANCE WINAPI RecordLinkShellExecute(HWND, LPCWSTR pszVerb, LPCWSTR pszFile, LPCWSTR, LPCWSTR, INT)
{
    g_openedByLink.push_back(std::wstring(pszVerb) + L" " + pszFile);
    return reinterpret_cast<HINSTANCE>(42);
}
} // namespace

TEST(MFCLinkCtrl, ClickHandsTheShellNoAddressLongerThanItTakes)
{
    // The update link's address comes from a downloaded file; under Wine a 2,000-character one ended the
    // program in the shell.
    LinkHost host;
    CMFCLinkCtrl link;
    ASSERT_TRUE(
        link.Create(L"Download New Version", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &host, 1022));
    g_openedByLink.clear();
    const ShellExecuteFunc pfnShell = SetShellExecuteFunc(RecordLinkShellExecute);
    const std::wstring strLong = L"http://www.example.com/" + std::wstring(2000 - 23, L'd');
    const std::wstring strShort = L"http://www.example.com/" + std::wstring(40 - 23, L'd');
    link.SetURL(strLong.c_str());
    host.SendMessage(WM_COMMAND, MAKEWPARAM(1022, BN_CLICKED), reinterpret_cast<LPARAM>(link.GetSafeHwnd()));
    link.SetURL(strShort.c_str());
    host.SendMessage(WM_COMMAND, MAKEWPARAM(1022, BN_CLICKED), reinterpret_cast<LPARAM>(link.GetSafeHwnd()));
    SetShellExecuteFunc(pfnShell);
    EXPECT_EQ(2, host.m_nClicks);
    ASSERT_EQ(1u, g_openedByLink.size());
    EXPECT_EQ(L"open " + strShort, g_openedByLink[0]);
}

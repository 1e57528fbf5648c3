// The browse edit: its button takes a strip of the non-client area, a click on it (down and up over
// the button) runs OnBrowse, and the default file browse goes through the file-dialog hook with the
// mode's extension and filter; the file dialog's set-up as the system receives it.
#include <gtest/gtest.h>

#include "framework/controls/FileDialog.h"
#include "framework/controls/MFCEditBrowseCtrl.h"
#include "tests/controls/ControlTestSupport.h"

namespace
{
class CountingBrowseEdit : public CMFCEditBrowseCtrl
{
public:
    int m_nBrowsed = 0;
    int m_nUpdated = 0;
    BOOL m_bCountOnly = TRUE;
    void OnBrowse() override
    {
        ++m_nBrowsed;
        if (!m_bCountOnly)
            CMFCEditBrowseCtrl::OnBrowse();
    }
    void OnAfterUpdate() override { ++m_nUpdated; }
};

// Presses and releases the mouse at a screen point as the system would deliver it to the edit.
void ClickAt(CWnd& edit, CPoint ptScreen)
{
    const LPARAM lScreen = MAKELPARAM(ptScreen.x, ptScreen.y);
    const LRESULT hit = edit.SendMessage(WM_NCHITTEST, 0, lScreen);
    if (hit == HTCLIENT)
    {
        CPoint ptClient = ptScreen;
        edit.ScreenToClient(&ptClient);
        edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    }
    else
        edit.SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), lScreen);
    CPoint ptClient = ptScreen;
    edit.ScreenToClient(&ptClient);
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y));
    if (::GetCapture() == edit.GetSafeHwnd())
        ::ReleaseCapture();
}

CPoint ButtonCentre(CWnd& edit)
{
    CRect rectWindow, rectClient;
    edit.GetWindowRect(&rectWindow);
    edit.GetClientRect(&rectClient);
    edit.ClientToScreen(&rectClient);
    return CPoint((rectClient.right + rectWindow.right) / 2, rectClient.CenterPoint().y);
}

struct DialogAnswer
{
    INT_PTR nResult = IDCANCEL;
    CString strPath;
    // What the dialog was asked.
    int nCalls = 0;
    BOOL bOpen = FALSE;
    CString strDefExt, strFile, strFilter;
    DWORD dwFlags = 0;
};
DialogAnswer g_answer;

INT_PTR AnswerDialog(BOOL bOpen, const OPENFILENAMEW& ofn, CString& rPath)
{
    ++g_answer.nCalls;
    g_answer.bOpen = bOpen;
    g_answer.strDefExt = ofn.lpstrDefExt != nullptr ? ofn.lpstrDefExt : L"";
    g_answer.strFile = ofn.lpstrFile;
    g_answer.dwFlags = ofn.Flags;
    // The filter as the system reads it: pairs of NUL-terminated strings up to an empty one.
    g_answer.strFilter.Empty();
    for (const wchar_t* p = ofn.lpstrFilter; p != nullptr && *p != L'\0'; p += wcslen(p) + 1)
        g_answer.strFilter += CString(p) + L";";
    rPath = g_answer.strPath;
    return g_answer.nResult;
}
} // namespace

TEST(BrowseEdit, ClickOnTheButtonRunsOnBrowse)
{
    HostWnd host;
    CountingBrowseEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 260, 34), &host, 1047));
    CRect before;
    edit.GetClientRect(&before);
    edit.EnableFileBrowseButton();
    EXPECT_EQ(CMFCEditBrowseCtrl::BrowseMode_File, edit.GetMode());
    CRect after;
    edit.GetClientRect(&after);
    EXPECT_LT(after.Width(), before.Width() - 10); // the button's strip left the client area

    // A click in the text is the edit's own business.
    CRect rectClient;
    edit.GetClientRect(&rectClient);
    edit.ClientToScreen(&rectClient);
    ClickAt(edit, rectClient.CenterPoint());
    EXPECT_EQ(0, edit.m_nBrowsed);

    ClickAt(edit, ButtonCentre(edit));
    EXPECT_EQ(1, edit.m_nBrowsed);

    // The button's strip ends where the client area ended before: its last pixels still browse, the
    // text's last pixels do not.
    CRect rectWindow;
    edit.GetWindowRect(&rectWindow);
    CRect rectNow;
    edit.GetClientRect(&rectNow);
    edit.ClientToScreen(&rectNow);
    const int cxBorder = (rectWindow.Width() - before.Width()) / 2;
    ClickAt(edit, CPoint(rectWindow.right - cxBorder - 1, rectNow.CenterPoint().y));
    EXPECT_EQ(2, edit.m_nBrowsed);
    ClickAt(edit, CPoint(rectNow.right - 1, rectNow.CenterPoint().y));
    EXPECT_EQ(2, edit.m_nBrowsed);
    ClickAt(edit, CPoint(rectNow.right, rectNow.CenterPoint().y));
    EXPECT_EQ(3, edit.m_nBrowsed);

    // Pressed on the button but released in the text: no browse.
    const CPoint ptButton = ButtonCentre(edit);
    edit.SendMessage(WM_NCLBUTTONDOWN, edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptButton.x, ptButton.y)),
                     MAKELPARAM(ptButton.x, ptButton.y));
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(3, edit.m_nBrowsed);
}

TEST(BrowseEdit, DefaultFileBrowseAsksTheDialogAndTakesItsPath)
{
    HostWnd host;
    CountingBrowseEdit edit;
    edit.m_bCountOnly = FALSE;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 260, 34), &host, 1047));
    edit.EnableFileBrowseButton(L"wav", L"Sounds|*.wav|All Files|*.*||");
    edit.SetWindowText(L"C:\\old.wav");

    const AfxFileDialogHook previous = AfxSetFileDialogHook(&AnswerDialog);
    g_answer = DialogAnswer();
    g_answer.nResult = IDOK;
    g_answer.strPath = L"D:\\Sounds\\ding.wav";
    ClickAt(edit, ButtonCentre(edit));

    EXPECT_EQ(1, g_answer.nCalls);
    EXPECT_TRUE(g_answer.bOpen);
    EXPECT_EQ(CString(L"wav"), g_answer.strDefExt);
    EXPECT_EQ(CString(L"C:\\old.wav"), g_answer.strFile);
    EXPECT_EQ(CString(L"Sounds;*.wav;All Files;*.*;"), g_answer.strFilter);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(CString(L"D:\\Sounds\\ding.wav"), text);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_EQ(1, edit.m_nUpdated);

    // Cancel: the text stays, no update.
    g_answer.nResult = IDCANCEL;
    edit.SetModify(FALSE);
    ClickAt(edit, ButtonCentre(edit));
    edit.GetWindowText(text);
    EXPECT_EQ(CString(L"D:\\Sounds\\ding.wav"), text);
    EXPECT_FALSE(edit.GetModify());
    EXPECT_EQ(1, edit.m_nUpdated);
    AfxSetFileDialogHook(previous);
}

TEST(FileDialog, SetUpAsTheSystemReadsItAndTheChosenPath)
{
    const AfxFileDialogHook previous = AfxSetFileDialogHook(&AnswerDialog);
    g_answer = DialogAnswer();
    g_answer.nResult = IDOK;
    g_answer.strPath = L"C:\\users\\me\\Keystrder_cfg.ini";

    // The export dialog of the shortcut page: "*.ini" as default extension means "ini".
    CFileDialog save(FALSE, L"*.ini", L"Keystrder_cfg.ini", OFN_HIDEREADONLY,
                     L"Ini File|*.ini|All Files|*.*||");
    EXPECT_EQ(IDOK, save.DoModal());
    EXPECT_FALSE(g_answer.bOpen);
    EXPECT_EQ(CString(L"ini"), g_answer.strDefExt);
    EXPECT_EQ(CString(L"Keystrder_cfg.ini"), g_answer.strFile);
    EXPECT_EQ(CString(L"Ini File;*.ini;All Files;*.*;"), g_answer.strFilter);
    EXPECT_TRUE((g_answer.dwFlags & OFN_HIDEREADONLY) != 0);
    EXPECT_FALSE((g_answer.dwFlags & OFN_OVERWRITEPROMPT) != 0);
    EXPECT_EQ(CString(L"C:\\users\\me\\Keystrder_cfg.ini"), save.GetPathName());
    EXPECT_EQ(CString(L"Keystrder_cfg.ini"), save.GetFileName());

    // A filter without its closing bars, no default extension, and a cancelled dialog.
    g_answer.nResult = IDCANCEL;
    CFileDialog open(TRUE, nullptr, nullptr, 0, L"Text|*.txt");
    EXPECT_EQ(IDCANCEL, open.DoModal());
    EXPECT_EQ(CString(), g_answer.strDefExt);
    EXPECT_EQ(CString(L"Text;*.txt;"), g_answer.strFilter);
    EXPECT_EQ(CString(), open.GetPathName());

    // OK without a path is no choice.
    g_answer.nResult = IDOK;
    g_answer.strPath.Empty();
    CFileDialog empty(TRUE);
    EXPECT_EQ(IDCANCEL, empty.DoModal());
    AfxSetFileDialogHook(previous);
}

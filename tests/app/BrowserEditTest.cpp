// The browse edit: what it posts to its parent on Enter, Escape and the loss of focus, and what the
// browse button leaves in the field.
#include "app/BrowserEdit.h"
#include "app/LabelMessages.h"
#include "framework/controls/FileDialog.h"
#include "tests/app/AppTestSupport.h"

#include <gtest/gtest.h>

#include <errno.h>
#include <stdlib.h>

#include <string>
#include <vector>

namespace
{
// A parent window that records the WM_LABEL_KILLFOCUS it receives.
std::vector<WPARAM> g_posted;

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LABEL_KILLFOCUS)
    {
        g_posted.push_back(wParam);
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

struct DialogAnswer
{
    INT_PTR result = IDCANCEL;
    CString path;
    CString initialName;    // what the dialog was opened with
    HWND focusTo = nullptr; // the "dialog" takes the focus here while it is open
    int nShown = 0;
    // What the user does in the main window while the dialog (which has no owner) is open.
    CBrowserEdit* pBrowseAgain = nullptr; // clicks the edit's browse button once more
    CBrowserEdit* pDelete = nullptr;      // starts another in-place edit, which deletes this editor
};
DialogAnswer g_answer;

INT_PTR AnswerDialog(BOOL bOpen, const OPENFILENAMEW& ofn, CString& rPath)
{
    EXPECT_TRUE(bOpen);
    ++g_answer.nShown;
    g_answer.initialName = ofn.lpstrFile != nullptr ? ofn.lpstrFile : L"";
    if (g_answer.focusTo != nullptr)
        ::SetFocus(g_answer.focusTo);
    if (CBrowserEdit* pEdit = g_answer.pBrowseAgain)
    {
        g_answer.pBrowseAgain = nullptr;
        pEdit->OnBrowse();
    }
    if (CBrowserEdit* pEdit = g_answer.pDelete)
    {
        g_answer.pDelete = nullptr;
        delete pEdit;
    }
    PumpPending();
    rPath = g_answer.path;
    return g_answer.result;
}

class BrowserEditTest : public ::testing::Test
{
protected:
    // One parent for the suite: showing and destroying a top-level window costs seconds under Wine.
    static void SetUpTestSuite()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrowserEditTestParent";
        ::RegisterClassW(&wc);
        m_hParent =
            ::CreateWindowExW(0, L"BrowserEditTestParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              300, 200, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hParent, nullptr);
        m_hOther = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 100, 100, 20, m_hParent,
                                     nullptr, wc.hInstance, nullptr);
    }
    static void TearDownTestSuite() { ::DestroyWindow(m_hParent); }

    void SetUp() override
    {
        ASSERT_NE(m_hParent, nullptr);
        m_parent.Attach(m_hParent);
        m_pEdit = new CBrowserEdit(&m_parent);
        ASSERT_NE(m_pEdit->GetSafeHwnd(), nullptr);
        m_pEdit->MoveWindow(0, 0, 200, 22);
        g_posted.clear();
        g_answer = DialogAnswer();
        m_oldHook = AfxSetFileDialogHook(&AnswerDialog);
    }
    void TearDown() override
    {
        AfxSetFileDialogHook(m_oldHook);
        delete m_pEdit;
        m_parent.Detach();
    }
    void KeyUp(UINT vk)
    {
        m_pEdit->SendMessage(WM_KEYUP, vk, 0xC0000001);
        PumpPending();
    }

    static HWND m_hParent;
    static HWND m_hOther;
    CWnd m_parent;
    CBrowserEdit* m_pEdit = nullptr;
    AfxFileDialogHook m_oldHook = nullptr;
};
HWND BrowserEditTest::m_hParent = nullptr;
HWND BrowserEditTest::m_hOther = nullptr;
} // namespace

TEST(LabelMessagesTest, AreTheRegisteredMessagesOfTheirNames)
{
    EXPECT_EQ(WM_LABEL_KILLFOCUS, ::RegisterWindowMessageW(L"Label Kill Focus"));
    EXPECT_EQ(WM_LABEL_EDIT, ::RegisterWindowMessageW(L"Label Edit"));
    EXPECT_NE(WM_LABEL_KILLFOCUS, 0u);
    EXPECT_NE(WM_LABEL_KILLFOCUS, WM_LABEL_EDIT);
}

TEST_F(BrowserEditTest, IsCreatedAsTheParentsChildWithItsFont)
{
    EXPECT_EQ(::GetParent(m_pEdit->GetSafeHwnd()), m_hParent);
    EXPECT_EQ(m_pEdit->GetDlgCtrlID(), 1111);
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    EXPECT_EQ(m_pEdit->GetStyle() & style, style);
    CBrowserEdit unbound(nullptr);
    EXPECT_EQ(unbound.GetSafeHwnd(), nullptr);
}

TEST_F(BrowserEditTest, EnterCommitsAndEscapeCancelsOnTheKeysRelease)
{
    m_pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpPending();
    EXPECT_TRUE(g_posted.empty());
    KeyUp(VK_RETURN);
    KeyUp(VK_ESCAPE);
    KeyUp('A');
    EXPECT_EQ(g_posted, (std::vector<WPARAM>{0, 1}));
}

TEST_F(BrowserEditTest, LossOfFocusCommitsOnlyWhileTheEditIsVisible)
{
    m_pEdit->SetFocus();
    ::SetFocus(m_hOther);
    PumpPending();
    EXPECT_EQ(g_posted, (std::vector<WPARAM>{0}));

    // After Escape the list hides its editor: the focus it then loses commits nothing.
    g_posted.clear();
    m_pEdit->SetFocus();
    KeyUp(VK_ESCAPE);
    m_pEdit->ShowWindow(SW_HIDE);
    ::SetFocus(m_hOther);
    PumpPending();
    EXPECT_EQ(g_posted, (std::vector<WPARAM>{1}));
}

TEST_F(BrowserEditTest, ChosenFileIsQuotedWithTheCaretAfterIt)
{
    m_pEdit->EnableFileBrowseButton();
    m_pEdit->SetWindowText(L"tick.wav");
    m_pEdit->SetModify(FALSE);
    m_pEdit->SetFocus();
    g_answer.result = IDOK;
    g_answer.path = L"D:\\Sounds\\ding.wav";
    g_answer.focusTo = m_hOther; // the dialog takes the focus while it is open
    m_pEdit->OnBrowse();
    PumpPending();

    CString text;
    m_pEdit->GetWindowText(text);
    EXPECT_STREQ(text, L"\"D:\\Sounds\\ding.wav\"");
    EXPECT_STREQ(g_answer.initialName, L"tick.wav");
    int start = -1, end = -1;
    m_pEdit->GetSel(start, end);
    EXPECT_EQ(start, text.GetLength());
    EXPECT_EQ(end, text.GetLength());
    EXPECT_TRUE(m_pEdit->GetModify());
    EXPECT_EQ(CWnd::GetFocus(), m_pEdit);
    EXPECT_TRUE(g_posted.empty()); // losing the focus to the dialog ends no edit
}

TEST_F(BrowserEditTest, CancelledDialogLeavesTheTextAndGivesTheFocusBack)
{
    m_pEdit->EnableFileBrowseButton();
    m_pEdit->SetWindowText(L"C:\\Windows\\Media\\");
    m_pEdit->SetModify(FALSE);
    g_answer.result = IDCANCEL;
    m_pEdit->OnBrowse();
    PumpPending();
    CString text;
    m_pEdit->GetWindowText(text);
    EXPECT_STREQ(text, L"C:\\Windows\\Media\\");
    EXPECT_STREQ(g_answer.initialName, L""); // a folder has no file-name part
    EXPECT_FALSE(m_pEdit->GetModify());
    EXPECT_EQ(CWnd::GetFocus(), m_pEdit);
}

namespace
{
int g_nInvalidParameters = 0;
void RecordInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, uintptr_t)
{
    ++g_nInvalidParameters;
}
} // namespace

TEST_F(BrowserEditTest, ALastPartTooLongForAFileNameOpensTheDialogWithoutName)
{
    // The runtime's default answer to a failed call ends the program: a text of any length must not
    // make one fail (here the range error is its trace; Wine's runtime does not call the handler).
    m_pEdit->EnableFileBrowseButton();
    const _invalid_parameter_handler oldHandler = _set_invalid_parameter_handler(&RecordInvalidParameter);
    g_nInvalidParameters = 0;
    for (int nLength : {255, 256, 300, 5000})
    {
        SCOPED_TRACE(nLength);
        const CString strText = L"C:\\Sounds\\" + CString(std::wstring(nLength - 4, L'n').c_str()) + L".wav";
        m_pEdit->SetWindowText(strText);
        g_answer.initialName = L"?";
        errno = 0;
        m_pEdit->OnBrowse();
        EXPECT_NE(errno, ERANGE);
        EXPECT_EQ(g_nInvalidParameters, 0);
        EXPECT_STREQ(g_answer.initialName, nLength <= 255 ? strText : CString(L""));
        EXPECT_EQ(CWnd::GetFocus(), m_pEdit);
    }
    _set_invalid_parameter_handler(oldHandler);
}

TEST_F(BrowserEditTest, ChoosingTheSamePathChangesNothing)
{
    m_pEdit->EnableFileBrowseButton();
    m_pEdit->SetWindowText(L"D:\\a.wav");
    m_pEdit->SetModify(FALSE);
    g_answer.result = IDOK;
    g_answer.path = L"D:\\a.wav";
    m_pEdit->OnBrowse();
    CString text;
    m_pEdit->GetWindowText(text);
    EXPECT_STREQ(text, L"D:\\a.wav");
    EXPECT_FALSE(m_pEdit->GetModify());
}

TEST_F(BrowserEditTest, WhatTheUserDoesWhileTheDialogIsOpenLeavesTheEditSound)
{
    // A second click on the button while the dialog is open opens no second dialog, and the edit
    // still takes the choice of the first.
    m_pEdit->EnableFileBrowseButton();
    m_pEdit->SetWindowText(L"tick.wav");
    g_answer.result = IDOK;
    g_answer.path = L"D:\\Sounds\\ding.wav";
    g_answer.pBrowseAgain = m_pEdit;
    m_pEdit->OnBrowse();
    EXPECT_EQ(g_answer.nShown, 1);
    CString text;
    m_pEdit->GetWindowText(text);
    EXPECT_STREQ(text, L"\"D:\\Sounds\\ding.wav\"");
    EXPECT_EQ(CWnd::GetFocus(), m_pEdit);

    // The editor deleted under its dialog (the list's next in-place edit, or the end of the program):
    // the choice goes nowhere and the focus stays where the user put it.
    g_answer = DialogAnswer();
    g_answer.result = IDOK;
    g_answer.path = L"D:\\Sounds\\other.wav";
    g_answer.focusTo = m_hOther;
    g_answer.pDelete = m_pEdit;
    CBrowserEdit* pEdit = m_pEdit;
    m_pEdit = nullptr; // deleted by the "dialog"
    pEdit->OnBrowse();
    PumpPending();
    EXPECT_EQ(::GetFocus(), m_hOther);
    EXPECT_EQ(::GetDlgItem(m_hParent, CBrowserEdit::kEditorId), nullptr);
    EXPECT_TRUE(g_posted.empty());
}

// Dialogs from templates in memory: modeless creation, data exchange that subclasses the template's
// controls onto members, the OK and Cancel commands, and modal runs.
#include <gtest/gtest.h>

#include "framework/window/DataExchange.h"
#include "framework/docview/Dialog.h"
#include "framework/window/WinThread.h"
#include "framework/window/WndMessageMap.h"
#include "tests/docview/DialogTemplateBuilder.h"
#include "tests/window/WndTestSupport.h"

#include <string>
#include <vector>

namespace
{
const int IDC_NAME = 1012;
const int IDC_APPLY = 1013;
const int IDC_MISSING = 1099;

// Counts the clicks its button window receives from the mouse path (BM_CLICK).
class CCountingButton : public CWnd
{
public:
    int clicks = 0;
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingButton, CWnd)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CTestDialog : public CDialog
{
public:
    CWnd m_name;
    CCountingButton m_apply;
    BOOL bindMissing = FALSE;
    BOOL endOnInit = FALSE;
    int initCalls = 0;
    int applyCalls = 0;
    int okCalls = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_NAME, m_name);
        DDX_Control(pDX, IDC_APPLY, m_apply);
        if (bindMissing)
        {
            CWnd missing;
            DDX_Control(pDX, IDC_MISSING, missing);
        }
    }
    BOOL OnInitDialog() override
    {
        ++initCalls;
        CDialog::OnInitDialog();
        if (endOnInit)
            PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    void OnOK() override
    {
        ++okCalls;
        CDialog::OnOK();
    }
    void OnApply() { ++applyCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

DialogTemplateBuilder PopupTemplate()
{
    DialogTemplateBuilder tmpl(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 80, L"Test");
    tmpl.Add(0x81, IDC_NAME, WS_BORDER | ES_AUTOHSCROLL, 5, 5, 100, 12, L"start")
        .Add(0x80, IDC_APPLY, BS_PUSHBUTTON, 110, 5, 50, 14, L"Apply")
        .Add(0x80, IDOK, BS_DEFPUSHBUTTON, 110, 25, 50, 14, L"OK");
    return tmpl;
}
} // namespace

TEST(DialogTest, ModelessDialogBindsItsControlsOnInitDialog)
{
    DialogTemplateBuilder tmpl = PopupTemplate();
    CTestDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get()));
    EXPECT_EQ(1, dlg.initCalls);
    EXPECT_FALSE(dlg.IsWindowVisible()); // the template is not WS_VISIBLE

    ASSERT_NE(nullptr, dlg.m_name.m_hWnd);
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_NAME), dlg.m_name.m_hWnd);
    EXPECT_EQ(&dlg.m_name, CWnd::FromHandlePermanent(dlg.m_name.m_hWnd));
    CString text;
    dlg.m_name.GetWindowText(text);
    EXPECT_STREQ(L"start", text);

    // The button's click reaches the button's own object first (reflected), then the dialog.
    ::SendMessageW(dlg.m_apply.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(1, dlg.m_apply.clicks);
    EXPECT_EQ(0, dlg.applyCalls); // ON_CONTROL_REFLECT keeps it from the parent

    // A second exchange leaves bound members alone.
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(&dlg.m_name, CWnd::FromHandlePermanent(dlg.m_name.m_hWnd));

    dlg.ShowWindow(SW_SHOWNA);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDOK)));
    EXPECT_EQ(1, dlg.okCalls);
    EXPECT_FALSE(dlg.IsWindowVisible()); // EndDialog hides a modeless dialog
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_name.m_hWnd); // the controls unbound with their windows
}

TEST(DialogTest, ModelessDialogWithoutParentIsOwnedByTheMainWindow)
{
    // An unowned dialog would get a taskbar button and an Alt+Tab entry of its own.
    ForeignWindow mainWnd;
    CWnd main;
    main.Attach(mainWnd.hWnd);
    CWinThread* pPrevious = AfxGetThread();
    CWinThread thread;
    thread.m_pMainWnd = &main;
    AfxSetThread(&thread);
    DialogTemplateBuilder tmpl = PopupTemplate();
    CTestDialog owned;
    EXPECT_TRUE(owned.CreateIndirect(tmpl.Get()));
    EXPECT_EQ(mainWnd.hWnd, ::GetWindow(owned.m_hWnd, GW_OWNER));
    owned.DestroyWindow();
    thread.m_pMainWnd = nullptr;
    AfxSetThread(pPrevious);
    main.Detach();
}

TEST(DialogTest, ExchangeWithAMissingControlFailsWithoutThrowing)
{
    DialogTemplateBuilder tmpl = PopupTemplate();
    CTestDialog dlg;
    dlg.bindMissing = TRUE;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get()));
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    // OK runs the exchange first: a failed exchange keeps the dialog open.
    dlg.ShowWindow(SW_SHOWNA);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_TRUE(dlg.DestroyWindow());
}

TEST(DialogTest, ModalDialogReturnsItsEndResult)
{
    DialogTemplateBuilder tmpl = PopupTemplate();
    CTestDialog dlg;
    dlg.endOnInit = TRUE;
    ASSERT_TRUE(dlg.InitModalIndirect(tmpl.Get()));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, dlg.initCalls);
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    CDialog missing(4242);
    EXPECT_EQ(-1, missing.DoModal()); // no such template
    EXPECT_FALSE(missing.Create(4242));
}

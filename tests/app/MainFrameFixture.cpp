// EnsureMainFrame: the frame and view of the document template, for the window tests.
#include "tests/app/MainFrameFixture.h"

#include "app/KeystriderApp.h"
#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"
#include "framework/docview/DocTemplate.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"

CMainFrame* EnsureMainFrame()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    store.m_nGeneralHideToTray = 0;
    store.m_nGeneralCloseToTray = 0;
    store.m_bRunning = 1;
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame == nullptr)
    {
        static bool s_templateAdded = false;
        if (!s_templateAdded)
        {
            theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc),
                                                         RUNTIME_CLASS(CMainFrame),
                                                         RUNTIME_CLASS(CKeystriderView)));
            s_templateAdded = true;
        }
        theApp.OnFileNew();
        pFrame = GetMainFrame();
    }
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return nullptr;
    pFrame->ShowWindow(SW_SHOWNORMAL);
    PumpPending();
    return pFrame;
}

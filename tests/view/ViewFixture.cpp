// The main view as at start-up, for the view's window tests.
#include "tests/view/ViewFixture.h"

#include "app/KeystriderDoc.h"
#include "framework/docview/DocTemplate.h"
#include "res/resource.h"

void ViewTest::SetUp()
{
    CShortCutConfig& store = Store();
    store.m_nGeneralHideToTray = 0;
    store.m_nGeneralCloseToTray = 0;
    store.m_bRunning = 1;
    m_pFrame = GetMainFrame();
    if (m_pFrame == nullptr)
    {
        static bool s_bTemplateAdded = false;
        if (!s_bTemplateAdded)
        {
            theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc),
                                                         RUNTIME_CLASS(CMainFrame),
                                                         RUNTIME_CLASS(CKeystriderView)));
            s_bTemplateAdded = true;
        }
        theApp.OnFileNew();
        m_pFrame = GetMainFrame();
    }
    ASSERT_NE(m_pFrame, nullptr);
    m_pView = DYNAMIC_DOWNCAST(CKeystriderView, m_pFrame->GetActiveView());
    ASSERT_NE(m_pView, nullptr);
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    PumpFor(0);
}

void ViewTest::TearDown()
{
    PumpFor(0);
}

void ViewTest::Click(int nID)
{
    ::SendMessageW(Control(nID), BM_CLICK, 0, 0);
    PumpFor(0);
}

void ViewTest::ForgetConfigFile()
{
    ::DeleteFileW(Store().m_strConfigFilePath);
}

bool ViewTest::Saved()
{
    // A written file holds at least its byte-order mark and the section names.
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return ::GetFileAttributesExW(Store().m_strConfigFilePath, GetFileExInfoStandard, &data) &&
           (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0);
}

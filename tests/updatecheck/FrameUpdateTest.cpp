// The update check through the real frame and view: a download from a loopback server replaces the
// update file in the data folder and announces the newer version; failures and a second request
// change nothing; the schedule starts downloads only when due.
// Winsock first: it must come before windows.h.
#include "tests/updatecheck/LoopbackServer.h"

#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"
#include "app/MakerSite.h"
#include "framework/controls/MFCLinkCtrl.h"
#include "framework/docview/DocTemplate.h"
#include "res/resource.h"
#include "tests/support/TempFolder.h"
#include "tests/updatecheck/FileTime.h"

#include <gtest/gtest.h>

#include "tests/support/MessagePump.h"

#include <winternl.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace
{
std::string PadText(const char* pszVersion, const char* pszDownloadURL = "http://dl.example/k.zip")
{
    return std::string("<?xml version=\"1.0\"?><XML_DIZ_INFO><Program_Info><Program_Version>") + pszVersion +
           "</Program_Version><Program_Change_Info>Faster.</Program_Change_Info></Program_Info><Web_Info>"
           "<Download_URLs><Primary_Download_URL>" +
           pszDownloadURL + "</Primary_Download_URL></Download_URLs></Web_Info></XML_DIZ_INFO>";
}

// What a click on a link control opens.
struct LinkTarget : CMFCLinkCtrl
{
    static CString Of(CWnd* pLink)
    {
        CMFCLinkCtrl* pControl = DYNAMIC_DOWNCAST(CMFCLinkCtrl, pLink);
        return pControl != nullptr ? (pControl->*(&LinkTarget::GetTarget))() : CString();
    }
};

std::string FileText(const wchar_t* pszPath)
{
    std::ifstream in(pszPath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// How many handles of the process refer to the kernel object behind hObject (hObject included); 0 when
// the system cannot tell.
ULONG HandleCount(HANDLE hObject)
{
    using QueryObject = NTSTATUS(NTAPI*)(HANDLE, OBJECT_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    auto pfnQuery = reinterpret_cast<QueryObject>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
    PUBLIC_OBJECT_BASIC_INFORMATION info = {};
    if (pfnQuery == nullptr || pfnQuery(hObject, ObjectBasicInformation, &info, sizeof(info), nullptr) < 0)
        return 0;
    return info.HandleCount;
}

class FrameUpdateTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = GetMainFrame();
        if (m_pFrame == nullptr)
        {
            // No check of the schedule's own while the frame and the view come up.
            Store().m_nCheckNewVersion = 0;
            theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc),
                                                         RUNTIME_CLASS(CMainFrame),
                                                         RUNTIME_CLASS(CKeystriderView)));
            theApp.OnFileNew();
            m_pFrame = GetMainFrame();
        }
        ASSERT_NE(nullptr, m_pFrame);
        ASSERT_TRUE(WaitForDownload());
        m_strOldDataFolder = Store().m_strDataFolder;
        Store().m_strDataFolder = m_dir.Path();
        m_pFrame->m_tmPadFile = CTime(0);
        m_pFrame->m_bNewVersion = FALSE;
        m_pFrame->m_strUpdateText.Empty();
        m_pFrame->m_strDownloadURL.Empty();
        ASSERT_NE(0, m_server.Port());
        m_strPath = "/downloads/" + std::to_string(GetTickCount()) + "_" + std::to_string(++s_nRun) +
                    "/pad_keystrider.xml";
        m_strURL = m_server.Url(m_strPath);
        m_pOldAddress = CMainFrame::SetUpdateAddress(m_strURL.c_str());
    }
    void TearDown() override
    {
        WaitForDownload();
        CMainFrame::SetUpdateAddress(m_pOldAddress);
        Store().m_strDataFolder = m_strOldDataFolder;
    }

    static CShortCutConfig& Store() { return theApp.m_ShortCutConfig; }

    // Pumps the frame's messages until no download runs any more.
    bool WaitForDownload(DWORD dwLimit = 30000)
    {
        DWORD dwStart = GetTickCount();
        while (m_pFrame != nullptr && m_pFrame->m_pUpdateThread != nullptr &&
               GetTickCount() - dwStart < dwLimit)
        {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            PumpPending();
        }
        return m_pFrame == nullptr || m_pFrame->m_pUpdateThread == nullptr;
    }

    CString PadPath() const { return m_dir.File(L"pad_keystrider.xml"); }

    static int s_nRun;
    TempFolder m_dir;
    LoopbackServer m_server;
    std::string m_strPath;
    std::wstring m_strURL;
    const wchar_t* m_pOldAddress = nullptr;
    CString m_strOldDataFolder;
    CMainFrame* m_pFrame = nullptr;
};
int FrameUpdateTest::s_nRun = 0;
} // namespace

TEST_F(FrameUpdateTest, ADownloadedNewerVersionReplacesTheFileAndIsAnnounced)
{
    WriteBytes(PadPath(), PadText("1.5"));
    m_server.Serve(m_strPath, PadText("1.7"));

    m_pFrame->StartUpdateCheck();
    ASSERT_NE(nullptr, m_pFrame->m_pUpdateThread);
    ASSERT_TRUE(WaitForDownload());

    EXPECT_EQ(PadText("1.7"), FileText(PadPath()));
    // The copy went through a file beside it, which is gone again.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_dir.File(L"pad_keystrider.xml.tmp")));
    EXPECT_TRUE(m_pFrame->m_bNewVersion);
    EXPECT_STREQ(L"http://dl.example/k.zip", m_pFrame->m_strDownloadURL.GetString());
    EXPECT_EQ(0, m_pFrame->m_strUpdateText.Find(L"Keystrider 1.7\n"));
    // The view announces it in the pop-up.
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, m_pFrame->GetActiveView());
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->GetDlgInfo()->IsWindowVisible());
    // ... and the options page's update link offers the download.
    CWnd* pLink = pView->GetDlgItem(IDC_UPDATE_LINK);
    ASSERT_NE(nullptr, pLink);
    CString strLinkText;
    pLink->GetWindowText(strLinkText);
    EXPECT_STREQ(L"Download New Version", strLinkText.GetString());
    EXPECT_STREQ(L"http://dl.example/k.zip", LinkTarget::Of(pLink).GetString());
}

// The download address comes from the network: a click on the link must not run a program or open a
// share that the file names; the link then leads to the maker's site.
TEST_F(FrameUpdateTest, ADownloadAddressThatIsNoWebAddressLeadsTheLinkToTheMakersSite)
{
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, m_pFrame->GetActiveView());
    ASSERT_NE(nullptr, pView);
    int nVersion = 7;
    for (const char* pszAddress : {"C:\\Windows\\System32\\calc.exe", "\\\\host\\share\\setup.exe",
                                   "file:///C:/Windows/System32/calc.exe", "cmd.exe /c del x", ""})
    {
        std::string version = "1." + std::to_string(++nVersion);
        m_server.Serve(m_strPath, PadText(version.c_str(), pszAddress));
        m_pFrame->StartUpdateCheck();
        ASSERT_TRUE(WaitForDownload());
        ASSERT_TRUE(m_pFrame->m_bNewVersion) << pszAddress;
        EXPECT_EQ(CString(pszAddress), m_pFrame->m_strDownloadURL);
        EXPECT_STREQ(KS_MAKER_SITE_URL, LinkTarget::Of(pView->GetDlgItem(IDC_UPDATE_LINK)).GetString())
            << pszAddress;
        m_pFrame->m_tmPadFile = CTime(0); // the next copy may keep the modification time
    }
    m_server.Serve(m_strPath, PadText("1.20", "HTTPS://dl.example/k.zip"));
    m_pFrame->StartUpdateCheck();
    ASSERT_TRUE(WaitForDownload());
    EXPECT_STREQ(L"HTTPS://dl.example/k.zip", LinkTarget::Of(pView->GetDlgItem(IDC_UPDATE_LINK)).GetString());
}

TEST_F(FrameUpdateTest, AFailedDownloadLeavesTheFileAndTheFrameAlone)
{
    WriteBytes(PadPath(), PadText("1.5"));
    // Nothing is served at the address: the server answers 404.
    m_pFrame->StartUpdateCheck();
    ASSERT_TRUE(WaitForDownload());
    EXPECT_EQ(PadText("1.5"), FileText(PadPath()));
    EXPECT_FALSE(m_pFrame->m_bNewVersion);
    EXPECT_EQ(CTime(0), m_pFrame->m_tmPadFile);
    EXPECT_EQ(1, m_server.RequestCount(m_strPath));
}

TEST_F(FrameUpdateTest, ARequestWhileADownloadRunsStartsNothing)
{
    m_server.Serve(m_strPath, PadText("1.7"));
    m_server.Hold(m_strPath);
    m_pFrame->StartUpdateCheck();
    CWinThread* pRunning = m_pFrame->m_pUpdateThread;
    ASSERT_NE(nullptr, pRunning);
    m_pFrame->StartUpdateCheck();
    EXPECT_EQ(pRunning, m_pFrame->m_pUpdateThread);
    m_server.Release();
    ASSERT_TRUE(WaitForDownload());
    EXPECT_EQ(1, m_server.RequestCount(m_strPath));
    EXPECT_TRUE(m_pFrame->m_bNewVersion);

    // Idle again: the next request downloads once more.
    m_pFrame->StartUpdateCheck();
    EXPECT_NE(nullptr, m_pFrame->m_pUpdateThread);
    ASSERT_TRUE(WaitForDownload());
    EXPECT_EQ(2, m_server.RequestCount(m_strPath));
}

TEST_F(FrameUpdateTest, TheViewDownloadsWhenDueOrAskedAndNeverWithNever)
{
    m_server.Serve(m_strPath, PadText("1.7"));
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, m_pFrame->GetActiveView());
    ASSERT_NE(nullptr, pView);

    Store().m_nCheckNewVersion = 0;
    pView->OnCheckNow();
    EXPECT_EQ(nullptr, m_pFrame->m_pUpdateThread);

    Store().m_nCheckNewVersion = 1;
    Store().m_tmTimeCheckPadFile = CTime::GetCurrentTime() - CTimeSpan(3600);
    pView->CheckForUpdate(FALSE); // one hour after the reference: not due
    EXPECT_EQ(nullptr, m_pFrame->m_pUpdateThread);

    CTime tmBefore = CTime::GetCurrentTime();
    pView->OnCheckNow();
    EXPECT_NE(nullptr, m_pFrame->m_pUpdateThread);
    EXPECT_GE(Store().m_tmTimeCheckPadFile, tmBefore + CTimeSpan(86400));
    ASSERT_TRUE(WaitForDownload());
    EXPECT_EQ(1, m_server.RequestCount(m_strPath));
    Store().m_nCheckNewVersion = 0;
}

// Closing the window while a download runs: the frame cancels it and waits for the worker, answering
// the worker's progress reports meanwhile; the update file stays as it was.
TEST_F(FrameUpdateTest, EndingTheCheckCancelsAndJoinsARunningDownload)
{
    WriteBytes(PadPath(), PadText("1.5"));
    m_server.Serve(m_strPath, PadText("1.7"));
    m_server.Hold(m_strPath);
    m_pFrame->StartUpdateCheck();
    ASSERT_NE(nullptr, m_pFrame->m_pUpdateThread);
    std::thread release(
        [this]
        {
            Sleep(300);
            m_server.Release();
        });
    DWORD dwStart = GetTickCount();
    m_pFrame->EndUpdateCheck();
    release.join();
    EXPECT_EQ(nullptr, m_pFrame->m_pUpdateThread);
    EXPECT_LT(GetTickCount() - dwStart, 4000u);
    EXPECT_TRUE(m_pFrame->m_UpdateParam.m_strCacheFile.IsEmpty());
    PumpPending(); // the worker's last message finds no download to take
    EXPECT_EQ(PadText("1.5"), FileText(PadPath()));
    EXPECT_FALSE(m_pFrame->m_bNewVersion);
}

// A download that outlasts the wait at closing (a server that does not answer): the frame lets the
// worker go, and the thread object, with its handle, goes when the worker ends; the worker's last
// message finds no download to take.
TEST_F(FrameUpdateTest, AWorkerThatOutlastsTheWaitAtClosingIsLetGoAndReleasedAtItsEnd)
{
    WriteBytes(PadPath(), PadText("1.5"));
    HANDLE hThread = nullptr;
    std::wstring url;
    // The worker reports that it sends its request about when the server sees it, and checks for a
    // cancel right after that report; a cancel taken there ends it within the wait (the other test's
    // case), and a fresh download is tried. Once it waits for the answer, no report comes.
    for (int attempt = 0; attempt < 10 && hThread == nullptr; ++attempt)
    {
        const std::string path = m_strPath + "." + std::to_string(attempt);
        m_server.Serve(path, PadText("1.7"));
        m_server.Hold(path);
        url = m_server.Url(path);
        CMainFrame::SetUpdateAddress(url.c_str());
        m_pFrame->StartUpdateCheck();
        ASSERT_NE(nullptr, m_pFrame->m_pUpdateThread);
        HANDLE hWorker = nullptr;
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), m_pFrame->m_pUpdateThread->m_hThread,
                                    GetCurrentProcess(), &hWorker, 0, FALSE, DUPLICATE_SAME_ACCESS));
        // The worker's progress reports are answered until the request is there.
        PumpUntil([&] { return m_server.RequestCount(path) != 0; }, 10000);
        ASSERT_EQ(1, m_server.RequestCount(path));

        m_pFrame->EndUpdateCheck();
        EXPECT_EQ(nullptr, m_pFrame->m_pUpdateThread);
        if (WaitForSingleObject(hWorker, 0) == WAIT_TIMEOUT)
        {
            hThread = hWorker; // it did outlast the wait
            break;
        }
        m_server.Release();
        CloseHandle(hWorker);
        PumpPending();
    }
    ASSERT_NE(nullptr, hThread) << "every worker took the cancel within the wait";

    m_server.Release();
    const DWORD dwStart = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &hThread, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           GetTickCount() - dwStart < 30000)
        PumpPending();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 0));
    EXPECT_EQ(1u, HandleCount(hThread)); // only this test's own handle is left
    CloseHandle(hThread);
    PumpPending();
    EXPECT_EQ(nullptr, m_pFrame->m_pUpdateThread);
    EXPECT_EQ(PadText("1.5"), FileText(PadPath()));
    EXPECT_FALSE(m_pFrame->m_bNewVersion);
}

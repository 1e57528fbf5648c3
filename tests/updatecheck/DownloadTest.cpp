// The update worker against a real HTTP server on 127.0.0.1: the file arrives in the cache, failures
// leave an empty name, progress reaches the notify window and the cancel event aborts.
#include "tests/updatecheck/LoopbackServer.h"
#include "tests/support/TempFolder.h"
#include "update/BSCallback.h"
#include "update/PadFile.h"
#include "update/UpdateDownload.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace
{
const char kPadText[] = "<?xml version=\"1.0\"?><XML_DIZ_INFO><Program_Info><Program_Version>1.7"
                        "</Program_Version></Program_Info></XML_DIZ_INFO>";

// A message-only window standing in for the frame: records what the worker sends and posts.
class NotifyWindow
{
public:
    NotifyWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KsUpdateNotifyTest";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowW(L"KsUpdateNotifyTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                               nullptr);
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~NotifyWindow() { DestroyWindow(m_hWnd); }

    // Pumps messages until WM_UPDATE_DOWNLOADED arrived; false after the time limit.
    bool WaitForDownloaded(DWORD dwLimit = 30000)
    {
        DWORD dwStart = GetTickCount();
        while (!m_bDownloaded && GetTickCount() - dwStart < dwLimit)
        {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        return m_bDownloaded;
    }

    HWND m_hWnd = nullptr;
    bool m_bDownloaded = false;
    int m_nDownloadedCount = 0;
    std::vector<ULONG> m_statusCodes;
    int m_nCancelReports = 0;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        NotifyWindow* pThis = reinterpret_cast<NotifyWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (pThis != nullptr && uMsg == WM_UPDATE_PROGRESS)
        {
            if (lParam == 0)
                ++pThis->m_nCancelReports;
            else
                pThis->m_statusCodes.push_back(reinterpret_cast<BindProgressInfo*>(lParam)->ulStatusCode);
        }
        if (pThis != nullptr && uMsg == WM_UPDATE_DOWNLOADED)
        {
            pThis->m_bDownloaded = true;
            ++pThis->m_nDownloadedCount;
        }
        return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
};

std::string FileText(const wchar_t* pszPath)
{
    std::ifstream in(pszPath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the worker on a thread of its own, as the frame does, and waits for its message.
void Download(UpdateThreadParam& block, NotifyWindow& window)
{
    std::thread worker(UpdateCheckThreadProc, &block);
    EXPECT_TRUE(window.WaitForDownloaded());
    worker.join();
}

// Runs the worker on the address with a window of its own; the block's cache-file name tells the result.
void DownloadFrom(UpdateThreadParam& block, const std::wstring& url)
{
    NotifyWindow window;
    block.m_hNotifyWnd = window.m_hWnd;
    block.m_strURL = url.c_str();
    Download(block, window);
}

// A path no earlier run has put into the internet cache.
std::string FreshPath(const char* pszName)
{
    return "/downloads/" + std::to_string(GetTickCount()) + "_" + std::to_string(GetCurrentProcessId()) +
           "/" + pszName;
}
} // namespace

TEST(UpdateDownloadTest, TheWorkerFetchesTheFileIntoTheCacheAndPostsItsEnd)
{
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    std::string path = FreshPath("pad_keystrider.xml");
    server.Serve(path, kPadText);
    NotifyWindow window;
    UpdateThreadParam block;
    block.m_hNotifyWnd = window.m_hWnd;
    block.m_strURL = server.Url(path).c_str();

    Download(block, window);

    ASSERT_FALSE(block.m_strCacheFile.IsEmpty());
    EXPECT_EQ(kPadText, FileText(block.m_strCacheFile));
    EXPECT_EQ(1, window.m_nDownloadedCount);
    EXPECT_EQ(1, server.RequestCount(path));
    // Progress came as sent messages, every status code within 1 to 34.
    ASSERT_FALSE(window.m_statusCodes.empty());
    for (ULONG code : window.m_statusCodes)
    {
        EXPECT_GE(code, 1u);
        EXPECT_LE(code, 34u);
    }
    EXPECT_EQ(0, window.m_nCancelReports);
}

// Wine's URL service delivers a 404 page as a successful download; neither it nor any other page
// without a version may take the place of the update file.
TEST(UpdateDownloadTest, AMissingFileAnErrorPageOrAClosedPortLeavesAnEmptyName)
{
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    UpdateThreadParam block;
    block.m_strCacheFile = L"left from the last download";
    DownloadFrom(block, server.Url(FreshPath("missing.xml")));
    EXPECT_TRUE(block.m_strCacheFile.IsEmpty());

    std::string path = FreshPath("moved.xml");
    server.Serve(path, "<html><head><title>Moved</title></head><body>Gone</body></html>");
    DownloadFrom(block, server.Url(path));
    EXPECT_TRUE(block.m_strCacheFile.IsEmpty());

    NotifyWindow window2;
    block.m_hNotifyWnd = window2.m_hWnd;
    block.m_strURL.Format(L"http://127.0.0.1:%u/downloads/pad_keystrider.xml", ClosedLoopbackPort());
    Download(block, window2);
    EXPECT_TRUE(block.m_strCacheFile.IsEmpty());
    EXPECT_EQ(1, window2.m_nDownloadedCount);
}

// The worker reads the download as the frame will: a description with a namespace prefix counts (the
// DOM gives its elements their local names); one beyond the size bound does not.
TEST(UpdateDownloadTest, TheWorkerKeepsANamespacedDescriptionAndRefusesAnOversizedOne)
{
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    std::string path = FreshPath("pad_keystrider.xml");
    const char kNamespaced[] = "<?xml version=\"1.0\"?><p:XML_DIZ_INFO xmlns:p=\"urn:pad\"><p:Program_Info>"
                               "<p:Program_Version>1.7</p:Program_Version></p:Program_Info></p:XML_DIZ_INFO>";
    server.Serve(path, kNamespaced);
    UpdateThreadParam block;
    DownloadFrom(block, server.Url(path));
    ASSERT_FALSE(block.m_strCacheFile.IsEmpty());
    EXPECT_EQ(kNamespaced, FileText(block.m_strCacheFile));

    std::string big = FreshPath("pad_keystrider.xml");
    std::string text = kPadText;
    text.insert(text.find("</XML_DIZ_INFO>"), std::string(static_cast<size_t>(kMaxPadFileBytes), ' '));
    server.Serve(big, text);
    DownloadFrom(block, server.Url(big));
    EXPECT_TRUE(block.m_strCacheFile.IsEmpty());
    EXPECT_EQ(1, server.RequestCount(big));
}

// The check runs on the worker, where a message box would have no owner and would hold the worker up
// (and with it the frame's closing and every later check): a downloaded file that exists but cannot be
// opened is refused without one.
TEST(UpdateDownloadTest, TheWorkersCheckRefusesAFileItCannotOpenWithoutAMessageBox)
{
    TempFolder dir;
    CString strPath = dir.File(L"pad_keystrider.xml");
    WriteBytes(strPath, kPadText);
    HANDLE hHeld = CreateFileW(strPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    MessageBoxRecorder boxes;
    BOOL bHolds = TRUE;
    std::thread worker([&] { bHolds = HoldsUpdateDescription(strPath); });
    worker.join();
    CloseHandle(hHeld);
    EXPECT_FALSE(bHolds);
    EXPECT_EQ(L"", MessageBoxRecorder::Texts());
    EXPECT_TRUE(HoldsUpdateDescription(strPath)); // the same file, no longer held
}

TEST(UpdateDownloadTest, ASignalledCancelEventAbortsTheDownload)
{
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    std::string path = FreshPath("pad_keystrider.xml");
    server.Serve(path, kPadText);
    NotifyWindow window;
    HANDLE hCancel = CreateEventW(nullptr, FALSE, TRUE, nullptr);
    UpdateThreadParam block;
    block.m_hNotifyWnd = window.m_hWnd;
    block.m_hCancelEvent = hCancel;
    block.m_strURL = server.Url(path).c_str();

    Download(block, window);

    EXPECT_TRUE(block.m_strCacheFile.IsEmpty());
    EXPECT_EQ(1, window.m_nCancelReports);

    CloseHandle(hCancel);
}

// Closing the window stops waiting for a download stuck in connecting, and the frame with its block and
// its event goes away: once the cancel is given, the worker leaves the block alone whenever it ends.
TEST(UpdateDownloadTest, AfterACancelTheWorkerLeavesTheBlockAlone)
{
    LoopbackServer server;
    ASSERT_NE(0, server.Port());
    std::string path = FreshPath("pad_keystrider.xml");
    server.Serve(path, kPadText);
    server.Hold(path);
    NotifyWindow window;
    HANDLE hCancel = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    UpdateThreadParam block;
    block.m_hNotifyWnd = window.m_hWnd;
    block.m_hCancelEvent = hCancel;
    block.m_strURL = server.Url(path).c_str();
    std::thread worker(UpdateCheckThreadProc, &block);
    for (DWORD dwStart = GetTickCount(); server.RequestCount(path) == 0 && GetTickCount() - dwStart < 10000;)
        Sleep(10);
    EXPECT_EQ(1, server.RequestCount(path));

    SetEvent(hCancel);
    CloseHandle(hCancel);
    block.m_strCacheFile = L"no longer the worker's"; // stands for the frame's freed memory
    server.Release();
    EXPECT_TRUE(window.WaitForDownloaded());
    worker.join();
    EXPECT_EQ(CString(L"no longer the worker's"), block.m_strCacheFile);
}

TEST(UpdateDownloadTest, TheCallbackAnswersItsTwoInterfacesAndNeverDestroysItself)
{
    CBSCallbackImpl callback(nullptr, nullptr);
    const IID kIidBindStatusCallback = {
        0x79EAC9C1, 0xBAF9, 0x11CE, {0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B}};
    void* pInterface = reinterpret_cast<void*>(1);
    EXPECT_EQ(S_OK, callback.QueryInterface(kIidBindStatusCallback, &pInterface));
    EXPECT_EQ(static_cast<IBindStatusCallback*>(&callback), pInterface);
    EXPECT_EQ(S_OK, callback.QueryInterface(IID_IUnknown, &pInterface));
    EXPECT_EQ(E_NOINTERFACE, callback.QueryInterface(IID_IStream, &pInterface));
    EXPECT_EQ(nullptr, pInterface);
    // Two references taken above, on top of the one from construction.
    EXPECT_EQ(2u, callback.Release());
    EXPECT_EQ(1u, callback.Release());
    EXPECT_EQ(0u, callback.Release());
    EXPECT_EQ(1u, callback.AddRef());
    LONG nPriority = 0;
    EXPECT_EQ(E_NOTIMPL, callback.GetPriority(&nPriority));
}

TEST(UpdateDownloadTest, StatusCodesOutsideOneTo33ReachTheWindowAs34)
{
    NotifyWindow window;
    CBSCallbackImpl callback(window.m_hWnd, nullptr);
    EXPECT_EQ(S_OK, callback.OnProgress(0, 0, 0, nullptr));
    EXPECT_EQ(S_OK, callback.OnProgress(1, 2, 35, L"text"));
    EXPECT_EQ(S_OK, callback.OnProgress(1, 2, 33, nullptr));
    EXPECT_EQ(S_OK, callback.OnProgress(1, 2, 1, nullptr));
    EXPECT_EQ((std::vector<ULONG>{34, 34, 33, 1}), window.m_statusCodes);
}

// A server that sends more than an update file can hold (perhaps without end) is cut off at the first
// report of data beyond the bound, as a cancel would; data up to it passes.
TEST(UpdateDownloadTest, DataBeyondTheSizeBoundAbortsTheDownload)
{
    NotifyWindow window;
    CBSCallbackImpl callback(window.m_hWnd, nullptr);
    const ULONG nBound = static_cast<ULONG>(kMaxPadFileBytes);
    EXPECT_EQ(S_OK, callback.OnProgress(nBound, 0, BINDSTATUS_DOWNLOADINGDATA, nullptr));
    EXPECT_EQ(S_OK, callback.OnProgress(nBound + 1, 0, BINDSTATUS_CONNECTING, nullptr));
    EXPECT_EQ(0, window.m_nCancelReports);
    for (ULONG code : {BINDSTATUS_BEGINDOWNLOADDATA, BINDSTATUS_DOWNLOADINGDATA, BINDSTATUS_ENDDOWNLOADDATA})
        EXPECT_EQ(E_ABORT, callback.OnProgress(nBound + 1, 0, code, nullptr)) << code;
    EXPECT_EQ(3, window.m_nCancelReports);
}

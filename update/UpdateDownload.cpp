// The update worker: downloads the update-description file into the internet cache.
#include "update/UpdateDownload.h"

#include "update/BSCallback.h"
#include "update/PadFile.h"

#include <objbase.h>
#include <urlmon.h>

namespace
{
// The size of the cache-file buffer the service writes into, terminator included.
const int kCacheFileChars = 260;
} // namespace

UINT __cdecl UpdateCheckThreadProc(LPVOID pParam)
{
    UpdateThreadParam* pBlock = static_cast<UpdateThreadParam*>(pParam);
    // Closing the window cancels a running download but waits for it only so long: a download stuck
    // in connecting can end after the frame, and this block with it, is gone. So the worker works on
    // its own copies and its own handle of the cancel event, and writes into the block only when no
    // cancel came.
    HWND hNotifyWnd = pBlock->m_hNotifyWnd;
    HANDLE hCancel = nullptr;
    if (pBlock->m_hCancelEvent != nullptr &&
        !DuplicateHandle(GetCurrentProcess(), pBlock->m_hCancelEvent, GetCurrentProcess(), &hCancel, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        hCancel = nullptr;
    const CString strURL = pBlock->m_strURL;
    CBSCallbackImpl callback(hNotifyWnd, hCancel);

    wchar_t szCacheFile[kCacheFileChars] = {};
    HRESULT hr = URLDownloadToCacheFileW(nullptr, strURL, szCacheFile, kCacheFileChars, 0, &callback);
    // The name is read up to its terminator, never past the buffer.
    szCacheFile[kCacheFileChars - 1] = L'\0';
    CString strCacheFile = SUCCEEDED(hr) ? CString(szCacheFile) : CString();
    // The URL service can hand a server's error page ("404 Not Found") back as a successful download;
    // neither such a page nor anything else without a version may replace the update file of the last
    // good download. COM only for this check, so that it reads the file as the frame will.
    if (!strCacheFile.IsEmpty())
    {
        HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (!HoldsUpdateDescription(strCacheFile))
            strCacheFile.Empty();
        if (SUCCEEDED(hrCom))
            CoUninitialize();
    }

    bool bCancelled =
        callback.IsCancelled() || (hCancel != nullptr && WaitForSingleObject(hCancel, 0) == WAIT_OBJECT_0);
    if (hCancel != nullptr)
        CloseHandle(hCancel);
    if (!bCancelled)
        pBlock->m_strCacheFile = strCacheFile;
    PostMessageW(hNotifyWnd, WM_UPDATE_DOWNLOADED, 0, 0);
    return 0;
}

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
    CBSCallbackImpl callback(pBlock->m_hNotifyWnd, pBlock->m_hCancelEvent);

    wchar_t* pszCacheFile = pBlock->m_strCacheFile.GetBuffer(kCacheFileChars);
    pszCacheFile[0] = L'\0';
    HRESULT hr =
        URLDownloadToCacheFileW(nullptr, pBlock->m_strURL, pszCacheFile, kCacheFileChars, 0, &callback);
    // The name is read up to its terminator, never past the buffer.
    if (SUCCEEDED(hr))
        pBlock->m_strCacheFile.ReleaseBuffer();
    else
        pBlock->m_strCacheFile.ReleaseBuffer(0);
    // The URL service can hand a server's error page ("404 Not Found") back as a successful download;
    // neither such a page nor anything else without a version may replace the update file of the last
    // good download. COM only for this check, so that it reads the file as the frame will.
    if (!pBlock->m_strCacheFile.IsEmpty())
    {
        HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (!HoldsUpdateDescription(pBlock->m_strCacheFile))
            pBlock->m_strCacheFile.Empty();
        if (SUCCEEDED(hrCom))
            CoUninitialize();
    }

    PostMessageW(pBlock->m_hNotifyWnd, WM_UPDATE_DOWNLOADED, 0, 0);
    return 0;
}

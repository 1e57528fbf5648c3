// The update worker: downloads the update-description file into the internet cache.
#include "update/UpdateDownload.h"

#include "update/BSCallback.h"

#include "engine/TextFile.h"
#include "update/XML.h"

#include <urlmon.h>

namespace
{
// Whether the downloaded file describes a program version. The URL service can hand a server's error
// page ("404 Not Found") back as a successful download; such a page must not replace the update file
// of the last good download. Read with the tolerant parser alone: this thread has no COM apartment.
bool HoldsUpdateDescription(const wchar_t* pszPath)
{
    CTextFile file;
    if (!file.Open(pszPath, TEXT_MODE_READ))
        return false;
    CXML xml;
    if (!xml.ParseDocument(&file, nullptr))
        return false;
    CString strVersion;
    xml.GetChildValue(L"Program_Version", strVersion);
    return !strVersion.Trim().IsEmpty();
}

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
    if (!pBlock->m_strCacheFile.IsEmpty() && !HoldsUpdateDescription(pBlock->m_strCacheFile))
        pBlock->m_strCacheFile.Empty();

    PostMessageW(pBlock->m_hNotifyWnd, WM_UPDATE_DOWNLOADED, 0, 0);
    return 0;
}

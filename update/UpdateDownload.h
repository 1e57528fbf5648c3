// The update download's shared pieces: its two frame messages, the worker's parameter block, the
// progress record and the worker's entry.
#pragma once

#include "framework/core/CString.h"

#include <windows.h>

// Worker to frame, posted when the download has ended (successfully or not); both parameters 0.
#define WM_UPDATE_DOWNLOADED (WM_USER + 11)
// Binding callback to frame, sent (the worker waits): lParam is a BindProgressInfo*, or 0 while the
// download is being cancelled. No window handles it; the default window procedure answers 0.
#define WM_UPDATE_PROGRESS (WM_USER + 12)

// The worker's parameter block, a member of the frame and reused by every download. The frame writes
// it before the worker starts (the worker is created suspended); the worker writes only
// m_strCacheFile, which the frame reads after the worker has ended. No lock is needed.
struct UpdateThreadParam
{
    HWND m_hNotifyWnd = nullptr;
    HANDLE m_hCancelEvent = nullptr;
    CString m_strURL;
    CString m_strCacheFile; // the downloaded file in the internet cache; empty when the download failed
};

// What WM_UPDATE_PROGRESS points to; lives on the worker's stack only while the message is sent.
struct BindProgressInfo
{
    ULONG ulProgress;
    ULONG ulProgressMax;
    ULONG ulStatusCode;           // 1 to 34: codes the service does not define arrive as 34
    const wchar_t* pszStatusText; // the service's text, may be null
};

// The worker's entry (pParam: an UpdateThreadParam*): downloads the block's address into the internet
// cache, stores the cache file's name in the block and posts WM_UPDATE_DOWNLOADED. Returns 0.
UINT __cdecl UpdateCheckThreadProc(LPVOID pParam);

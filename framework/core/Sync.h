// CEvent: a Win32 event object (auto- or manual-reset) owned by its C++ object.
#pragma once

#include <windows.h>

class CEvent
{
public:
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, const wchar_t* lpszName = nullptr,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);
    ~CEvent();
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    HANDLE m_hObject = nullptr; // null when the system refused the event

    operator HANDLE() const { return m_hObject; }
    BOOL SetEvent();
    BOOL ResetEvent();
    // Waits until signalled (or the timeout); TRUE when it was.
    BOOL Lock(DWORD dwTimeout = INFINITE);
    BOOL Unlock() { return TRUE; }
};

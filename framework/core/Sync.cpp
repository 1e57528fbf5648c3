// CEvent.
#include "framework/core/Sync.h"

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, const wchar_t* lpszName,
               LPSECURITY_ATTRIBUTES lpsaAttribute)
    : m_hObject(::CreateEventW(lpsaAttribute, bManualReset, bInitiallyOwn, lpszName))
{
}

CEvent::~CEvent()
{
    if (m_hObject != nullptr)
        ::CloseHandle(m_hObject);
}

BOOL CEvent::SetEvent()
{
    return m_hObject != nullptr && ::SetEvent(m_hObject);
}

BOOL CEvent::ResetEvent()
{
    return m_hObject != nullptr && ::ResetEvent(m_hObject);
}

BOOL CEvent::Lock(DWORD dwTimeout)
{
    return m_hObject != nullptr && ::WaitForSingleObject(m_hObject, dwTimeout) == WAIT_OBJECT_0;
}

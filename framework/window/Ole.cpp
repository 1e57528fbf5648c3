// AfxOleInit.
#include "framework/window/Ole.h"
#include "framework/window/WinApp.h"

#include <ole2.h>

BOOL AfxOleInit()
{
    const HRESULT hr = ::OleInitialize(nullptr);
    if (FAILED(hr))
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && !pApp->m_bOleInitialized)
        pApp->m_bOleInitialized = TRUE;
    else
        ::OleUninitialize(); // already initialised by the application: keep one reference
    return TRUE;
}

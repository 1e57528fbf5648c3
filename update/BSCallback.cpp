// CBSCallbackImpl: progress reports to the frame, and the cancel and size tests on every report.
#include "update/BSCallback.h"

#include "update/PadFile.h"
#include "update/UpdateDownload.h"

CBSCallbackImpl::CBSCallbackImpl(HWND hNotifyWnd, HANDLE hCancelEvent)
    : m_hNotifyWnd(hNotifyWnd), m_hCancelEvent(hCancelEvent)
{
}

STDMETHODIMP CBSCallbackImpl::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback))
    {
        *ppvObject = static_cast<IBindStatusCallback*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CBSCallbackImpl::AddRef()
{
    return ++m_nRefCount;
}

// The object lives on the worker's stack: the count is kept for the service, never acted on.
STDMETHODIMP_(ULONG) CBSCallbackImpl::Release()
{
    return --m_nRefCount;
}

STDMETHODIMP CBSCallbackImpl::OnStartBinding(DWORD /*dwReserved*/, IBinding* /*pBinding*/)
{
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::GetPriority(LONG* /*pnPriority*/)
{
    return E_NOTIMPL;
}

STDMETHODIMP CBSCallbackImpl::OnLowResource(DWORD /*dwReserved*/)
{
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG ulStatusCode,
                                         LPCWSTR pszStatusText)
{
    if (ulStatusCode == 0 || ulStatusCode > 33)
        ulStatusCode = 34;
    if (m_hNotifyWnd != nullptr)
    {
        BindProgressInfo info = {ulProgress, ulProgressMax, ulStatusCode, pszStatusText};
        SendMessageW(m_hNotifyWnd, WM_UPDATE_PROGRESS, 0, reinterpret_cast<LPARAM>(&info));
    }
    // Data beyond the update file's size bound is no update description (a hostile or broken server
    // could send without end): the download is aborted as a cancel is.
    bool bTooLarge = ulStatusCode >= BINDSTATUS_BEGINDOWNLOADDATA &&
                     ulStatusCode <= BINDSTATUS_ENDDOWNLOADDATA && ulProgress > kMaxPadFileBytes;
    bool bSignalled = m_hCancelEvent != nullptr && WaitForSingleObject(m_hCancelEvent, 0) == WAIT_OBJECT_0;
    if (bSignalled)
        m_bCancelled = true;
    if (bTooLarge || bSignalled)
    {
        if (m_hNotifyWnd != nullptr)
            SendMessageW(m_hNotifyWnd, WM_UPDATE_PROGRESS, 0, 0);
        return E_ABORT;
    }
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnStopBinding(HRESULT /*hresult*/, LPCWSTR /*pszError*/)
{
    return S_OK;
}

// Fills in nothing: the service's defaults apply.
STDMETHODIMP CBSCallbackImpl::GetBindInfo(DWORD* /*pgrfBINDF*/, BINDINFO* /*pBindInfo*/)
{
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnDataAvailable(DWORD /*grfBSCF*/, DWORD /*dwSize*/, FORMATETC* /*pFormatEtc*/,
                                              STGMEDIUM* /*pStgMed*/)
{
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnObjectAvailable(REFIID /*riid*/, IUnknown* /*pUnknown*/)
{
    return S_OK;
}

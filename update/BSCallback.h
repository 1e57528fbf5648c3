// CBSCallbackImpl: the download's binding-status callback: forwards progress to the frame and aborts
// the download once the cancel event is signalled or the data passes the update file's size bound.
#pragma once

#include <windows.h>
#include <urlmon.h>

// Lives on the worker's stack for one download; its reference count never deletes it.
class CBSCallbackImpl : public IBindStatusCallback
{
public:
    // Either handle may be null: no progress messages, or no cancelling.
    CBSCallbackImpl(HWND hNotifyWnd, HANDLE hCancelEvent);

    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP OnStartBinding(DWORD dwReserved, IBinding* pBinding) override;
    STDMETHODIMP GetPriority(LONG* pnPriority) override;
    STDMETHODIMP OnLowResource(DWORD dwReserved) override;
    STDMETHODIMP OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG ulStatusCode,
                            LPCWSTR pszStatusText) override;
    STDMETHODIMP OnStopBinding(HRESULT hresult, LPCWSTR pszError) override;
    STDMETHODIMP GetBindInfo(DWORD* pgrfBINDF, BINDINFO* pBindInfo) override;
    STDMETHODIMP OnDataAvailable(DWORD grfBSCF, DWORD dwSize, FORMATETC* pFormatEtc,
                                 STGMEDIUM* pStgMed) override;
    STDMETHODIMP OnObjectAvailable(REFIID riid, IUnknown* pUnknown) override;

    // Whether a report found the cancel event signalled (and so aborted the download).
    bool IsCancelled() const { return m_bCancelled; }

private:
    ULONG m_nRefCount = 1;
    HWND m_hNotifyWnd;
    HANDLE m_hCancelEvent;
    bool m_bCancelled = false;
};

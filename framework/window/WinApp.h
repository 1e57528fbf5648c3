// CWinApp: the application object (one per process): its instance, command line, show command and
// title, its start routine (AfxWinMain calls InitInstance, then the message loop).
#pragma once

#include "framework/core/CString.h"
#include "framework/window/WinThread.h"

#include <vector>

class CCommandLineInfo;
class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    ~CWinApp() override;

    const wchar_t* m_pszAppName = nullptr; // the application's title (message-box caption)
    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";
    int m_nCmdShow = SW_SHOWNORMAL;

    const wchar_t* m_pszRegistryKey = nullptr; // company key under HKCU\Software; null: no profile
    const wchar_t* m_pszProfileName = nullptr; // the application's key under the company key

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;

    // Sets the title and makes it the caption of every message box.
    void SetAppName(const wchar_t* lpszAppName);

    // --- documents and start-up ---
    // The application owns its templates from here on.
    void AddDocTemplate(CDocTemplate* pTemplate);
    const std::vector<CDocTemplate*>& GetDocTemplates() const { return m_templates; }
    virtual CDocument* OpenDocumentFile(const wchar_t* lpszFileName);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Carries out what the command line asks (a new document by default); FALSE ends the start.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void OnFileNew();
    void OnFileOpen();

    // --- the application's registry profile: HKCU\Software\<company>\<application>\<section> ---
    void SetRegistryKey(const wchar_t* lpszRegistryKey);
    UINT GetProfileInt(const wchar_t* lpszSection, const wchar_t* lpszEntry, int nDefault);
    BOOL WriteProfileInt(const wchar_t* lpszSection, const wchar_t* lpszEntry, int nValue);
    BOOL GetProfileBinary(const wchar_t* lpszSection, const wchar_t* lpszEntry, void* pData, UINT nBytes);
    BOOL WriteProfileBinary(const wchar_t* lpszSection, const wchar_t* lpszEntry, const void* pData,
                            UINT nBytes);
    // Deletes the application's key with everything under it, then the company key when it is empty.
    virtual BOOL Unregister();

    // Remembers that OLE was initialised here, so that the end of the application uninitialises it.
    BOOL m_bOleInitialized = FALSE;

private:
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    std::vector<CDocTemplate*> m_templates;
};

CWinApp* AfxGetApp();
// The main window of the calling thread (of the application when the thread has none).
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// The start routine the program's wWinMain calls: sets up the application object, runs InitInstance
// and then the message loop; returns the process's exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

// The calls the application object makes on its document templates: open (path) or create (null) a
// document, and free a template. The document layer, above this one, registers them from
// CDocTemplate's constructor, so the application object keeps templates without knowing their class.
struct AfxDocTemplateCalls
{
    CDocument* (*pfnOpenDocumentFile)(CDocTemplate* pTemplate, const wchar_t* lpszPathName);
    void (*pfnDelete)(CDocTemplate* pTemplate);
};
void AfxSetDocTemplateCalls(const AfxDocTemplateCalls& calls);
const AfxDocTemplateCalls& AfxGetDocTemplateCalls();

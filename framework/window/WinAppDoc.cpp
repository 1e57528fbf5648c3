// CWinApp: document templates, the command line and the shell command that opens the first document.
#include "framework/window/CommandLineInfo.h"
#include "framework/window/WinApp.h"
#include "framework/window/AfxRes.h"
#include "framework/window/Wnd.h"

#include <commdlg.h>
#include <shellapi.h>

namespace
{
AfxDocTemplateCalls g_docTemplateCalls = {nullptr, nullptr};
} // namespace

void AfxSetDocTemplateCalls(const AfxDocTemplateCalls& calls)
{
    g_docTemplateCalls = calls;
}

const AfxDocTemplateCalls& AfxGetDocTemplateCalls()
{
    return g_docTemplateCalls;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate != nullptr)
        m_templates.push_back(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const wchar_t* lpszFileName)
{
    return m_templates.empty() ? nullptr
                              : g_docTemplateCalls.pfnOpenDocumentFile(m_templates.front(), lpszFileName);
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        g_docTemplateCalls.pfnOpenDocumentFile(m_templates.front(), nullptr);
}

void CWinApp::OnFileOpen()
{
    wchar_t szFile[MAX_PATH] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    ofn.lpstrFilter = L"All Files (*.*)\0*.*\0";
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetOpenFileNameW(&ofn))
        OpenDocumentFile(szFile);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr)
        return;
    for (int i = 1; i < argc; ++i)
    {
        const wchar_t* pszParam = argv[i];
        const BOOL bFlag = pszParam[0] == L'-' || pszParam[0] == L'/';
        if (bFlag)
            ++pszParam;
        rCmdInfo.ParseParam(pszParam, bFlag, i == argc - 1);
    }
    ::LocalFree(argv);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        // The application's own ID_FILE_NEW handler when it maps one, else the default.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::AppUnregister:
        Unregister();
        return FALSE;
    case CCommandLineInfo::FileNothing:
    default:
        return TRUE;
    }
}

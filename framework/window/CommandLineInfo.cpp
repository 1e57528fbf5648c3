// CCommandLineInfo: the standard flags and the file parameter.
#include "framework/window/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
    {
        // Unknown flags are ignored: the program defines none of its own.
        if (::lstrcmpiW(pszParam, L"Unregister") == 0 || ::lstrcmpiW(pszParam, L"Unregserver") == 0)
            m_nShellCommand = AppUnregister;
        return;
    }
    if (m_strFileName.IsEmpty() && m_nShellCommand == FileNew)
    {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}

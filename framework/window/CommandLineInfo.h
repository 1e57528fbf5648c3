// CCommandLineInfo: what the command line asks the application to do at start.
#pragma once

#include "framework/core/CString.h"

class CCommandLineInfo
{
public:
    enum ShellCommand
    {
        FileNew,
        FileOpen,
        FileNothing,
        AppUnregister
    };

    virtual ~CCommandLineInfo() = default;

    // One argument: a flag (after '/' or '-', without it) or a parameter; bLast for the last one.
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast);

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
};

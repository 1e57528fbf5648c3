// ChildProcess and the file helpers of tests that start helper programs.
#include "tests/support/ChildProcess.h"

#include <vector>

ChildProcess::~ChildProcess()
{
    Terminate();
}

bool ChildProcess::Start(const std::wstring& exePath, const std::wstring& args)
{
    Terminate();
    std::wstring commandLine = QuoteArg(exePath);
    if (!args.empty())
        commandLine += L" " + args;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    if (!CreateProcessW(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &m_pi))
    {
        m_pi = {};
        return false;
    }
    CloseHandle(m_pi.hThread);
    m_pi.hThread = nullptr;
    return true;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs)
{
    return m_pi.hProcess != nullptr && WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ChildProcess::IsRunning() const
{
    return m_pi.hProcess != nullptr && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

void ChildProcess::Terminate()
{
    if (m_pi.hProcess == nullptr)
        return;
    if (IsRunning())
    {
        TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hProcess);
    m_pi = {};
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_pi.hProcess != nullptr)
        GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

std::wstring TestBinPath(const wchar_t* fileName)
{
    wchar_t szModule[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szModule, MAX_PATH);
    szModule[MAX_PATH - 1] = 0;
    std::wstring path = szModule;
    size_t sep = path.find_last_of(L"\\/");
    path.erase(sep == std::wstring::npos ? 0 : sep + 1);
    return path + fileName;
}

std::wstring MakeTestTempFolder(const wchar_t* prefix)
{
    wchar_t szTemp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szTemp);
    szTemp[MAX_PATH - 1] = 0;
    std::wstring base = std::wstring(szTemp) + prefix + std::to_wstring(GetCurrentProcessId());
    for (int n = 0;; ++n)
    {
        std::wstring folder = base + L"_" + std::to_wstring(n);
        if (CreateDirectoryW(folder.c_str(), nullptr))
            return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS || n > 1000)
            return std::wstring();
    }
}

bool WaitForFile(const std::wstring& path, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

std::wstring QuoteArg(const std::wstring& arg)
{
    return L"\"" + arg + L"\"";
}

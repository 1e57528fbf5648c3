// ChildProcess: a helper program started by a test and always ended with it (terminated if still
// running when the object goes away), so that a failing test leaves no process behind.
#pragma once

#include <windows.h>

#include <string>

class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the program with the given arguments (appended to its quoted path). False when it cannot.
    bool Start(const std::wstring& exePath, const std::wstring& args);
    // Waits until the process has ended; false on time-out.
    bool WaitForExit(DWORD timeoutMs);
    bool IsRunning() const;
    // Ends the process now (if it still runs) and forgets it.
    void Terminate();

    DWORD Id() const { return m_pi.dwProcessId; }
    HANDLE Handle() const { return m_pi.hProcess; }
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION m_pi = {};
};

// The full path of a file in the folder of the running test executable (where the helpers are built).
std::wstring TestBinPath(const wchar_t* fileName);
// A new, empty folder under the temporary folder, named after the prefix and this process's id.
std::wstring MakeTestTempFolder(const wchar_t* prefix);
// Waits until the file exists; false on time-out.
bool WaitForFile(const std::wstring& path, DWORD timeoutMs);
// Quotes an argument for a command line (paths with spaces).
std::wstring QuoteArg(const std::wstring& arg);

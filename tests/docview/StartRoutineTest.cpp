// The start routine in a real process (frame_app_helper.exe): InitInstance, the single-document
// start-up and the message loop up to the main window's end, and the exit codes of failed starts.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
// Runs the helper beside this test with the arguments; its exit code, or -1 when it did not end.
int RunHelper(const std::wstring& args)
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH - 1);
    std::wstring exe(path);
    exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"frame_app_helper.exe";
    std::wstring command = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -2;
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    else
        ::TerminateProcess(pi.hProcess, 99);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}
} // namespace

TEST(StartRoutineTest, TheLoopRunsUntilTheMainFrameIsClosed)
{
    EXPECT_EQ(7, RunHelper(L""));
}

TEST(StartRoutineTest, FailedStartsEndThroughExitInstance)
{
    EXPECT_EQ(5, RunHelper(L"--fail-init"));
    EXPECT_EQ(6, RunHelper(L"/Unregister"));
}

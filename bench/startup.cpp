// Start-up benchmark: from process start to "hotkeys registered and message loop idle", for Keystrider.exe
// beside bench_startup_reference.exe (one window, one hotkey), run alternately under the same Wine.
// Usage: bench_startup.exe [rounds]   (both programs are taken from this executable's folder)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace
{
struct Program
{
    const wchar_t* pszName;
    UINT fsModifiers; // a hotkey the program registers at start: taken once it is registered
    UINT vk;
    std::vector<double> times;
};

std::wstring ThisFolder()
{
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool IsHotKeyTaken(UINT fsModifiers, UINT vk)
{
    if (!RegisterHotKey(nullptr, 0x7000, fsModifiers, vk))
        return true;
    UnregisterHotKey(nullptr, 0x7000);
    return false;
}

// Closes every top-level window of the process, then waits; terminates it when that does not end it.
BOOL CALLBACK CloseProcessWindows(HWND hWnd, LPARAM lParam)
{
    DWORD dwPid = 0;
    GetWindowThreadProcessId(hWnd, &dwPid);
    if (dwPid != static_cast<DWORD>(lParam))
        return TRUE;
    // Keystrider's main window may close to the tray: its own Exit command ends it.
    if (GetPropW(hWnd, L"Keystrider") != nullptr)
        PostMessageW(hWnd, WM_COMMAND, 32890, 0);
    else
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
    return TRUE;
}

// Milliseconds from CreateProcess to the program's hotkey registered with its loop idle; -1 when the
// hotkey did not come, -2 when the program could not be started.
double StartOnce(const std::wstring& folder, const Program& program)
{
    std::wstring commandLine = L"\"" + folder + program.pszName + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi))
        return -2.0;
    double ms = -1.0;
    if (WaitForInputIdle(pi.hProcess, 30000) == 0)
    {
        for (int i = 0; i < 30000; ++i)
        {
            if (IsHotKeyTaken(program.fsModifiers, program.vk))
            {
                QueryPerformanceCounter(&t1);
                ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
                     static_cast<double>(freq.QuadPart);
                break;
            }
            Sleep(1);
        }
    }
    EnumWindows(CloseProcessWindows, static_cast<LPARAM>(pi.dwProcessId));
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
    {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Let the hotkey go before the next start.
    for (int i = 0; i < 2000 && IsHotKeyTaken(program.fsModifiers, program.vk); ++i)
        Sleep(1);
    return ms;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    int nRounds = argc > 1 ? _wtoi(argv[1]) : 10;
    if (nRounds < 1)
        nRounds = 1;
    const std::wstring folder = ThisFolder();
    // Keystrider's default set registers Alt+Up ("Volume Up") first.
    Program programs[2] = {{L"Keystrider.exe", MOD_ALT, VK_UP, {}},
                           {L"bench_startup_reference.exe", MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F24, {}}};
    StartOnce(folder, programs[0]); // warm-up: the first start also creates the data folder
    StartOnce(folder, programs[1]);
    for (int round = 0; round < nRounds; ++round)
    {
        for (Program& program : programs)
        {
            double ms = StartOnce(folder, program);
            if (ms == -2.0)
                wprintf(L"%ls: cannot be started (round %d)\n", program.pszName, round + 1);
            else if (ms < 0)
                wprintf(L"%ls: no hotkey within 30 s (round %d)\n", program.pszName, round + 1);
            else
                program.times.push_back(ms);
        }
    }
    wprintf(L"start-up to hotkeys registered and loop idle, %d rounds, median (min..max) ms\n", nRounds);
    for (const Program& program : programs)
    {
        if (program.times.empty())
            continue;
        wprintf(L"  %-30ls %8.1f  (%.1f..%.1f)\n", program.pszName, Median(program.times),
                *std::min_element(program.times.begin(), program.times.end()),
                *std::max_element(program.times.begin(), program.times.end()));
    }
    if (!programs[0].times.empty() && !programs[1].times.empty())
        wprintf(L"  ratio Keystrider / reference: %.2fx\n",
                Median(programs[0].times) / Median(programs[1].times));
    return 0;
}

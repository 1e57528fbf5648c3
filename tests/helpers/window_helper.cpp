// window_helper: a small program with one top-level window, for tests that find, show, close, kill
// or start programs.
//
// Usage: window_helper.exe [--title TEXT] [--ignore-close] [--hidden] [--hang MS] [--marker FILE]
//                          [--lifetime MS]
//   --title TEXT    the window's title (default "Keystrider Test Window"); pass a distinctive one
//   --ignore-close  the window ignores WM_CLOSE, so only termination ends the program
//   --hidden        the window is created but never shown
//   --hang MS       once the window exists (and the marker is written) the program stops answering
//                   messages for MS milliseconds, like a hung application
//   --marker FILE   once the window exists, FILE is written (UTF-8): the process id on the first line,
//                   the full command line on the second. It appears complete or not at all, so a test
//                   can wait for it both to know the window is there and that the program was started
//                   (with which arguments).
//   --lifetime MS   the program ends by itself after MS milliseconds (default 120000; 0: never), so a
//                   helper that a test failed to end does not outlive the test run for long
// Unknown arguments are ignored (they still appear on the marker's command line).
// The window's class is "KeystriderTestWindow". Exit code 0 when the window was closed, 3 at the end of
// the lifetime, 1 when the window could not be created.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace
{
const wchar_t kClassName[] = L"KeystriderTestWindow";
const UINT_PTR kLifetimeTimer = 1;
const int kExitClosed = 0;
const int kExitCreateFailed = 1;
const int kExitLifetime = 3;

bool g_bIgnoreClose = false;
int g_nExitCode = kExitClosed;

LRESULT CALLBACK HelperWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CLOSE:
        if (g_bIgnoreClose)
            return 0;
        break;
    case WM_TIMER:
        if (wParam == kLifetimeTimer)
        {
            g_nExitCode = kExitLifetime;
            DestroyWindow(hWnd);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(g_nExitCode);
        return 0;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

// Writes the marker beside its final name, then moves it into place: readers never see half of it.
void WriteMarker(const std::wstring& path)
{
    std::wstring temp = path + L".tmp";
    FILE* f = nullptr;
    if (_wfopen_s(&f, temp.c_str(), L"wb") != 0 || f == nullptr)
        return;
    const wchar_t* pszCommandLine = GetCommandLineW();
    int cb = WideCharToMultiByte(CP_UTF8, 0, pszCommandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string commandLine(cb > 0 ? static_cast<size_t>(cb) : 1, '\0');
    if (cb > 0)
        WideCharToMultiByte(CP_UTF8, 0, pszCommandLine, -1, &commandLine[0], cb, nullptr, nullptr);
    fprintf(f, "%lu\n%s\n", GetCurrentProcessId(), commandLine.c_str());
    fclose(f);
    MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    std::wstring title = L"Keystrider Test Window";
    std::wstring marker;
    bool bHidden = false;
    DWORD dwHangMs = 0;
    DWORD dwLifetimeMs = 120000;

    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv != nullptr && i < argc; ++i)
    {
        std::wstring arg = argv[i];
        bool bHasValue = i + 1 < argc;
        if (arg == L"--title" && bHasValue)
            title = argv[++i];
        else if (arg == L"--marker" && bHasValue)
            marker = argv[++i];
        else if (arg == L"--hang" && bHasValue)
            dwHangMs = wcstoul(argv[++i], nullptr, 10);
        else if (arg == L"--lifetime" && bHasValue)
            dwLifetimeMs = wcstoul(argv[++i], nullptr, 10);
        else if (arg == L"--ignore-close")
            g_bIgnoreClose = true;
        else if (arg == L"--hidden")
            bHidden = true;
    }
    LocalFree(argv);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = HelperWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);

    HWND hWnd = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 320, 200, nullptr, nullptr, hInstance, nullptr);
    if (hWnd == nullptr)
        return kExitCreateFailed;
    if (!bHidden)
        ShowWindow(hWnd, SW_SHOWNORMAL);
    if (dwLifetimeMs != 0)
        SetTimer(hWnd, kLifetimeTimer, dwLifetimeMs, nullptr);
    if (!marker.empty())
        WriteMarker(marker);
    if (dwHangMs != 0)
        Sleep(dwHangMs);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

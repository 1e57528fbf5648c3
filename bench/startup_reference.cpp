// The start-up benchmark's yardstick: a minimal Win32 program built like Keystrider.exe that creates one
// window, registers one hotkey (Ctrl+Alt+Shift+F24) and runs its message loop until the window closes.
#include <windows.h>

namespace
{
LRESULT CALLBACK ReferenceWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_DESTROY)
    {
        UnregisterHotKey(hWnd, 0);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ReferenceWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"KeystriderStartupReference";
    if (!RegisterClassExW(&wc))
        return 1;
    HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"Startup reference", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 753, 570, nullptr, nullptr, hInstance, nullptr);
    if (hWnd == nullptr)
        return 1;
    ShowWindow(hWnd, nCmdShow);
    RegisterHotKey(hWnd, 0, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F24);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

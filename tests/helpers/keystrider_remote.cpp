// keystrider_remote: drives a running Keystrider from another process, as a user would: finds its
// main window by the window property "Keystrider", sends it commands and tray clicks, and presses
// key combinations with SendInput (which reaches the hotkeys registered by Keystrider).
//
// Usage: keystrider_remote.exe COMMAND [ARGS] [--wait MS]
//   find                 exit 0 when the main window exists
//   visible              exit 0 when it is visible, 2 when it exists but is hidden
//   command ID           posts WM_COMMAND ID (decimal or 0x hex) to the main window
//   tray MESSAGE         posts the tray icon's callback with the mouse message (515 double click)
//   keys VK[+VK...]      presses the keys in order and releases them in reverse order
//   drag X,Y,DX,DY       presses the left mouse button at screen point (X, Y), moves it by (DX, DY)
//                        in steps and releases it
//   click X,Y            clicks the left mouse button at screen point (X, Y)
//   dblclick X,Y         double-clicks it there
//   type TEXT            types the letters and digits of TEXT, one key after the other
//   --wait MS            waits up to MS milliseconds for the main window first (default 0)
// Exit codes: 0 done, 1 no main window, 2 hidden (for "visible"), 4 bad arguments.
#include "tests/support/KeystriderWindow.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace
{
const int kExitOk = 0;
const int kExitNoWindow = 1;
const int kExitHidden = 2;
const int kExitUsage = 4;
const UINT kTrayNotify = WM_USER + 1;

HWND WaitForMainWindow(DWORD waitMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        if (HWND hWnd = FindKeystriderWindow())
            return hWnd;
        if (::GetTickCount() - start >= waitMs)
            return nullptr;
        ::Sleep(50);
    }
}

bool ParseNumber(const wchar_t* text, unsigned long& value)
{
    if (text == nullptr || *text == 0)
        return false;
    wchar_t* end = nullptr;
    value = std::wcstoul(text, &end, 0);
    return end != nullptr && *end == 0;
}

bool ParseKeys(const wchar_t* text, std::vector<WORD>& keys)
{
    std::wstring rest = text != nullptr ? text : L"";
    while (!rest.empty())
    {
        const size_t plus = rest.find(L'+');
        const std::wstring part = rest.substr(0, plus);
        unsigned long vk = 0;
        if (!ParseNumber(part.c_str(), vk) || vk == 0 || vk > 0xFE)
            return false;
        keys.push_back(static_cast<WORD>(vk));
        rest = plus == std::wstring::npos ? L"" : rest.substr(plus + 1);
    }
    return !keys.empty();
}

// Reads "count" comma-separated numbers, nothing more.
bool ParsePoints(const wchar_t* text, long* values, int count)
{
    std::wstring rest = text != nullptr ? text : L"";
    for (int i = 0; i < count; ++i)
    {
        const size_t comma = rest.find(L',');
        if ((comma == std::wstring::npos) != (i == count - 1))
            return false;
        const std::wstring part = rest.substr(0, comma);
        wchar_t* end = nullptr;
        values[i] = std::wcstol(part.c_str(), &end, 10);
        if (part.empty() || end == nullptr || *end != 0)
            return false;
        rest = comma == std::wstring::npos ? L"" : rest.substr(comma + 1);
    }
    return true;
}

void SendMouse(DWORD flags, long x, long y)
{
    // Absolute coordinates are in 0..65535 over the primary screen.
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((x * 65535) / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = static_cast<LONG>((y * 65535) / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &in, sizeof(INPUT));
    ::Sleep(30);
}

void Drag(const long v[4])
{
    SendMouse(0, v[0], v[1]);
    SendMouse(MOUSEEVENTF_LEFTDOWN, v[0], v[1]);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i)
        SendMouse(0, v[0] + v[2] * i / steps, v[1] + v[3] * i / steps);
    SendMouse(MOUSEEVENTF_LEFTUP, v[0] + v[2], v[1] + v[3]);
}

void Click(const long v[2], int nTimes)
{
    SendMouse(0, v[0], v[1]);
    for (int i = 0; i < nTimes; ++i)
    {
        SendMouse(MOUSEEVENTF_LEFTDOWN, v[0], v[1]);
        SendMouse(MOUSEEVENTF_LEFTUP, v[0], v[1]);
    }
}

// Presses the keys in one go, holds them a moment and releases them in reverse order in one go. Held:
// a program that reads the asynchronous key state while it handles the last key down must still see
// the others down. In one go: under Wine a key state sent piecemeal can be synchronised with the X
// server's (where nothing is pressed) between two events, and a modifier is lost.
void PressKeys(const std::vector<WORD>& keys)
{
    const DWORD kHoldMs = 200;
    std::vector<INPUT> downs, ups;
    for (WORD vk : keys)
    {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        downs.push_back(in);
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        ups.insert(ups.begin(), in);
    }
    ::SendInput(static_cast<UINT>(downs.size()), downs.data(), sizeof(INPUT));
    ::Sleep(kHoldMs);
    ::SendInput(static_cast<UINT>(ups.size()), ups.data(), sizeof(INPUT));
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return kExitUsage;
    const std::wstring command = argv[1];
    const wchar_t* argument = nullptr;
    unsigned long waitMs = 0;
    for (int i = 2; i < argc; ++i)
    {
        if (std::wcscmp(argv[i], L"--wait") == 0 && i + 1 < argc)
        {
            if (!ParseNumber(argv[++i], waitMs))
                return kExitUsage;
        }
        else if (argument == nullptr)
        {
            argument = argv[i];
        }
    }

    if (command == L"keys")
    {
        std::vector<WORD> keys;
        if (!ParseKeys(argument, keys))
            return kExitUsage;
        PressKeys(keys);
        return kExitOk;
    }

    if (command == L"drag")
    {
        long values[4] = {};
        if (!ParsePoints(argument, values, 4))
            return kExitUsage;
        Drag(values);
        return kExitOk;
    }

    if (command == L"click" || command == L"dblclick")
    {
        long values[2] = {};
        if (!ParsePoints(argument, values, 2))
            return kExitUsage;
        Click(values, command == L"click" ? 1 : 2);
        return kExitOk;
    }

    if (command == L"type")
    {
        // Letters and digits have their upper-case character as virtual-key code.
        const std::wstring text = argument != nullptr ? argument : L"";
        for (wchar_t ch : text)
        {
            const wchar_t upper = static_cast<wchar_t>(std::towupper(ch));
            if (!((upper >= L'A' && upper <= L'Z') || (upper >= L'0' && upper <= L'9')))
                return kExitUsage;
        }
        for (wchar_t ch : text)
            PressKeys({static_cast<WORD>(std::towupper(ch))});
        return kExitOk;
    }

    HWND hWnd = WaitForMainWindow(waitMs);
    if (hWnd == nullptr)
        return kExitNoWindow;
    if (command == L"find")
        return kExitOk;
    if (command == L"visible")
        return ::IsWindowVisible(hWnd) ? kExitOk : kExitHidden;

    unsigned long value = 0;
    if (!ParseNumber(argument, value))
        return kExitUsage;
    if (command == L"command")
        return ::PostMessageW(hWnd, WM_COMMAND, value, 0) ? kExitOk : kExitNoWindow;
    if (command == L"tray")
        return ::PostMessageW(hWnd, kTrayNotify, 128, static_cast<LPARAM>(value)) ? kExitOk : kExitNoWindow;
    return kExitUsage;
}

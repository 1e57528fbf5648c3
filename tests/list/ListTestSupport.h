// Helpers of the shortcut-list tests: queue pumping, real key presses for the modifier state, and
// message-box and pop-up-menu answers.
#pragma once

#include <windows.h>

#include "tests/support/MessagePump.h"

#include <string>
#include <vector>

// Presses or releases a key through the system's input queue, so that GetAsyncKeyState sees it.
inline void InjectKey(WORD vk, bool bDown)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
}

// Holds modifier keys down for its lifetime (released in reverse order).
class HeldKeys
{
public:
    explicit HeldKeys(std::vector<WORD> keys) : m_keys(std::move(keys))
    {
        for (WORD vk : m_keys)
            InjectKey(vk, true);
        WaitFor(true);
    }
    ~HeldKeys()
    {
        for (auto it = m_keys.rbegin(); it != m_keys.rend(); ++it)
            InjectKey(*it, false);
        WaitFor(false);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    // Input reaches the key state asynchronously. The key messages it also produces are dropped: the
    // tests hand the list its key messages themselves.
    void WaitFor(bool bDown)
    {
        for (int i = 0; i < 200; ++i)
        {
            DropKeyMessages();
            bool bAll = true;
            for (WORD vk : m_keys)
                bAll = bAll && ((::GetAsyncKeyState(vk) < 0) == bDown);
            if (bAll)
                break;
            ::Sleep(5);
        }
        ::Sleep(20);
        DropKeyMessages();
    }
    static void DropKeyMessages()
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        {
        }
    }
    std::vector<WORD> m_keys;
};

// Message boxes: each is recorded and answered with the next queued answer (IDNO when none is left).
struct MessageBoxLog
{
    std::vector<std::wstring> texts;
    std::vector<UINT> types;
    std::vector<int> answers;
};
MessageBoxLog& MessageBoxes();
void InstallMessageBoxAnswers();

// The default shortcut set (g_DefaultShortCuts), used at first start and by "Reset to Default".
#include "engine/DefaultShortCuts.h"

// The last four have no key: they run from the list or receive a key later.
const DefaultShortCutEntry g_DefaultShortCuts[DEFAULT_SHORTCUT_COUNT] = {
    {0, L"Volume Up", L"Volume Up", L"Alt + Up"},
    {1, L"Volume Down", L"Volume Down", L"Alt + Down"},
    {2, L"Mute", L"Mute", L"Alt + End"},
    {3, L"Restart", L"Restart Force", L"Alt + ScrollLock"},
    {4, L"Shut Down", L"ShutDown Force", L"Alt + Pause"},
    {5, L"IE", L"\"iexplore\"", L"Win + A"},
    {6, L"Google", L"www.google.com", L"Alt + G"},
    {7, L"Run Keystrider", L"Run", L""},
    {8, L"Stop Keystrider", L"Stop", L""},
    {9, L"Show Keystrider", L"Show", L""},
    {10, L"Exit Keystrider", L"Exit", L""},
};

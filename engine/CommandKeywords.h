// The command executor's keyword table and its volume arithmetic.
#pragma once

#include <windows.h>

// The built-in commands by their first word; anything else is opened through the shell.
enum CommandKeyword
{
    COMMAND_OPEN = 0,
    COMMAND_VOLUME,
    COMMAND_MUTE,
    COMMAND_SHUTDOWN,
    COMMAND_RESTART,
    COMMAND_SHOW,
    COMMAND_RUN,
    COMMAND_STOP,
    COMMAND_EXIT,
    COMMAND_TOGGLE,
    COMMAND_CLOSE,
};

// The keyword of a first word (whole word, ignoring case).
CommandKeyword FindCommandKeyword(const wchar_t* pszFirstWord);

// The ExitWindowsEx flags of ShutDown and Restart: EWX_FORCE is added when the rest is "Force".
UINT ShutdownFlagsOf(CommandKeyword keyword, const wchar_t* pszRest);

// Volume and Mute: reads the master volume and mute state (a failed read counts as 0 and not muted),
// toggles the mute, or moves the level by 5 within 0..100 for "Up" and "Down", and writes it back.
// Gives the level (0..100) and mute state that the pop-up shows.
void ChangeMasterVolume(CommandKeyword keyword, const wchar_t* pszRest, BOOL bCoreAudio, int* pnLevel,
                        BOOL* pbMute);

// The settings table (g_SettingTable): the twelve named settings, their types, keys and defaults.
#pragma once

#include <windows.h>

// Setting types; the numbers are part of the interface.
enum : UINT
{
    SETTING_TYPE_FLAG = 1,   // signed 32-bit, any non-zero value means on, stored as given
    SETTING_TYPE_TEXT = 4,   // text (TimeCheckPadFile through its text form, GenSoundAddress)
    SETTING_TYPE_NUMBER = 5, // signed 32-bit
};

// Setting keys: the row numbers of the table, and the order of the "General" section.
enum : UINT
{
    SETTING_GENERAL_LAUNCH_START = 1,
    SETTING_GENERAL_HIDE_TO_TRAY = 2,
    SETTING_GENERAL_CLOSE_TO_TRAY = 3,
    SETTING_INFO_TRANSPARENT = 4,
    SETTING_INFO_TIME = 5,
    SETTING_CHECK_NEW_VERSION = 6,
    SETTING_TIME_CHECK_PAD_FILE = 7,
    SETTING_STRIKE_ON_HOUR = 8,
    SETTING_PROMPT_NAME_SHORTCUT = 9,
    SETTING_GEN_PLAY_SOUND = 10,
    SETTING_GEN_ASSIGN_A_SOUND = 11,
    SETTING_GEN_SOUND_ADDRESS = 12,
};

struct SettingEntry
{
    ULONGLONG nKey;
    const wchar_t* pszName;
    ULONGLONG nType;
    ULONGLONG nDefault;        // flags and numbers
    const wchar_t* pszDefault; // texts
};

const size_t SETTING_COUNT = 12;
extern const SettingEntry g_SettingTable[SETTING_COUNT];

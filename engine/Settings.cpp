// The settings table (g_SettingTable): the twelve named settings, their types, keys and defaults.
#include "engine/Settings.h"

const SettingEntry g_SettingTable[SETTING_COUNT] = {
    {SETTING_GENERAL_LAUNCH_START, L"GeneralLaunchStart", SETTING_TYPE_FLAG, 1, nullptr},
    {SETTING_GENERAL_HIDE_TO_TRAY, L"GeneralHideToTray", SETTING_TYPE_FLAG, 1, nullptr},
    {SETTING_GENERAL_CLOSE_TO_TRAY, L"GeneralCloseToTray", SETTING_TYPE_FLAG, 1, nullptr},
    {SETTING_INFO_TRANSPARENT, L"InfoTransparent", SETTING_TYPE_NUMBER, 80, nullptr},
    {SETTING_INFO_TIME, L"InfoTime", SETTING_TYPE_NUMBER, 3000, nullptr},
    {SETTING_CHECK_NEW_VERSION, L"CheckNewVersion", SETTING_TYPE_NUMBER, 2, nullptr},
    {SETTING_TIME_CHECK_PAD_FILE, L"TimeCheckPadFile", SETTING_TYPE_TEXT, 0, L"2000,1,1,1,1"},
    {SETTING_STRIKE_ON_HOUR, L"StrikeOnHour", SETTING_TYPE_FLAG, 0, nullptr},
    {SETTING_PROMPT_NAME_SHORTCUT, L"PromptNameShortcut", SETTING_TYPE_FLAG, 1, nullptr},
    {SETTING_GEN_PLAY_SOUND, L"GenPlaySound", SETTING_TYPE_FLAG, 1, nullptr},
    {SETTING_GEN_ASSIGN_A_SOUND, L"GenAssignASound", SETTING_TYPE_FLAG, 0, nullptr},
    {SETTING_GEN_SOUND_ADDRESS, L"GenSoundAddress", SETTING_TYPE_TEXT, 0, L"tick.wav"},
};

// CShortCutConfig: the store of the shortcuts, the twelve settings, the data folder and the running flag.
#pragma once

#include "engine/Settings.h"
#include "engine/ShortCutItem.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

#include <string>

// One object per process, a member of the application object; used on the user-interface thread only.
// It owns the items of its list. Construction loads the defaults and the configuration file;
// destruction saves the configuration file.
class CShortCutConfig
{
public:
    CShortCutConfig();
    ~CShortCutConfig();
    CShortCutConfig(const CShortCutConfig&) = delete;
    CShortCutConfig& operator=(const CShortCutConfig&) = delete;

    void LoadConfig();
    void LoadDefaultShortCuts();
    void InitItemList();
    void RemoveAllItems();

    // Settings by (type, key): 1 when stored or delivered, 0 when the pair is refused. Flags and numbers
    // pass an int; texts pass a const wchar_t* (GetSetting: a pointer the store keeps).
    int SetSetting(UINT nType, UINT nKey, const void* pValue);
    int SetSettingText(UINT nType, UINT nKey, const wchar_t* pszText);
    int GetSetting(UINT nType, UINT nKey, void* pResult);
    CString GetSettingText(UINT nType, UINT nKey);

    CString GetConfigFilePath();
    CString GetPadFilePath() const;

    UINT IsShortCutSectionRead() const { return m_bShortCutSectionRead; }
    void SetShortCutSectionRead(UINT bRead) { m_bShortCutSectionRead = bRead; }

    // The configuration file; a null path means the store's configuration file.
    void WriteConfig(const wchar_t* pszPath);
    void ReadConfig(const wchar_t* pszPath);
    void ParseConfig(const wchar_t* pszText);
    // The whole file's text as WriteConfig writes it (without the byte-order mark).
    CString FormatConfig();

    // System-wide hotkeys on one window. An id is the position among the registrable items, in list
    // order; nothing stores it, so every caller unregisters with the list as it was, changes the list,
    // then registers again.
    void RegisterHotKeys(HWND hWnd);
    void UnregisterHotKeys(HWND hWnd);
    ShortCutItem* GetItemByHotKeyId(UINT nId);

    ShortCutList m_ShortCutList;
    UINT m_bShortCutSectionRead = 0;
    int m_nGeneralLaunchStart = 0;
    int m_nGeneralHideToTray = 0;
    int m_nGeneralCloseToTray = 0;
    CString m_strProgramPath;
    int m_nInfoTransparent = 0;
    int m_nInfoTime = 0;
    int m_nCheckNewVersion = 0;
    CTime m_tmTimeCheckPadFile;
    int m_nStrikeOnHour = 0;
    int m_nPromptNameShortcut = 0;
    CString m_strTimeText; // the text form of m_tmTimeCheckPadFile last handed out by GetSetting
    int m_nGenPlaySound = 0;
    int m_nGenAssignASound = 0;
    CString m_strGenSoundAddress;
    CString m_strExeFolder; // ends with its separator
    CString m_strConfigFilePath;
    CString m_strDataFolder; // no separator at its end; empty when there is no local data folder
    UINT m_bRunning = 0;

private:
    void BuildConfigText(std::wstring& out);
    int* FindIntSetting(UINT nType, UINT nKey);
    void SetTimeCheckPadFile(const wchar_t* pszText);
};

// The call GetConfigFilePath makes for the local application-data folder (SHGetSpecialFolderPathW).
// Tests replace it to keep the real data folder untouched; the previous function is returned.
using SpecialFolderPathFunc = BOOL(WINAPI*)(HWND hWnd, LPWSTR pszPath, int nFolder, BOOL bCreate);
SpecialFolderPathFunc SetSpecialFolderPathFunc(SpecialFolderPathFunc pfn);

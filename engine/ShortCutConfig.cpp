// CShortCutConfig: construction, destruction, loading, the default set and the data-folder paths.
#include "engine/ShortCutConfig.h"
#include "engine/DefaultShortCuts.h"
#include "engine/SystemActions.h"

#include <shlobj.h>
#include <cstdio>
#include <algorithm>
#include <cwctype>

namespace
{
SpecialFolderPathFunc g_pfnSpecialFolderPath = SHGetSpecialFolderPathW;

// Serial numbers of default items: process-wide, never reset.
UINT g_nNextDefaultSerial = 0;
} // namespace

SpecialFolderPathFunc SetSpecialFolderPathFunc(SpecialFolderPathFunc pfn)
{
    SpecialFolderPathFunc pfnOld = g_pfnSpecialFolderPath;
    g_pfnSpecialFolderPath = pfn != nullptr ? pfn : SHGetSpecialFolderPathW;
    return pfnOld;
}

CShortCutConfig::CShortCutConfig()
{
    InitItemList();
    LoadConfig();

    wchar_t szPath[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    CString strPath(szPath, static_cast<int>(n < MAX_PATH ? n : MAX_PATH));
    if (!strPath.IsEmpty())
        strPath.SetAt(0, static_cast<wchar_t>(towupper(strPath[0])));
    int nCut = std::max(strPath.ReverseFind(L'\\'), strPath.ReverseFind(L'/'));
    m_strExeFolder = nCut >= 0 ? strPath.Left(nCut + 1) : CString();
}

CShortCutConfig::~CShortCutConfig()
{
    // Every end of the process saves, among others a TimeCheckPadFile the update schedule moved on.
    WriteConfig(nullptr);
    RemoveAllItems();
}

void CShortCutConfig::InitItemList()
{
    m_ShortCutList.clear();
    m_bShortCutSectionRead = 0;
}

void CShortCutConfig::RemoveAllItems()
{
    FreeShortCutList(m_ShortCutList);
}

void CShortCutConfig::LoadConfig()
{
    for (const SettingEntry& row : g_SettingTable)
    {
        UINT nType = static_cast<UINT>(row.nType);
        UINT nKey = static_cast<UINT>(row.nKey);
        if (nType == SETTING_TYPE_TEXT)
        {
            SetSetting(nType, nKey, row.pszDefault);
        }
        else
        {
            int nValue = static_cast<int>(row.nDefault);
            SetSetting(nType, nKey, &nValue);
        }
    }
    m_strConfigFilePath = GetConfigFilePath();
    ReadConfig(m_strConfigFilePath);
    if (m_bShortCutSectionRead == 0)
        LoadDefaultShortCuts();
    m_strProgramPath = GetProgramPath();
}

void CShortCutConfig::LoadDefaultShortCuts()
{
    FreeShortCutList(m_ShortCutList);
    for (size_t i = DEFAULT_SHORTCUT_COUNT; i-- > 0;)
    {
        ShortCutItem* pItem = new ShortCutItem;
        pItem->InitFromDefault(g_DefaultShortCuts[i]);
        pItem->m_nSerial = g_nNextDefaultSerial++;
        m_ShortCutList.push_front(pItem);
    }
}

CString CShortCutConfig::GetConfigFilePath()
{
    if (m_strDataFolder.IsEmpty())
    {
        wchar_t szFolder[MAX_PATH + 1] = {};
        if (g_pfnSpecialFolderPath(nullptr, szFolder, CSIDL_LOCAL_APPDATA, FALSE) && szFolder[0] != L'\0')
        {
            szFolder[MAX_PATH] = L'\0';
            CString strFolder(szFolder);
            wchar_t chLast = strFolder[strFolder.GetLength() - 1];
            if (chLast != L'\\' && chLast != L'/')
                strFolder += L'\\';
            m_strDataFolder = strFolder + L"Keystrider";
        }
    }
    if (m_strDataFolder.IsEmpty())
        return CString();

    if (GetFileAttributesW(m_strDataFolder) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryW(m_strDataFolder, nullptr);

    CString strPath = m_strDataFolder + L"\\Keystrider.ini";
    if (GetFileAttributesW(strPath) == INVALID_FILE_ATTRIBUTES)
    {
        FILE* pFile = nullptr;
        if (_wfopen_s(&pFile, strPath, L"wb") == 0 && pFile != nullptr)
            fclose(pFile);
    }
    return strPath;
}

CString CShortCutConfig::GetPadFilePath() const
{
    if (m_strDataFolder.IsEmpty())
        return CString();
    return m_strDataFolder + L"\\pad_keystrider.xml";
}

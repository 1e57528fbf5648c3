// A test fixture whose stores keep their data folder in a scratch folder, never the real profile.
#include "tests/engine/StoreFixture.h"

#include <cwchar>

namespace
{
CString g_localAppData;
bool g_noLocalAppData = false;

BOOL WINAPI FakeSpecialFolderPath(HWND, LPWSTR pszPath, int, BOOL)
{
    if (g_noLocalAppData)
        return FALSE;
    wcsncpy_s(pszPath, MAX_PATH, g_localAppData, _TRUNCATE);
    return TRUE;
}
} // namespace

void StoreTest::SetUp()
{
    g_localAppData = m_dir.Path();
    g_noLocalAppData = false;
    m_previous = SetSpecialFolderPathFunc(FakeSpecialFolderPath);
}

void StoreTest::TearDown()
{
    SetSpecialFolderPathFunc(m_previous);
    g_noLocalAppData = false;
}

void SimulateNoLocalAppData(bool bNone)
{
    g_noLocalAppData = bNone;
}

void StoreTest::PutConfig(const std::wstring& text)
{
    CreateDirectoryW(DataFolder(), nullptr);
    WriteBytes(ConfigPath(), Utf16File(text));
}

std::string Utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

std::wstring Snapshot(CShortCutConfig& store)
{
    std::wstring out;
    for (const SettingEntry& row : g_SettingTable)
    {
        out += row.pszName;
        out += L"=";
        out += store.GetSettingText(static_cast<UINT>(row.nType), static_cast<UINT>(row.nKey)).str();
        out += L"\n";
    }
    for (const ShortCutItem* item : store.m_ShortCutList)
    {
        wchar_t words[64];
        swprintf(words, 64, L"|%u|%u|%u|%u|", item->m_wModifiers, item->m_wVirtualKey, item->m_wWinKey,
                 item->GetPlaySound() != 0 ? 1u : 0u);
        out += item->m_pszName != nullptr ? item->m_pszName : L"";
        out += L"|";
        out += item->m_pszCommand != nullptr ? item->m_pszCommand : L"";
        out += words;
        out += item->GetSoundFile().str();
        out += L"\n";
    }
    return out;
}

void ResetStore(CShortCutConfig& store)
{
    for (const SettingEntry& row : g_SettingTable)
    {
        UINT type = static_cast<UINT>(row.nType);
        UINT key = static_cast<UINT>(row.nKey);
        if (type == SETTING_TYPE_TEXT)
        {
            store.SetSetting(type, key, row.pszDefault);
        }
        else
        {
            int value = static_cast<int>(row.nDefault);
            store.SetSetting(type, key, &value);
        }
    }
    FreeShortCutList(store.m_ShortCutList);
    store.SetShortCutSectionRead(0);
}

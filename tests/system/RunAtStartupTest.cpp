// The start-with-Windows value under the real Run key of the current user.
#include "engine/SystemActions.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value's text, or "<none>" when there is no such value.
std::wstring ReadRunValue(const std::wstring& name)
{
    wchar_t szValue[512] = {};
    DWORD cb = sizeof(szValue);
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, name.c_str(), RRF_RT_REG_SZ, nullptr, szValue, &cb) !=
        ERROR_SUCCESS)
        return L"<none>";
    return szValue;
}

class RunAtStartupTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_name = L"KeystriderTest" + std::to_wstring(GetCurrentProcessId());
        // The Run key exists in every user profile; make sure this prefix has one.
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_READ, nullptr,
                                                 &hKey, nullptr));
        RegCloseKey(hKey);
    }
    void TearDown() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, m_name.c_str()); }

    std::wstring m_name;
};
} // namespace

TEST_F(RunAtStartupTest, SetsReplacesAndDeletesTheValue)
{
    std::wstring quoted = L"\"" + std::wstring(GetProgramPath().GetString()) + L"\"";
    EXPECT_TRUE(SetRunAtStartup(m_name.c_str(), quoted.c_str()));
    EXPECT_EQ(quoted, ReadRunValue(m_name));

    EXPECT_TRUE(SetRunAtStartup(m_name.c_str(), L"\"C:\\Other Place\\Keystrider.exe\""));
    EXPECT_EQ(L"\"C:\\Other Place\\Keystrider.exe\"", ReadRunValue(m_name));

    EXPECT_TRUE(SetRunAtStartup(m_name.c_str(), nullptr));
    EXPECT_EQ(L"<none>", ReadRunValue(m_name));
    // Deleting a value that is not there still reaches the key.
    EXPECT_TRUE(SetRunAtStartup(m_name.c_str(), nullptr));
}

TEST_F(RunAtStartupTest, AnEmptyNameDoesNothing)
{
    EXPECT_FALSE(SetRunAtStartup(L"", L"\"C:\\x.exe\""));
    EXPECT_FALSE(SetRunAtStartup(nullptr, L"\"C:\\x.exe\""));
    EXPECT_FALSE(SetRunAtStartup(L"", nullptr));
    // The key's default (unnamed) value is never touched.
    EXPECT_EQ(L"<none>", ReadRunValue(L""));
}

// With the current user's hive redirected to an empty key, there is no Run key: it is not created.
TEST_F(RunAtStartupTest, AMissingRunKeyIsNotCreated)
{
    std::wstring scratch = L"Software\\KeystriderTest\\EmptyHive" + std::to_wstring(GetCurrentProcessId());
    HKEY hEmpty = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &hEmpty, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, hEmpty));
    BOOL bResult = SetRunAtStartup(m_name.c_str(), L"\"C:\\x.exe\"");
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);

    EXPECT_FALSE(bResult);
    HKEY hSoftware = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExW(hEmpty, L"Software", 0, KEY_READ, &hSoftware));
    if (hSoftware != nullptr)
        RegCloseKey(hSoftware);
    RegCloseKey(hEmpty);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KeystriderTest");
    EXPECT_EQ(L"<none>", ReadRunValue(m_name));
}

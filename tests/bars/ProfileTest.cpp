// The application's registry profile: values under the company and application keys, and removal
// of the application's tree that keeps other programs' keys of the same company.
#include <gtest/gtest.h>

#include "framework/bars/WinAppEx.h"

namespace
{
const wchar_t* const COMPANY = L"Software\\Ks Profile Test Co";

bool KeyExists(const wchar_t* path)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

struct ProfileApp
{
    CWinThread* previous = AfxGetThread();
    CWinAppEx* app = new CWinAppEx(TRUE);
    ProfileApp()
    {
        app->SetAppName(L"Keystrider");
        app->SetRegistryKey(L"Ks Profile Test Co\\");
        app->SetRegistryBase(L"Settings");
    }
    ~ProfileApp()
    {
        app->Unregister();
        delete app;
        AfxSetThread(previous);
    }
};
} // namespace

TEST(ProfileTest, IntegersRoundTripUnderTheApplicationKey)
{
    ProfileApp p;
    EXPECT_EQ(0u, p.app->GetProfileInt(L"Settings", L"Configuration Ver", 0));
    EXPECT_TRUE(p.app->WriteProfileInt(L"Settings", L"Configuration Ver", 2));
    EXPECT_EQ(2u, p.app->GetProfileInt(L"Settings", L"Configuration Ver", 0));
    EXPECT_TRUE(KeyExists(L"Software\\Ks Profile Test Co\\Keystrider\\Settings"));

    // A value of another type is not taken for an integer.
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Ks Profile Test Co\\Keystrider\\Settings", 0,
                              KEY_WRITE, &hKey));
    ::RegSetValueExW(hKey, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"2"), 4);
    ::RegCloseKey(hKey);
    EXPECT_EQ(7u, p.app->GetProfileInt(L"Settings", L"Text", 7));
}

TEST(ProfileTest, UnregisterRemovesTheTreeAndAnEmptyCompanyKey)
{
    {
        ProfileApp p;
        p.app->WriteProfileInt(L"Settings", L"Configuration Ver", 1);
        CRect rect(10, 20, 763, 590);
        EXPECT_TRUE(p.app->StoreWindowPlacement(rect, 0, SW_SHOWNORMAL));
        EXPECT_TRUE(p.app->Unregister());
        EXPECT_FALSE(KeyExists(L"Software\\Ks Profile Test Co\\Keystrider"));
        EXPECT_FALSE(KeyExists(COMPANY));
        EXPECT_EQ(0u, p.app->GetProfileInt(L"Settings", L"Configuration Ver", 0));
    }
    {
        // Another program of the same company keeps its key, and so the company key stays.
        HKEY hOther = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Ks Profile Test Co\\Other",
                                                   0, nullptr, 0, KEY_WRITE, nullptr, &hOther, nullptr));
        ::RegCloseKey(hOther);
        ProfileApp p;
        p.app->WriteProfileInt(L"Settings", L"Configuration Ver", 1);
        EXPECT_TRUE(p.app->Unregister());
        EXPECT_FALSE(KeyExists(L"Software\\Ks Profile Test Co\\Keystrider"));
        EXPECT_TRUE(KeyExists(L"Software\\Ks Profile Test Co\\Other"));
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, COMPANY);
}

TEST(ProfileTest, WindowPlacementRoundTripsAndNeedsTheExactSize)
{
    ProfileApp p;
    CRect rect;
    int flags = -1, show = -1;
    EXPECT_FALSE(p.app->LoadWindowPlacement(rect, flags, show));
    EXPECT_TRUE(p.app->StoreWindowPlacement(CRect(10, 20, 763, 590), 0, SW_SHOWNORMAL));
    EXPECT_TRUE(p.app->LoadWindowPlacement(rect, flags, show));
    EXPECT_EQ(CRect(10, 20, 763, 590), rect);
    EXPECT_EQ(SW_SHOWNORMAL, show);

    // A damaged value (too short) is not used.
    const BYTE shortValue[4] = {1, 2, 3, 4};
    p.app->WriteProfileBinary(L"Settings\\WindowPlacement", L"MainWindowRect", shortValue,
                              sizeof(shortValue));
    EXPECT_FALSE(p.app->LoadWindowPlacement(rect, flags, show));
}

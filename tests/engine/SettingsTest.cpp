// Settings: the accepted (type, key) pairs, text forms and TimeCheckPadFile's reading rules.
#include "tests/engine/StoreFixture.h"

namespace
{
std::wstring TimeOf(CShortCutConfig& store, const wchar_t* text)
{
    store.SetSettingText(SETTING_TYPE_TEXT, SETTING_TIME_CHECK_PAD_FILE, text);
    return store.GetSettingText(SETTING_TYPE_TEXT, SETTING_TIME_CHECK_PAD_FILE).str();
}
} // namespace

TEST_F(StoreTest, SettingPairsAcceptedAndRefused)
{
    PutConfig(L"[Short Cut]\r\n");
    CShortCutConfig store;
    int value = 42;
    for (UINT key : {1u, 2u, 3u, 8u, 9u, 10u, 11u})
    {
        EXPECT_EQ(store.SetSetting(SETTING_TYPE_FLAG, key, &value), 1) << key;
        EXPECT_EQ(store.GetSettingText(SETTING_TYPE_FLAG, key), L"42");
        EXPECT_EQ(store.SetSetting(SETTING_TYPE_NUMBER, key, &value), 0) << key;
    }
    for (UINT key : {4u, 5u, 6u})
    {
        EXPECT_EQ(store.SetSetting(SETTING_TYPE_NUMBER, key, &value), 1) << key;
        EXPECT_EQ(store.SetSetting(SETTING_TYPE_FLAG, key, &value), 0) << key;
        EXPECT_EQ(store.GetSettingText(SETTING_TYPE_FLAG, key), L""); // a number key with the flag type
    }
    EXPECT_EQ(store.m_nInfoTime, 42);
    EXPECT_EQ(store.SetSetting(SETTING_TYPE_TEXT, 5, L"9"), 0);
    EXPECT_EQ(store.SetSetting(SETTING_TYPE_FLAG, 0, &value), 0);
    EXPECT_EQ(store.SetSetting(SETTING_TYPE_FLAG, 13, &value), 0);
    EXPECT_EQ(store.SetSetting(2, 1, &value), 0);
    EXPECT_EQ(store.SetSetting(SETTING_TYPE_FLAG, 1, nullptr), 0);
    EXPECT_EQ(store.SetSetting(SETTING_TYPE_TEXT, 12, nullptr), 0);
    EXPECT_EQ(store.GetSetting(SETTING_TYPE_FLAG, 1, nullptr), 0);
    EXPECT_EQ(store.GetSetting(SETTING_TYPE_TEXT, 1, &value), 0);

    // The text setter answers 1 for the three types, accepted or not.
    EXPECT_EQ(store.SetSettingText(SETTING_TYPE_NUMBER, 1, L"7"), 1);
    EXPECT_EQ(store.m_nGeneralLaunchStart, 42);
    EXPECT_EQ(store.SetSettingText(SETTING_TYPE_NUMBER, 5, L"  -17xyz"), 1);
    EXPECT_EQ(store.m_nInfoTime, -17);
    EXPECT_EQ(store.SetSettingText(SETTING_TYPE_FLAG, 10, nullptr), 1);
    EXPECT_EQ(store.m_nGenPlaySound, 0);
    EXPECT_EQ(store.SetSettingText(3, 1, L"1"), 0);

    EXPECT_EQ(store.SetSettingText(SETTING_TYPE_TEXT, 12, L"C:\\sounds\\bell.wav"), 1);
    const wchar_t* text = nullptr;
    EXPECT_EQ(store.GetSetting(SETTING_TYPE_TEXT, 12, &text), 1);
    EXPECT_STREQ(text, L"C:\\sounds\\bell.wav");
}

TEST_F(StoreTest, TimeCheckPadFileReadingRules)
{
    PutConfig(L"[Short Cut]\r\n");
    CShortCutConfig store;
    EXPECT_EQ(TimeOf(store, L"2011,7,3,12,30,15"), L"2011, 07, 03, 12, 30, 15");
    EXPECT_EQ(store.m_tmTimeCheckPadFile, CTime(2011, 7, 3, 12, 30, 15));
    EXPECT_EQ(store.m_tmTimeCheckPadFile.GetHour(), 12);
    EXPECT_EQ(TimeOf(store, L" 2011 , 07 , 03 , 12 , 30 , 15 "), L"2011, 07, 03, 12, 30, 15");
    EXPECT_EQ(TimeOf(store, L"2011,2,30,25,61,61"), L"2011, 03, 02, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L""), L"2000, 01, 01, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L"2000,1,1,1,1"), L"2000, 01, 01, 01, 01, 00");
    EXPECT_EQ(TimeOf(store, L"2001,0,32,-1,60,-5"), L"2001, 01, 01, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L"garbage"), L"2000, 01, 01, 00, 00, 00");
    // Years after 2020 are kept (a saved check date must not fall back to 2000) up to 3000.
    EXPECT_EQ(TimeOf(store, L"2030,7,3"), L"2030, 07, 03, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L"2021,1,1,0,0,0"), L"2021, 01, 01, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L"3000,6,1,0,0,0"), L"3000, 06, 01, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L"3001,7,3"), L"2000, 07, 03, 00, 00, 00");
    EXPECT_EQ(TimeOf(store, L"2000,7,3"), L"2000, 07, 03, 00, 00, 00");
    // The time written is the time read: now and a week from now survive the text form.
    CTime later = CTime::GetCurrentTime() + CTimeSpan(7, 0, 0, 0);
    store.m_tmTimeCheckPadFile = later;
    CString text = store.GetSettingText(SETTING_TYPE_TEXT, SETTING_TIME_CHECK_PAD_FILE);
    store.SetSettingText(SETTING_TYPE_TEXT, SETTING_TIME_CHECK_PAD_FILE, text);
    EXPECT_EQ(store.m_tmTimeCheckPadFile, later);
    __time64_t ahead = (later - CTime::GetCurrentTime()).GetTotalSeconds();
    EXPECT_LE(ahead, 7 * 86400);
    EXPECT_GT(ahead, 7 * 86400 - 60);
    CTime hour(later.GetYear(), later.GetMonth(), later.GetDay(), later.GetHour(), 0, 0);
    EXPECT_EQ(hour.GetMinute(), 0);
    EXPECT_LE((later - hour).GetTotalSeconds(), 3600);
}

// Hotkey text: parsing and formatting of key combinations, the key-name table, the shortcut item.
#include "engine/KeyNames.h"
#include "engine/ShortCutItem.h"

#include <gtest/gtest.h>

namespace
{
struct Parsed
{
    WORD modifiers;
    WORD key;
    WORD win;
    std::wstring text;
};

Parsed Parse(const wchar_t* text)
{
    ShortCutItem item;
    item.ParseHotKey(text);
    return {item.m_wModifiers, item.m_wVirtualKey, item.m_wWinKey, item.FormatHotKey().str()};
}

const WORD kKeySet = FVIRTKEY | FNOINVERT;
} // namespace

TEST(HotKeyText, ParsesAndFormatsCanonically)
{
    struct Case
    {
        const wchar_t* input;
        WORD modifiers;
        WORD key;
        WORD win;
        const wchar_t* formatted;
    } cases[] = {
        {L"Ctrl + Alt + Delete", FCONTROL | FALT | kKeySet, 46, 0, L"Ctrl + Alt + Delete"},
        {L"alt+shift+f5", FSHIFT | FALT | kKeySet, 116, 0, L"Shift + Alt + F5"},
        {L"X + Alt + Ctrl", FCONTROL | FALT | kKeySet, 'X', 0, L"Ctrl + Alt + X"},
        {L"Win + A", kKeySet, 'A', 91, L"Win + A"},
        {L"A", kKeySet, 'A', 0, L"A"},
        {L"Ctrl + Shift", 0, 0, 0, L""},
        {L"Win + Ctrl", 0, 0, 91, L"Win"},
        {L"Ctrl + A + Foo", 0, 0, 0, L""},
        {L"Ctrl + Foo + A", FCONTROL | kKeySet, 'A', 0, L"Ctrl + A"},
        {L"A+Ctrl", 0, 0, 0, L""}, // a one-character piece before "+" reads empty
        {L"A + Ctrl", FCONTROL | kKeySet, 'A', 0, L"Ctrl + A"},
        {L"Ctrl ++ A", FCONTROL | kKeySet, 'A', 0, L"Ctrl + A"},
        {L"ctrl+alt+x", FCONTROL | FALT | kKeySet, 'X', 0, L"Ctrl + Alt + X"},
        {L"Ctrl + =", FCONTROL | kKeySet, 187, 0, L"Ctrl + ="},
        {L"Shift + Ctrl + Alt + Win + F24", FSHIFT | FCONTROL | FALT | kKeySet, 135, 91,
         L"Win + Shift + Ctrl + Alt + F24"},
        {L"Alt + ScrollLock", FALT | kKeySet, 145, 0, L"Alt + ScrollLock"},
        {L"Control + <", FCONTROL | kKeySet, 188, 0, L"Ctrl + ,"},
        {L"Alt + A + B", FALT | kKeySet, 'B', 0, L"Alt + B"},
        {L"   ", 0, 0, 0, L""},
        {L"", 0, 0, 0, L""},
        {nullptr, 0, 0, 0, L""},
    };
    for (const Case& c : cases)
    {
        Parsed p = Parse(c.input);
        SCOPED_TRACE(c.input != nullptr ? c.input : L"(null)");
        EXPECT_EQ(p.modifiers, c.modifiers);
        EXPECT_EQ(p.key, c.key);
        EXPECT_EQ(p.win, c.win);
        EXPECT_EQ(p.text, c.formatted);
    }
}

TEST(HotKeyText, FormatsWordsThatNoTextGives)
{
    ShortCutItem item;
    item.m_wModifiers = FCONTROL | kKeySet;
    item.m_wVirtualKey = 96; // a key without a name: the separator stays
    EXPECT_EQ(item.FormatHotKey(), L"Ctrl + ");
    item.m_wModifiers = kKeySet;
    EXPECT_EQ(item.FormatHotKey(), L"");
    item.m_wWinKey = 92;
    item.m_wVirtualKey = 0;
    EXPECT_EQ(item.FormatHotKey(), L"Win");
    item.ParseHotKey(item.FormatHotKey());
    EXPECT_EQ(item.m_wWinKey, 91);
}

TEST(KeyNames, ReadingRules)
{
    EXPECT_EQ(KeyNameToVirtualKey(nullptr), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L""), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L"pageup"), 33);
    EXPECT_EQ(KeyNameToVirtualKey(L"ALT"), 18);
    EXPECT_EQ(KeyNameToVirtualKey(L"alt"), 18);
    EXPECT_EQ(KeyNameToVirtualKey(L"Control"), 17);
    EXPECT_EQ(KeyNameToVirtualKey(L"CTRL"), 17);
    EXPECT_EQ(KeyNameToVirtualKey(L"win"), 91);
    EXPECT_EQ(KeyNameToVirtualKey(L"f1"), 112);
    EXPECT_EQ(KeyNameToVirtualKey(L"F24"), 135);
    EXPECT_EQ(KeyNameToVirtualKey(L"F25"), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L"F0"), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L"F1x"), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L"F"), 'F');
    EXPECT_EQ(KeyNameToVirtualKey(L"q"), 'Q');
    EXPECT_EQ(KeyNameToVirtualKey(L"7"), '7');
    EXPECT_EQ(KeyNameToVirtualKey(L"AB"), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L"*"), 0);
    EXPECT_EQ(KeyNameToVirtualKey(L"\u00e9"), 0);
    const wchar_t* pairs[][2] = {{L";", L":"},  {L"=", L"+"}, {L",", L"<"}, {L"-", L"_"},
                                 {L".", L">"},  {L"/", L"?"}, {L"`", L"~"}, {L"[", L"{"},
                                 {L"\\", L"|"}, {L"]", L"}"}, {L"'", L"\""}};
    for (const auto& pair : pairs)
    {
        WORD key = KeyNameToVirtualKey(pair[0]);
        EXPECT_NE(key, 0) << pair[0];
        EXPECT_EQ(KeyNameToVirtualKey(pair[1]), key) << pair[1];
        EXPECT_EQ(VirtualKeyToKeyName(key), pair[0]);
    }
}

TEST(KeyNames, EveryWrittenNameReadsBackToItsKey)
{
    for (UINT key = 1; key < 256; ++key)
    {
        CString name = VirtualKeyToKeyName(key);
        if (name.IsEmpty())
            continue;
        UINT expected = key == 92 ? 91 : key;
        EXPECT_EQ(KeyNameToVirtualKey(name), expected) << name.GetString();
    }
    EXPECT_EQ(VirtualKeyToKeyName(17), L"Ctrl");
    EXPECT_EQ(VirtualKeyToKeyName(18), L"Alt");
    EXPECT_EQ(VirtualKeyToKeyName(96), L"");
    EXPECT_EQ(ModifierNameToFlag(L"shift"), FSHIFT);
    EXPECT_EQ(ModifierNameToFlag(L"Control"), FCONTROL);
    EXPECT_EQ(ModifierNameToFlag(L"alt"), FALT);
    EXPECT_EQ(ModifierNameToFlag(L"Win"), 0);
}

TEST(ShortCutItemTest, OwnsItsTextsAndClearsThem)
{
    DefaultShortCutEntry row = {7, L"Calc", nullptr, L"Ctrl + Alt + K"};
    auto* item = new ShortCutItem;
    EXPECT_FALSE(item->IsValid());
    item->SetPlaySound(0);
    item->InitFromDefault(row);
    EXPECT_EQ(item->m_nSerial, 7u);
    EXPECT_STREQ(item->m_pszName, L"Calc");
    EXPECT_EQ(item->m_pszCommand, nullptr);
    EXPECT_NE(item->m_pszName, row.pszName);
    EXPECT_EQ(item->GetPlaySound(), 0u);
    EXPECT_TRUE(item->IsRegistrable());
    EXPECT_EQ(item->GetSoundFile(), L"");
    item->SetSoundFile(L"");
    ASSERT_NE(item->m_pszSoundFile, nullptr);
    item->SetSoundFile(L"ding.wav");
    EXPECT_EQ(item->GetSoundFile(), L"ding.wav");
    item->ParseHotKey(L"");
    EXPECT_TRUE(item->IsValid());
    EXPECT_FALSE(item->IsRegistrable());
    item->Clear();
    EXPECT_EQ(item->m_pszName, nullptr);
    EXPECT_EQ(item->m_pszSoundFile, nullptr);
    EXPECT_EQ(item->m_nSerial, 7u);

    ShortCutList list = {item, nullptr, new ShortCutItem};
    FreeShortCutList(list);
    EXPECT_TRUE(list.empty());
}

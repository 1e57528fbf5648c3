// Seeded robustness: random and mutated configuration and hotkey texts never crash or hang the reader,
// and whatever the store holds afterwards is written so that it reads back to the same store.
#include "engine/KeyNames.h"
#include "engine/Tokenizer.h"
#include "tests/engine/StoreFixture.h"

#include <random>

namespace
{
const wchar_t* const kFragments[] = {
    L"[General]",
    L"[ general ]",
    L"[Short Cut]",
    L"[SHORT CUT]",
    L"[Sound]",
    L"[ sound ]",
    L"[ShortCut]",
    L"[",
    L"]",
    L"[]",
    L"=",
    L",",
    L"+",
    L" ",
    L"\t",
    L"\r",
    L"\n",
    L"\r\n",
    L"  ",
    L"TRUE",
    L"FALSE",
    L"false",
    L"1",
    L"2",
    L"3",
    L"0",
    L"-1",
    L"99999999999",
    L"GeneralLaunchStart",
    L"InfoTime",
    L"infotransparent",
    L"CheckNewVersion",
    L"TimeCheckPadFile",
    L"GenSoundAddress",
    L"StrikeOnHour",
    L"GenAssignASound",
    L"2011, 07, 03, 12, 30, 15",
    L"3000,12,31,23,59,59",
    L"2020,2,30",
    L"Ctrl",
    L"Alt",
    L"Shift",
    L"Win",
    L"Control",
    L"F5",
    L"F24",
    L"PageUp",
    L"A",
    L"z",
    L"<",
    L">",
    L";",
    L"'",
    L"\"",
    L"~",
    L"Ctrl + Alt + Delete",
    L"Win + A",
    L"Alt + Up",
    L"notepad.exe",
    L"C:\\a b\\c.exe",
    L"http://x/?a=b,c",
    L"tick.wav",
    L"\u00e9",
    L"\u4e2d",
    L"\xFF1D",
    L"\U0001F600",
    L"\xD800",
    L"Volume Up",
    L"Run",
    L"Name",
};

std::wstring RandomText(std::mt19937& rng, int pieces)
{
    std::uniform_int_distribution<size_t> pick(0, sizeof(kFragments) / sizeof(kFragments[0]) - 1);
    std::wstring text;
    for (int i = 0; i < pieces; ++i)
    {
        text += kFragments[pick(rng)];
        if (rng() % 3 == 0)
            text += L'\n';
    }
    return text;
}

// The example file with characters inserted, deleted or replaced.
std::wstring Mutate(std::mt19937& rng, std::wstring text)
{
    int edits = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < edits && !text.empty(); ++i)
    {
        size_t at = rng() % text.size();
        switch (rng() % 4)
        {
        case 0:
            text.erase(at, 1 + rng() % 6);
            break;
        case 1:
            text.insert(at, kFragments[rng() % (sizeof(kFragments) / sizeof(kFragments[0]))]);
            break;
        case 2:
            text[at] = static_cast<wchar_t>(1 + rng() % 0x7F);
            break;
        default:
            text[at] = static_cast<wchar_t>(1 + rng() % 0xFFFE);
            break;
        }
    }
    return text;
}

const wchar_t kBase[] = L"[General]\r\nGeneralLaunchStart = 1\r\nInfoTime = 3000\r\n"
                        L"TimeCheckPadFile = 2011, 07, 03, 12, 30, 15\r\nGenSoundAddress = tick.wav\r\n"
                        L"[Short Cut]\r\nVolume Up = Alt + Up , Volume Up\r\nNotes =  , notepad.exe\r\n"
                        L"Calc=Ctrl+Alt+K,calc.exe\r\nComma = Ctrl + < , x,y\r\n"
                        L"[Sound]\r\n1 = TRUE,  \r\n2 = FALSE,  ding.wav\r\n4 = no, a.wav\r\n";
// The hotkey reading in its plainest form: the pieces between "+" signs as GetNextTokenAny gives them,
// trimmed, empty ones skipped. A modifier name adds its flag and is never taken as a key; any other
// piece is a key name, the last one winning (a Windows key goes to the Win key). The flags stay only
// with a key, which adds the key bits (3).
void ReferenceParse(const wchar_t* text, WORD& modifiers, WORD& key, WORD& win)
{
    modifiers = key = win = 0;
    int pos = 0;
    CString token;
    while (GetNextTokenAny(text, L"+", pos, token) != 0)
    {
        token.Trim();
        if (token.IsEmpty())
            continue;
        if (int flag = ModifierNameToFlag(token))
        {
            modifiers |= static_cast<WORD>(flag);
            continue;
        }
        WORD k = KeyNameToVirtualKey(token);
        (k == 91 || k == 92 ? win : key) = k;
    }
    modifiers = key != 0 ? static_cast<WORD>(modifiers | 3) : 0;
}
// The configuration reading in its plainest form, line by line and piece by piece with GetNextToken,
// applied through the store's members. Blank lines are skipped. A name in brackets (trimmed, any case)
// starts the General, Short Cut or Sound section, or an ignored one; Short Cut and Sound mark the
// shortcut section as read. In General, "name = value" sets a setting of the table; in Short Cut,
// "name = hotkey, command" adds a shortcut (not without a name); in Sound, "row = flag, file" applies
// to that row (1 to the count of shortcuts), any flag but FALSE (any case) turning its sound on.
void ReferenceParseConfig(CShortCutConfig& store, const wchar_t* text)
{
    enum
    {
        None,
        General,
        ShortCut,
        Sound
    } section = None;
    int linePos = 0;
    CString line;
    while (GetNextToken(text, L'\n', linePos, line) != 0)
    {
        line.Trim();
        if (line.IsEmpty())
            continue;
        if (line[0] == L'[' && line[line.GetLength() - 1] == L']' && line.GetLength() >= 2)
        {
            CString name = line.Mid(1, line.GetLength() - 2).Trim();
            section = name.CompareNoCase(L"General") == 0     ? General
                      : name.CompareNoCase(L"Short Cut") == 0 ? ShortCut
                      : name.CompareNoCase(L"Sound") == 0     ? Sound
                                                              : None;
            if (section == ShortCut || section == Sound)
                store.SetShortCutSectionRead(1);
            continue;
        }
        int pos = 0;
        CString key, next;
        GetNextToken(line, L'=', pos, key);
        key.Trim();
        if (section == General)
        {
            for (const SettingEntry& row : g_SettingTable)
            {
                if (key.CompareNoCase(row.pszName) != 0)
                    continue;
                GetNextToken(line, L'=', pos, next);
                store.SetSettingText(static_cast<UINT>(row.nType), static_cast<UINT>(row.nKey), next.Trim());
                break;
            }
        }
        else if (section == ShortCut && !key.IsEmpty())
        {
            GetNextToken(line, L',', pos, next);
            ShortCutItem* item = new ShortCutItem;
            item->m_pszName = _wcsdup(key);
            item->ParseHotKey(next.Trim());
            item->m_pszCommand = _wcsdup(pos >= 0 ? line.Mid(pos).Trim() : CString());
            store.m_ShortCutList.push_back(item);
        }
        else if (section == Sound)
        {
            int n = _wtoi(key);
            if (n < 1 || static_cast<size_t>(n) > store.m_ShortCutList.size())
                continue;
            ShortCutItem* item = *std::next(store.m_ShortCutList.begin(), n - 1);
            GetNextToken(line, L',', pos, next);
            item->SetPlaySound(next.Trim().CompareNoCase(L"FALSE") == 0 ? 0 : 1);
            item->SetSoundFile(pos >= 0 ? line.Mid(pos).Trim() : CString());
        }
    }
}
} // namespace

TEST_F(StoreTest, RandomConfigurationsReadWriteAndReadBackToTheSameStore)
{
    PutConfig(L"[Short Cut]\r\n");
    CShortCutConfig store;
    std::mt19937 rng(20261207);
    CString filePath = m_dir.File(L"round.ini");
    int failures = 0;
    for (int i = 0; i < 60000 && failures < 5; ++i)
    {
        std::wstring input =
            i % 2 == 0 ? RandomText(rng, 1 + static_cast<int>(rng() % 40)) : Mutate(rng, kBase);
        ResetStore(store);
        if (i % 10 == 0)
        {
            // The store's own reader gives the same store as the plain reading above.
            ReferenceParseConfig(store, input.c_str());
            std::wstring expected = Snapshot(store);
            UINT expectedRead = store.IsShortCutSectionRead();
            ResetStore(store);
            store.ParseConfig(input.c_str());
            ASSERT_EQ(Snapshot(store), expected) << testing::PrintToString(input);
            ASSERT_EQ(store.IsShortCutSectionRead(), expectedRead);
        }
        else
        {
            store.ParseConfig(input.c_str());
        }
        std::wstring first = Snapshot(store);
        CString written = store.FormatConfig();

        if (i % 1000 == 0)
        {
            // Now and then through a real file, as a save and a start do it.
            store.WriteConfig(filePath);
            ResetStore(store);
            store.ReadConfig(filePath);
        }
        else
        {
            ResetStore(store);
            store.ParseConfig(written);
        }
        std::wstring second = Snapshot(store);
        if (first != second)
        {
            ++failures;
            ADD_FAILURE() << "input #" << i << " does not survive a save:\n"
                          << testing::PrintToString(input) << "\nwritten:\n"
                          << testing::PrintToString(written.str());
        }
        // What a read of the written file gives is written the same way again.
        if (i % 1000 == 0)
        {
            EXPECT_EQ(store.FormatConfig(), written);
        }
    }
    ResetStore(store);
}

TEST(HotKeyRobustness, RandomHotKeyTextsGiveCanonicalCombinations)
{
    std::mt19937 rng(7);
    const wchar_t* const tokens[] = {L"Ctrl", L"ctrl",   L"Control", L"Alt",  L"ALT", L"Shift",
                                     L"Win",  L"A",      L"q",       L"0",    L"F1",  L"f24",
                                     L"F25",  L"PageUp", L"=",       L"<",    L",",   L";",
                                     L"Foo",  L"",       L"\u00e9",  L"Back", L"Esc", L"ScrollLock"};
    const wchar_t* const joins[] = {L" + ", L"+", L"++", L" ", L"  +", L",", L"\t+\t", L"+ "};
    for (int i = 0; i < 100000; ++i)
    {
        std::wstring text;
        int count = static_cast<int>(rng() % 6);
        for (int t = 0; t < count; ++t)
        {
            if (t > 0)
                text += joins[rng() % (sizeof(joins) / sizeof(joins[0]))];
            text += tokens[rng() % (sizeof(tokens) / sizeof(tokens[0]))];
        }
        ShortCutItem item;
        item.ParseHotKey(text.c_str());
        WORD modifiers, key, win;
        ReferenceParse(text.c_str(), modifiers, key, win);
        ASSERT_EQ(item.m_wModifiers, modifiers) << testing::PrintToString(text);
        ASSERT_EQ(item.m_wVirtualKey, key) << testing::PrintToString(text);
        ASSERT_EQ(item.m_wWinKey, win) << testing::PrintToString(text);
        // A key sets the key bits; no key, no flags.
        ASSERT_EQ(item.m_wVirtualKey != 0, item.m_wModifiers != 0) << testing::PrintToString(text);
        ASSERT_TRUE(item.m_wWinKey == 0 || item.m_wWinKey == VK_LWIN);
        CString canonical = item.FormatHotKey();
        ShortCutItem again;
        again.ParseHotKey(canonical);
        ASSERT_EQ(again.m_wModifiers, item.m_wModifiers) << testing::PrintToString(text);
        ASSERT_EQ(again.m_wVirtualKey, item.m_wVirtualKey) << testing::PrintToString(text);
        ASSERT_EQ(again.m_wWinKey, item.m_wWinKey) << testing::PrintToString(text);
        ASSERT_EQ(again.FormatHotKey(), canonical);
    }
}

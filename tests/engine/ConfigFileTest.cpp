// The configuration file: the example written byte for byte, the reader's tolerances, mended faults.
#include "engine/DefaultShortCuts.h"
#include "engine/TextFile.h"
#include "tests/engine/StoreFixture.h"
#include "tests/support/ChildProcess.h"

#include <cwctype>
#include <random>

namespace
{
const wchar_t kExample[] = L"[General]\r\n"
                           L"GeneralLaunchStart = 1\r\n"
                           L"GeneralHideToTray = 1\r\n"
                           L"GeneralCloseToTray = 0\r\n"
                           L"InfoTransparent = 80\r\n"
                           L"InfoTime = 3000\r\n"
                           L"CheckNewVersion = 2\r\n"
                           L"TimeCheckPadFile = 2011, 07, 03, 12, 30, 15\r\n"
                           L"StrikeOnHour = 0\r\n"
                           L"PromptNameShortcut = 1\r\n"
                           L"GenPlaySound = 1\r\n"
                           L"GenAssignASound = 1\r\n"
                           L"GenSoundAddress = tick.wav\r\n"
                           L"[Short Cut]\r\n"
                           L"Volume Up = Alt + Up , Volume Up\r\n"
                           L"Notes =  , notepad.exe\r\n"
                           L"[Sound]\r\n"
                           L"1 = TRUE,  \r\n"
                           L"2 = FALSE,  ding.wav\r\n";

ShortCutItem* ItemAt(CShortCutConfig& store, size_t index)
{
    auto it = store.m_ShortCutList.begin();
    std::advance(it, index);
    return *it;
}

} // namespace

TEST_F(StoreTest, ExampleFileReadsAndIsWrittenByteForByte)
{
    PutConfig(kExample);
    {
        CShortCutConfig store;
        EXPECT_EQ(store.m_strConfigFilePath, ConfigPath());
        EXPECT_EQ(store.IsShortCutSectionRead(), 1u);
        EXPECT_EQ(store.m_nGeneralCloseToTray, 0);
        EXPECT_EQ(store.m_nGenAssignASound, 1);
        EXPECT_EQ(store.m_strGenSoundAddress, L"tick.wav");
        EXPECT_EQ(store.m_tmTimeCheckPadFile, CTime(2011, 7, 3, 12, 30, 15));
        ASSERT_EQ(store.m_ShortCutList.size(), 2u);
        ShortCutItem* volume = ItemAt(store, 0);
        EXPECT_STREQ(volume->m_pszName, L"Volume Up");
        EXPECT_STREQ(volume->m_pszCommand, L"Volume Up");
        EXPECT_EQ(volume->m_wModifiers, FALT | FVIRTKEY | FNOINVERT);
        EXPECT_EQ(volume->m_wVirtualKey, VK_UP);
        EXPECT_EQ(volume->GetPlaySound(), 1u);
        EXPECT_EQ(volume->GetSoundFile(), L"");
        ShortCutItem* notes = ItemAt(store, 1);
        EXPECT_STREQ(notes->m_pszCommand, L"notepad.exe");
        EXPECT_FALSE(notes->IsRegistrable());
        EXPECT_EQ(notes->GetPlaySound(), 0u);
        EXPECT_EQ(notes->GetSoundFile(), L"ding.wav");
        WriteBytes(ConfigPath(), "changed");
    } // the destructor saves
    EXPECT_EQ(ReadBytes(ConfigPath()), Utf16File(kExample));
    EXPECT_EQ(GetPathKind(ConfigPath() + L".tmp"), 0);
}

TEST_F(StoreTest, ReaderTolerances)
{
    PutConfig(L"[Short Cut]\r\n");
    CShortCutConfig store;
    EXPECT_TRUE(store.m_ShortCutList.empty()); // a header with no rows: no default set
    store.ParseConfig(L"ignored before any section\n"
                      L"[Sound]\n"
                      L"1 = FALSE, early.wav\n" // no item yet: ignored
                      L"  [  general ]  \n"
                      L"\n"
                      L"   infotime   =   2500   \n"
                      L"Colour = 3\n"
                      L"PromptNameShortcut\n"
                      L"GenSoundAddress = D:\\a=b.wav\n"
                      L"CheckNewVersion = 1 = 7\n"
                      L"[ShortCut]\n"
                      L"Lost = Ctrl + L , lost.exe\n"
                      L"[SHORT CUT]\r\n"
                      L"Calc=Ctrl+Alt+K,calc.exe\r\n"
                      L"Just A Name\n"
                      L"Browse = Ctrl + B , cmd /c dir a,b , c\n"
                      L" = Ctrl + E , nameless\n"
                      L"Order = X + Alt + Ctrl\n"
                      L"[ sound ]\n"
                      L"0 = FALSE,  x.wav\n"
                      L"6 = FALSE,  x.wav\n"
                      L"2 = no,  x.wav\n"
                      L"3\n"
                      L"4 = false ,  \"last one.wav\"  \n"
                      L"[Other]\n"
                      L"4 = FALSE, y.wav\n");
    EXPECT_EQ(store.m_nInfoTime, 2500);
    EXPECT_EQ(store.m_nPromptNameShortcut, 0);
    EXPECT_EQ(store.m_strGenSoundAddress, L"D:\\a");
    EXPECT_EQ(store.m_nCheckNewVersion, 1);
    EXPECT_EQ(store.m_nInfoTransparent, 80);
    ASSERT_EQ(store.m_ShortCutList.size(), 4u); // the nameless line is ignored

    ShortCutItem* calc = ItemAt(store, 0);
    EXPECT_STREQ(calc->m_pszName, L"Calc");
    EXPECT_EQ(calc->m_wModifiers, FCONTROL | FALT | FVIRTKEY | FNOINVERT);
    EXPECT_EQ(calc->m_wVirtualKey, 'K');
    EXPECT_STREQ(calc->m_pszCommand, L"calc.exe");
    EXPECT_EQ(calc->GetPlaySound(), 1u);

    ShortCutItem* name = ItemAt(store, 1);
    EXPECT_STREQ(name->m_pszName, L"Just A Name");
    EXPECT_STREQ(name->m_pszCommand, L"");
    EXPECT_EQ(name->m_wModifiers, 0);
    EXPECT_EQ(name->GetPlaySound(), 1u); // "no" is not "FALSE"
    EXPECT_EQ(name->GetSoundFile(), L"x.wav");

    ShortCutItem* browse = ItemAt(store, 2);
    EXPECT_STREQ(browse->m_pszCommand, L"cmd /c dir a,b , c");
    EXPECT_STREQ(browse->m_pszSoundFile, L""); // "3" alone: flag 1, empty sound file
    EXPECT_EQ(browse->GetPlaySound(), 1u);

    ShortCutItem* last = ItemAt(store, 3); // the line numbered with the item count applies
    EXPECT_EQ(last->FormatHotKey(), L"Ctrl + Alt + X");
    EXPECT_EQ(last->GetPlaySound(), 0u);
    EXPECT_EQ(last->GetSoundFile(), L"\"last one.wav\"");
    ResetStore(store);
}

TEST_F(StoreTest, DefaultsOnAMissingEmptyOrHeaderlessFile)
{
    {
        CShortCutConfig store;
        // The first start creates the folder and an empty file, then runs on the defaults.
        EXPECT_EQ(GetPathKind(DataFolder()), 1);
        EXPECT_EQ(CTextFile::GetFileSize(ConfigPath()), 0u);
        EXPECT_EQ(store.GetPadFilePath(), DataFolder() + L"\\pad_keystrider.xml");
        EXPECT_EQ(store.IsShortCutSectionRead(), 0u);
        EXPECT_EQ(store.m_nInfoTime, 3000);
        EXPECT_EQ(store.m_nInfoTransparent, 80);
        EXPECT_EQ(store.m_nCheckNewVersion, 2);
        EXPECT_EQ(store.GetSettingText(SETTING_TYPE_TEXT, SETTING_TIME_CHECK_PAD_FILE),
                  L"2000, 01, 01, 01, 01, 00");
        ASSERT_EQ(store.m_ShortCutList.size(), DEFAULT_SHORTCUT_COUNT);
        size_t i = 0;
        UINT firstSerial = store.m_ShortCutList.front()->m_nSerial;
        for (const ShortCutItem* item : store.m_ShortCutList)
        {
            EXPECT_STREQ(item->m_pszName, g_DefaultShortCuts[i].pszName);
            EXPECT_EQ(item->m_nSerial, firstSerial - i);
            EXPECT_EQ(item->GetPlaySound(), 1u);
            EXPECT_EQ(item->IsRegistrable(), i < 7);
            ++i;
        }
        EXPECT_FALSE(store.m_strExeFolder.IsEmpty());
        EXPECT_EQ(store.m_strExeFolder[store.m_strExeFolder.GetLength() - 1], L'\\');
        EXPECT_FALSE(store.m_strProgramPath.IsEmpty());
    }
    // The save at the end writes the whole file, defaults included.
    CShortCutConfig again;
    EXPECT_EQ(again.IsShortCutSectionRead(), 1u);
    EXPECT_EQ(again.m_ShortCutList.size(), DEFAULT_SHORTCUT_COUNT);
    EXPECT_STREQ(again.m_ShortCutList.back()->m_pszCommand, L"Exit");
    ResetStore(again);
    again.ParseConfig(L"");
    EXPECT_TRUE(again.m_ShortCutList.empty());

    PutConfig(L"[General]\r\nInfoTime = 1234\r\n");
    CShortCutConfig headerless;
    EXPECT_EQ(headerless.m_nInfoTime, 1234);
    EXPECT_EQ(headerless.m_nGeneralLaunchStart, 1);
    EXPECT_EQ(headerless.m_ShortCutList.size(), DEFAULT_SHORTCUT_COUNT);
    ResetStore(headerless);
}

TEST_F(StoreTest, OtherEncodingsReadLikeUtf16AndAreSavedAsUtf16)
{
    CreateDirectoryW(DataFolder(), nullptr);
    // UTF-8 with mark, edited by hand: LF endings and a name beyond ASCII.
    WriteBytes(ConfigPath(), "\xEF\xBB\xBF[Short Cut]\nCaf\xC3\xA9 = Ctrl + E , caf\xC3\xA9.exe\n"
                             "[General]\nInfoTime = 777\n");
    {
        CShortCutConfig store;
        EXPECT_EQ(store.m_nInfoTime, 777);
        ASSERT_EQ(store.m_ShortCutList.size(), 1u);
        EXPECT_STREQ(store.m_ShortCutList.front()->m_pszName, L"Caf\u00e9");
        EXPECT_STREQ(store.m_ShortCutList.front()->m_pszCommand, L"caf\u00e9.exe");
    }
    EXPECT_EQ(ReadBytes(ConfigPath()).substr(0, 2), "\xFF\xFE");

    std::wstring be = L"[Short Cut]\r\nBig = Alt + B , big.exe\r\n";
    std::string bytes = "\xFE\xFF";
    for (wchar_t ch : be)
    {
        bytes += static_cast<char>(ch >> 8);
        bytes += static_cast<char>(ch & 0xFF);
    }
    WriteBytes(ConfigPath(), bytes);
    {
        CShortCutConfig store;
        ASSERT_EQ(store.m_ShortCutList.size(), 1u);
        EXPECT_EQ(store.m_ShortCutList.front()->FormatHotKey(), L"Alt + B");
    }

    // UTF-8 without a mark, as editors save it today: read as UTF-8, saved as UTF-16.
    WriteBytes(ConfigPath(), "[Short Cut]\r\n\xC3\x89"
                             "diteur = Ctrl + E , notepad.exe\r\n");
    {
        CShortCutConfig store;
        ASSERT_EQ(store.m_ShortCutList.size(), 1u);
        EXPECT_STREQ(store.m_ShortCutList.front()->m_pszName, L"\u00C9diteur");
    }
    EXPECT_EQ(ReadBytes(ConfigPath()).substr(0, 2), "\xFF\xFE");
    CShortCutConfig saved;
    ASSERT_EQ(saved.m_ShortCutList.size(), 1u);
    EXPECT_STREQ(saved.m_ShortCutList.front()->m_pszName, L"\u00C9diteur");
}

TEST_F(StoreTest, ANulCharacterInTheFileLosesNoShortCutBehindIt)
{
    std::wstring text = L"[Short Cut]\r\nOne = Ctrl + 1 , one.exe\r\nTw";
    text += L'\0';
    text += L"o = Ctrl + 2 , two.exe\r\nThree = Ctrl + 3 , three.exe\r\n"
            L"[Sound]\r\n1 = TRUE,  \r\n2 = FALSE,  two.wav\r\n3 = FALSE,  three.wav\r\n";
    PutConfig(text);
    {
        CShortCutConfig store;
        ASSERT_EQ(store.m_ShortCutList.size(), 3u);
        EXPECT_STREQ(ItemAt(store, 1)->m_pszName, L"Two");
        EXPECT_STREQ(ItemAt(store, 2)->m_pszCommand, L"three.exe");
        EXPECT_EQ(ItemAt(store, 2)->GetSoundFile(), L"three.wav");
    }
    // The save at the end kept them all.
    CShortCutConfig store;
    ASSERT_EQ(store.m_ShortCutList.size(), 3u);
    EXPECT_EQ(ItemAt(store, 2)->GetSoundFile(), L"three.wav");

    // An imported file (ANSI here, its NUL past the first bytes) keeps them all too.
    CString imported = m_dir.File(L"import.ini");
    const char kImport[] = "[Short Cut]\r\nA = Ctrl + A , a.exe\r\n\0B = Ctrl + B , b.exe\r\n"
                           "[Sound]\r\n2 = FALSE,  b.wav\r\n";
    WriteBytes(imported, std::string(kImport, sizeof(kImport) - 1));
    FreeShortCutList(store.m_ShortCutList);
    store.ReadConfig(imported);
    ASSERT_EQ(store.m_ShortCutList.size(), 2u);
    EXPECT_STREQ(ItemAt(store, 1)->m_pszName, L"B");
    EXPECT_EQ(ItemAt(store, 1)->GetSoundFile(), L"b.wav");
}

TEST_F(StoreTest, FlagsAndNumbersAreWrittenAsGiven)
{
    PutConfig(L"[General]\r\nGenPlaySound = 5\r\nStrikeOnHour = -2\r\nInfoTime = 2147483647\r\n"
              L"[Short Cut]\r\nNoCommand = Ctrl + A\r\n");
    CShortCutConfig store;
    EXPECT_EQ(store.m_nGenPlaySound, 5);
    CString text = store.FormatConfig();
    EXPECT_GE(text.Find(L"\r\nGenPlaySound = 5\r\n"), 0);
    EXPECT_GE(text.Find(L"\r\nStrikeOnHour = -2\r\n"), 0);
    EXPECT_GE(text.Find(L"\r\nInfoTime = 2147483647\r\n"), 0);
    // A command read from a line without one is empty, not unset: the comma part is written.
    EXPECT_GE(text.Find(L"\r\nNoCommand = Ctrl + A , \r\n"), 0);
    ShortCutItem* bare = new ShortCutItem;
    bare->m_pszName = _wcsdup(L"Bare");
    bare->ParseHotKey(L"Ctrl + B");
    store.m_ShortCutList.push_back(bare);
    store.m_ShortCutList.push_back(new ShortCutItem); // no name: not written, not counted
    store.m_ShortCutList.back()->m_pszCommand = _wcsdup(L"nameless");
    text = store.FormatConfig();
    EXPECT_GE(text.Find(L"\r\nBare = Ctrl + B\r\n"), 0);
    EXPECT_GE(text.Find(L"\r\n2 = TRUE,  \r\n"), 0);
    EXPECT_LT(text.Find(L"nameless"), 0);
    EXPECT_LT(text.Find(L"\r\n3 = "), 0);
}

TEST_F(StoreTest, TextsThatTheFormatCannotHoldSurviveASaveAndALoad)
{
    TempFolder sounds;
    CString soundPath = sounds.File(L"a=b.wav");
    WriteBytes(soundPath, "RIFF");
    {
        PutConfig(L"[Short Cut]\r\n");
        CShortCutConfig store;
        ShortCutItem* item = new ShortCutItem;
        item->m_pszName = _wcsdup(L"Zoom = in");
        item->m_pszCommand = _wcsdup(L"line one\r\nline two\rthree");
        item->ParseHotKey(L"Ctrl + ,"); // the comma key
        item->SetSoundFile(L"ding=dong.wav");
        store.m_ShortCutList.push_back(item);
        store.SetSettingText(SETTING_TYPE_TEXT, SETTING_GEN_SOUND_ADDRESS, soundPath);
    }
    CShortCutConfig store;
    ASSERT_EQ(store.m_ShortCutList.size(), 1u);
    ShortCutItem* item = store.m_ShortCutList.front();
    EXPECT_STREQ(item->m_pszName, L"Zoom \xFF1D in");
    EXPECT_STREQ(item->m_pszCommand, L"line one line two\rthree");
    EXPECT_EQ(item->m_wVirtualKey, VK_OEM_COMMA);
    EXPECT_EQ(item->m_wModifiers, FCONTROL | FVIRTKEY | FNOINVERT);
    EXPECT_EQ(item->FormatHotKey(), L"Ctrl + ,");
    EXPECT_EQ(item->GetSoundFile(), L"ding=dong.wav");
    // The common sound file is kept by a path without "=" that names the same file.
    CString address = store.m_strGenSoundAddress;
    EXPECT_LT(address.Find(L'='), 0) << address.GetString();
    wchar_t longPath[MAX_PATH] = {};
    GetLongPathNameW(address, longPath, MAX_PATH);
    EXPECT_EQ(CString(longPath).CompareNoCase(soundPath), 0) << longPath;
}

TEST_F(StoreTest, AFailedSaveLeavesThePreviousFileWhole)
{
    PutConfig(kExample);
    MessageBoxRecorder boxes;
    CShortCutConfig store;
    store.m_nInfoTime = 1;
    std::string before = ReadBytes(ConfigPath());

    // The target cannot be replaced (another program holds it open without sharing).
    HANDLE held = CreateFileW(ConfigPath(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    store.WriteConfig(nullptr);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(ConfigPath()), before);
    EXPECT_EQ(GetPathKind(ConfigPath() + L".tmp"), 0);
    EXPECT_EQ(MessageBoxRecorder::Texts(), L"The file \"" + ConfigPath().str() + L"\" cannot be opened.\n");

    // Read-only target: the same.
    MessageBoxRecorder::Texts().clear();
    SetFileAttributesW(ConfigPath(), FILE_ATTRIBUTE_READONLY);
    store.WriteConfig(nullptr);
    SetFileAttributesW(ConfigPath(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(ConfigPath()), before);
    EXPECT_NE(MessageBoxRecorder::Texts(), L"");

    // A folder that does not exist: the open-failure message, nothing written.
    MessageBoxRecorder::Texts().clear();
    CString nowhere = m_dir.File(L"no\\such\\export.ini");
    store.WriteConfig(nowhere);
    EXPECT_EQ(MessageBoxRecorder::Texts(), L"The file \"" + nowhere.str() + L"\" cannot be opened.\n");

    // An export to a chosen file, then a successful save: the new text replaces the old one.
    MessageBoxRecorder::Texts().clear();
    store.WriteConfig(m_dir.File(L"export.ini"));
    store.WriteConfig(nullptr);
    EXPECT_EQ(MessageBoxRecorder::Texts(), L"");
    EXPECT_EQ(ReadBytes(m_dir.File(L"export.ini")), ReadBytes(ConfigPath()));
    EXPECT_NE(ReadBytes(ConfigPath()), before);
    store.m_strConfigFilePath.Empty(); // keep the destructor quiet about the hook going away
}

namespace
{
// How the store differs from the shortcuts config_saver saves, in their order; empty when it holds
// exactly those.
std::wstring SaverShortCutsDiffer(CShortCutConfig& store, int count)
{
    if (store.m_ShortCutList.size() != static_cast<size_t>(count))
        return L"holds " + std::to_wstring(store.m_ShortCutList.size()) + L" shortcuts";
    int n = 0;
    for (const ShortCutItem* item : store.m_ShortCutList)
    {
        ++n;
        wchar_t name[32], command[80], sound[32];
        swprintf(name, 32, L"Shortcut %d", n);
        swprintf(command, 80, L"C:\\Tools\\tool%d.exe --option %d", n, n);
        swprintf(sound, 32, L"sound%d.wav", n);
        if (wcscmp(item->m_pszName, name) != 0 || wcscmp(item->m_pszCommand, command) != 0 ||
            item->GetSoundFile() != sound || item->FormatHotKey() != L"Ctrl + Alt + K")
            return L"shortcut " + std::to_wstring(n) + L" is \"" + item->m_pszName + L"\"";
    }
    return L"";
}

struct EventHandle
{
    HANDLE h;
    ~EventHandle()
    {
        if (h != nullptr)
            CloseHandle(h);
    }
};
} // namespace

// A program ended by force in the middle of a save (a crash, a kill) leaves the previous file or the new
// one, each whole, never a shortened one.
TEST_F(StoreTest, ASaveEndedByForceAtAnyMomentLeavesTheFileWhole)
{
    const int kCount = 3000;
    const int kKills = 30;
    CShortCutConfig reader;
    reader.m_strConfigFilePath.Empty(); // this store only reads; it saves nothing at its end
    std::wstring eventName = L"KeystriderTestSaving" + std::to_wstring(GetCurrentProcessId());
    EventHandle saving{CreateEventW(nullptr, FALSE, FALSE, eventName.c_str())};
    ASSERT_NE(saving.h, nullptr);
    std::wstring args = QuoteArg(LocalAppData().str()) + L" " + std::to_wstring(kCount) + L" " + eventName;
    int killsDuringASave = 0;
    for (int kill = 0; kill < kKills; ++kill)
    {
        ChildProcess saver;
        ASSERT_TRUE(saver.Start(TestBinPath(L"config_saver.exe"), args));
        HANDLE waits[] = {saving.h, saver.Handle()};
        ASSERT_EQ(WaitForMultipleObjects(2, waits, FALSE, 60000), WAIT_OBJECT_0)
            << "the saver never finished its first save";
        // The saves follow each other without a pause; the kills fall at spread-out moments of them.
        Sleep(static_cast<DWORD>(kill * 7 % 43));
        saver.Terminate();
        if (GetPathKind(ConfigPath() + L".tmp") != 0)
            ++killsDuringASave;

        ASSERT_EQ(ReadBytes(ConfigPath()).substr(0, 2), "\xFF\xFE") << "after kill " << kill;
        ResetStore(reader);
        reader.ReadConfig(ConfigPath());
        ASSERT_EQ(SaverShortCutsDiffer(reader, kCount), L"") << "after kill " << kill;
    }
    // A stray temporary file shows a kill that fell inside a save: at least half of them must, or the
    // test proves nothing.
    EXPECT_GE(killsDuringASave, kKills / 2);
    ResetStore(reader);
}

TEST_F(StoreTest, NoLocalDataFolderRunsOnDefaultsAndSavesNothing)
{
    SimulateNoLocalAppData(true);
    MessageBoxRecorder boxes;
    {
        CShortCutConfig store;
        EXPECT_EQ(store.m_strDataFolder, L"");
        EXPECT_EQ(store.m_strConfigFilePath, L"");
        EXPECT_EQ(store.GetPadFilePath(), L"");
        EXPECT_EQ(store.m_ShortCutList.size(), DEFAULT_SHORTCUT_COUNT);
        store.ReadConfig(nullptr);
        EXPECT_EQ(store.m_ShortCutList.size(), DEFAULT_SHORTCUT_COUNT);
    }
    EXPECT_EQ(MessageBoxRecorder::Texts(), L"");
    EXPECT_EQ(GetPathKind(DataFolder()), 0);
}

TEST_F(StoreTest, DataFolderPathEndingWithASeparatorGetsNoSecondOne)
{
    SetSpecialFolderPathFunc(
        [](HWND, LPWSTR path, int, BOOL) -> BOOL
        {
            wchar_t temp[MAX_PATH] = {};
            GetTempPathW(MAX_PATH, temp); // ends with "\"
            wcsncpy_s(path, MAX_PATH, temp, _TRUNCATE);
            return TRUE;
        });
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    CShortCutConfig* store = new CShortCutConfig;
    EXPECT_EQ(store->m_strDataFolder, CString(temp) + L"Keystrider");
    // Leave nothing behind in the shared temporary folder.
    CString config = store->m_strConfigFilePath;
    store->m_strConfigFilePath.Empty();
    delete store;
    DeleteFileW(config);
    RemoveDirectoryW(CString(temp) + L"Keystrider");
}

namespace
{
ShortCutItem* MakeListItem(const wchar_t* name, const wchar_t* command, const wchar_t* key,
                           const wchar_t* sound, UINT play)
{
    ShortCutItem* item = new ShortCutItem;
    item->m_pszName = _wcsdup(name);
    item->m_pszCommand = command != nullptr ? _wcsdup(command) : nullptr;
    item->ParseHotKey(key);
    item->SetSoundFile(sound);
    item->SetPlaySound(play);
    return item;
}

// A text as the file gives it back: one line (CR LF dropped, LF a blank), trimmed.
std::wstring AsReadBack(const wchar_t* text)
{
    std::wstring out;
    for (const wchar_t* p = text != nullptr ? text : L""; *p != L'\0'; ++p)
    {
        if (p[0] == L'\r' && p[1] == L'\n')
            continue;
        out += *p == L'\n' ? L' ' : *p;
    }
    size_t b = 0, e = out.size();
    while (b < e && iswspace(out[b]))
        ++b;
    while (e > b && iswspace(out[e - 1]))
        --e;
    return out.substr(b, e - b);
}
} // namespace

TEST_F(StoreTest, ShortCutsMadeInTheListKeepTheirPlaceAndTheirSoundAfterASave)
{
    PutConfig(L"[Short Cut]\r\n");
    CShortCutConfig store;
    // A bracketed name with a command or key ending in "]" must not read as a section header (the
    // shortcuts behind it would be lost), and a name of blanks only (a dropped file " .txt") must not
    // shift the "Sound" numbers of the shortcuts behind it.
    store.m_ShortCutList = {
        MakeListItem(L"[Work] Mail", L"mailer /folder [Inbox]", L"Ctrl + M", L"mail.wav", 1),
        MakeListItem(L" ", L"\"C:\\ .txt\"", L"", L"blank.wav", 1),
        MakeListItem(L"[x", nullptr, L"Ctrl + ]", L"", 0),
        MakeListItem(L"Last", L"last.exe", L"Alt + L", L"last.wav", 0),
    };
    CString written = store.FormatConfig();
    ResetStore(store);
    store.ParseConfig(written);
    ASSERT_EQ(store.m_ShortCutList.size(), 3u) << written.GetString();
    ShortCutItem* work = ItemAt(store, 0);
    EXPECT_STREQ(work->m_pszName, L"\xFF3BWork] Mail");
    EXPECT_STREQ(work->m_pszCommand, L"mailer /folder [Inbox]");
    EXPECT_EQ(work->GetSoundFile(), L"mail.wav");
    ShortCutItem* bracket = ItemAt(store, 1);
    EXPECT_STREQ(bracket->m_pszName, L"\xFF3Bx");
    EXPECT_EQ(bracket->FormatHotKey(), L"Ctrl + ]");
    EXPECT_EQ(bracket->GetPlaySound(), 0u);
    ShortCutItem* last = ItemAt(store, 2);
    EXPECT_STREQ(last->m_pszName, L"Last");
    EXPECT_EQ(last->GetSoundFile(), L"last.wav");
    EXPECT_EQ(last->GetPlaySound(), 0u);
    EXPECT_GE(written.Find(L"\r\nLast = Alt + L , last.exe\r\n"), 0);
    ResetStore(store);

    // Any shortcut the list can hold: every one whose name survives comes back in its place, with its
    // key, command, flag and sound.
    const wchar_t* const pieces[] = {L"[",  L"]", L"=",    L",",      L" ",  L"\t",     L"\n", L"\r\n",
                                     L"\r", L"a", L"Work", L"[Work]", L"x]", L"\u00e9", L"1",  L"TRUE"};
    const wchar_t* const keys[] = {L"",         L"Ctrl + ]", L"]",          L"Alt + [", L"Ctrl + ,",
                                   L"Win + F5", L"=",        L"Shift + \\", L"A"};
    std::mt19937 rng(1207);
    auto text = [&](int most) -> std::wstring
    {
        std::wstring t;
        for (int n = static_cast<int>(rng() % (most + 1)); n > 0; --n)
            t += pieces[rng() % (sizeof(pieces) / sizeof(pieces[0]))];
        return t;
    };
    for (int round = 0; round < 3000; ++round)
    {
        std::vector<ShortCutItem*> made;
        for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n)
        {
            std::wstring name = text(4);
            if (name.empty())
                name = L"n";
            std::wstring command = text(4);
            std::wstring sound = text(3);
            ShortCutItem* item =
                MakeListItem(name.c_str(), rng() % 5 == 0 ? nullptr : command.c_str(),
                             keys[rng() % (sizeof(keys) / sizeof(keys[0]))], sound.c_str(), rng() % 2);
            made.push_back(item);
            store.m_ShortCutList.push_back(item);
        }
        CString saved = store.FormatConfig();
        std::vector<std::wstring> expected;
        for (const ShortCutItem* item : made)
        {
            if (AsReadBack(item->m_pszName).empty())
                continue;
            wchar_t words[48];
            swprintf(words, 48, L"|%u|%u|%u|%u|", item->m_wModifiers, item->m_wVirtualKey, item->m_wWinKey,
                     item->GetPlaySound());
            std::wstring name = AsReadBack(item->m_pszName);
            for (wchar_t& ch : name)
                ch = ch == L'=' ? L'\xFF1D' : ch;
            expected.push_back(name + L"|" + AsReadBack(item->m_pszCommand) + words +
                               AsReadBack(item->m_pszSoundFile));
        }
        FreeShortCutList(store.m_ShortCutList);
        store.ParseConfig(saved);
        std::vector<std::wstring> got;
        for (const ShortCutItem* item : store.m_ShortCutList)
        {
            wchar_t words[48];
            swprintf(words, 48, L"|%u|%u|%u|%u|", item->m_wModifiers, item->m_wVirtualKey, item->m_wWinKey,
                     item->GetPlaySound());
            std::wstring name = item->m_pszName;
            if (name[0] == L'\xFF3B')
                name[0] = L'['; // kept off the section headers
            got.push_back(name + L"|" + item->m_pszCommand + words + item->GetSoundFile().str());
        }
        ASSERT_EQ(got, expected) << testing::PrintToString(saved.str());
        FreeShortCutList(store.m_ShortCutList);
    }
}

// The list commands of the main view against the store and the configuration file: new and delete,
// moves with the sound column, reset, check boxes, import and export, dropped files, the apply of a
// captured key, and the Windows Default page that never applies.
#include "app/KeystriderApp.h"
#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/LabelMessages.h"
#include "app/MainFrame.h"
#include "engine/DefaultShortCuts.h"
#include "engine/TextFile.h"
#include "framework/docview/DocTemplate.h"
#include "framework/controls/FileDialog.h"
#include "framework/window/MessageBox.h"
#include "res/resource.h"
#include "tests/list/ListTestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

namespace
{
// The file dialog's answer and what it was opened with.
struct FileDialogRecord
{
    INT_PTR result = IDCANCEL;
    CString path;
    int nShown = 0;
    BOOL bOpen = FALSE;
    std::wstring defExt, fileName, filter;
    DWORD flags = 0;
    HWND hOwner = nullptr;
};
FileDialogRecord g_dialog;

INT_PTR AnswerFileDialog(BOOL bOpen, const OPENFILENAMEW& ofn, CString& rPath)
{
    ++g_dialog.nShown;
    g_dialog.bOpen = bOpen;
    g_dialog.defExt = ofn.lpstrDefExt != nullptr ? ofn.lpstrDefExt : L"";
    g_dialog.fileName = ofn.lpstrFile != nullptr ? ofn.lpstrFile : L"";
    g_dialog.filter.clear();
    for (const wchar_t* p = ofn.lpstrFilter; p != nullptr && *p != L'\0'; p += wcslen(p) + 1)
        g_dialog.filter += std::wstring(p) + L"|";
    g_dialog.flags = ofn.Flags;
    g_dialog.hOwner = ofn.hwndOwner;
    rPath = g_dialog.path;
    return g_dialog.result;
}

CString TempPath(const wchar_t* pszName)
{
    wchar_t szFolder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szFolder);
    return CString(szFolder) + pszName;
}

bool FileExists(const CString& strPath)
{
    return ::GetFileAttributesW(strPath) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ReadFileText(const CString& strPath)
{
    CTextFile file;
    if (!file.Open(strPath, TEXT_MODE_READ))
        return L"";
    wchar_t* pszText = nullptr;
    file.ReadAll(&pszText, static_cast<UINT>(file.GetSize()));
    return pszText != nullptr ? pszText : L"";
}

ShortCutItem* MakeItem(const wchar_t* pszName, const wchar_t* pszCommand, const wchar_t* pszKey,
                       UINT bPlay = 1, const wchar_t* pszSound = nullptr)
{
    auto* pItem = new ShortCutItem;
    pItem->m_pszName = _wcsdup(pszName);
    pItem->m_pszCommand = _wcsdup(pszCommand);
    pItem->ParseHotKey(pszKey);
    pItem->SetPlaySound(bPlay);
    if (pszSound != nullptr)
        pItem->SetSoundFile(pszSound);
    return pItem;
}

std::vector<std::wstring> StoreNames()
{
    std::vector<std::wstring> names;
    for (ShortCutItem* pItem : theApp.m_ShortCutConfig.m_ShortCutList)
        names.push_back(pItem->m_pszName != nullptr ? pItem->m_pszName : L"");
    return names;
}

// The selection changes the list reports to hNotified (the view), counted by a call hook.
HWND g_hNotified = nullptr;
int g_nSelectionChanges = 0;

LRESULT CALLBACK CountSelectionChanges(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pCall = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pCall->message == WM_NOTIFY && pCall->hwnd == g_hNotified)
    {
        const auto* pNMLV = reinterpret_cast<const NMLISTVIEW*>(pCall->lParam);
        if (pNMLV->hdr.code == LVN_ITEMCHANGED && ((pNMLV->uOldState ^ pNMLV->uNewState) & LVIS_SELECTED) != 0)
            ++g_nSelectionChanges;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

class ViewListTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CShortCutConfig& store = theApp.m_ShortCutConfig;
        // Every write of the suite goes to a file of its own, never to the data folder.
        store.m_strConfigFilePath = TempPath(L"ks_list_test.ini");
        store.m_bRunning = 1;
        if (GetMainFrame() == nullptr)
        {
            theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc),
                                                         RUNTIME_CLASS(CMainFrame),
                                                         RUNTIME_CLASS(CKeystriderView)));
            theApp.OnFileNew();
        }
        if (CMainFrame* pFrame = GetMainFrame())
            pFrame->ShowWindow(SW_SHOWNORMAL);
        PumpPending();
    }

    void SetUp() override
    {
        CMainFrame* pFrame = GetMainFrame();
        ASSERT_NE(pFrame, nullptr);
        m_pView = DYNAMIC_DOWNCAST(CKeystriderView, pFrame->GetActiveView());
        ASSERT_NE(m_pView, nullptr);
        InstallMessageBoxAnswers();
        AfxSetFileDialogHook(&AnswerFileDialog);
        g_dialog = FileDialogRecord();

        CShortCutConfig& store = theApp.m_ShortCutConfig;
        store.m_nGenAssignASound = 0;
        store.UnregisterHotKeys(m_pView->GetSafeHwnd());
        FreeShortCutList(store.m_ShortCutList);
        store.m_ShortCutList.push_back(MakeItem(L"Volume Up", L"Volume Up", L"Alt + Up", 1, L"up.wav"));
        store.m_ShortCutList.push_back(MakeItem(L"Notepad", L"notepad.exe", L"Ctrl + Alt + N", 0, L"n.wav"));
        store.m_ShortCutList.push_back(MakeItem(L"Mute", L"Mute", L"Ctrl + Shift + M", 1));
        m_pView->ShowPage(0);
        store.RegisterHotKeys(m_pView->GetSafeHwnd());
        ::DeleteFileW(store.m_strConfigFilePath);
        PumpPending();
    }

    void TearDown() override
    {
        PumpPending();
        AfxSetFileDialogHook(nullptr);
        AfxSetMessageBoxHook(nullptr);
    }

    CShortCutListCtrl& List() { return m_pView->GetList(); }
    int Selected() { return List().GetNextItem(-1, LVNI_SELECTED); }
    void Select(int nRow)
    {
        List().SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    bool ConfigWritten() { return FileExists(theApp.m_ShortCutConfig.m_strConfigFilePath); }
    std::wstring ConfigText() { return ReadFileText(theApp.m_ShortCutConfig.m_strConfigFilePath); }

    CKeystriderView* m_pView = nullptr;
};
} // namespace

TEST_F(ViewListTest, NewThenDeleteBeforeAnApplyLeavesTheStoreAsItWas)
{
    const ShortCutList before = theApp.m_ShortCutConfig.m_ShortCutList;
    m_pView->OnNew();
    ASSERT_EQ(4, List().GetItemCount());
    EXPECT_EQ(3, Selected());
    EXPECT_EQ(CString(L"4"), List().GetItemText(3, 1));
    EXPECT_EQ(3u, theApp.m_ShortCutConfig.m_ShortCutList.size());

    MessageBoxes().answers = {IDNO, IDYES};
    m_pView->OnDelete();
    EXPECT_EQ(4, List().GetItemCount()) << "No deletes nothing";
    EXPECT_FALSE(ConfigWritten());
    m_pView->OnDelete();
    ASSERT_EQ(2u, MessageBoxes().texts.size());
    EXPECT_EQ(L"Do you want to delete the item?", MessageBoxes().texts[1]);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), MessageBoxes().types[1]);
    EXPECT_EQ(3, List().GetItemCount());
    EXPECT_EQ(2, Selected());
    EXPECT_EQ(before, theApp.m_ShortCutConfig.m_ShortCutList);
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad", L"Mute"}), StoreNames());
    EXPECT_TRUE(ConfigWritten());
}

TEST_F(ViewListTest, DeleteOfTheLastRowSelectsTheNewLastAndOfTheOnlyRowSelectsNothing)
{
    MessageBoxes().answers = {IDYES, IDYES, IDYES};
    Select(2);
    m_pView->OnDelete();
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad"}), StoreNames());
    EXPECT_EQ(1, Selected());

    Select(0);
    m_pView->OnDelete();
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad"}), StoreNames());
    EXPECT_EQ(CString(L"1"), List().GetItemText(0, 1));
    EXPECT_EQ(0, Selected());

    m_pView->OnDelete();
    EXPECT_TRUE(StoreNames().empty());
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(-1, Selected());
    EXPECT_EQ(std::wstring::npos, ConfigText().find(L"Notepad"));
}

TEST_F(ViewListTest, MovesCarryCheckBoxAndSoundFileWithTheShortcut)
{
    theApp.m_ShortCutConfig.m_nGenAssignASound = 1;
    m_pView->FillList(0);
    ASSERT_TRUE(List().GetCheck(0));
    ASSERT_FALSE(List().GetCheck(1));

    Select(0);
    m_pView->OnMoveDown();
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad", L"Volume Up", L"Mute"}), StoreNames());
    EXPECT_EQ(1, Selected());
    const ShortCutList& list = theApp.m_ShortCutConfig.m_ShortCutList;
    auto it = list.begin();
    EXPECT_EQ(0u, (*it)->GetPlaySound());
    EXPECT_EQ(CString(L"n.wav"), (*it)->GetSoundFile());
    ++it;
    EXPECT_EQ(1u, (*it)->GetPlaySound());
    EXPECT_EQ(CString(L"up.wav"), (*it)->GetSoundFile());
    EXPECT_EQ(CString(L"Alt + Up"), List().GetItemText(1, 4));
    EXPECT_FALSE(List().GetCheck(0));
    EXPECT_TRUE(List().GetCheck(1));

    m_pView->OnMoveUp();
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad", L"Mute"}), StoreNames());
    EXPECT_EQ(0, Selected());

    // At the top, up changes no row but still applies and writes the file.
    ::DeleteFileW(theApp.m_ShortCutConfig.m_strConfigFilePath);
    m_pView->OnMoveUp();
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad", L"Mute"}), StoreNames());
    EXPECT_TRUE(ConfigWritten());
    theApp.m_ShortCutConfig.m_nGenAssignASound = 0;
}

TEST_F(ViewListTest, TickingACheckBoxStoresAndWritesAtOnce)
{
    theApp.m_ShortCutConfig.m_nGenAssignASound = 1;
    m_pView->FillList(0);
    EXPECT_FALSE(ConfigWritten()) << "filling the list raises check changes that find no item";
    List().SetCheck(0, FALSE);
    PumpPending();
    EXPECT_EQ(0u, theApp.m_ShortCutConfig.m_ShortCutList.front()->GetPlaySound());
    EXPECT_TRUE(ConfigWritten());
    theApp.m_ShortCutConfig.m_nGenAssignASound = 0;
}

TEST_F(ViewListTest, ResetGivesExactlyTheElevenDefaultsAndWritesTheFile)
{
    MessageBoxes().answers = {IDNO};
    m_pView->OnResetToDefault();
    EXPECT_EQ(3u, StoreNames().size());
    EXPECT_EQ(L"Are you sure that use the default setting and discard the current setting?",
              MessageBoxes().texts[0]);

    for (int i = 0; i < 20; ++i)
        m_pView->OnNew(); // unapplied rows whose items the reset must free
    MessageBoxes().answers = {IDYES};
    m_pView->OnResetToDefault();
    ASSERT_EQ(static_cast<int>(DEFAULT_SHORTCUT_COUNT), List().GetItemCount());
    std::vector<std::wstring> expected;
    for (size_t i = 0; i < DEFAULT_SHORTCUT_COUNT; ++i)
    {
        expected.push_back(g_DefaultShortCuts[i].pszName);
        CString strNumber;
        strNumber.Format(L"%d", static_cast<int>(i) + 1);
        EXPECT_EQ(strNumber, List().GetItemText(static_cast<int>(i), 1));
        ShortCutItem probe;
        probe.ParseHotKey(g_DefaultShortCuts[i].pszHotKey);
        EXPECT_EQ(probe.FormatHotKey(), List().GetItemText(static_cast<int>(i), 4));
    }
    EXPECT_EQ(expected, StoreNames());
    EXPECT_NE(std::wstring::npos, ConfigText().find(g_DefaultShortCuts[0].pszName));
}

TEST_F(ViewListTest, ExportWritesTheStoreNotUnappliedRows)
{
    m_pView->OnNew();
    List().SetItemText(3, 2, L"Unapplied");
    const CString strPath = TempPath(L"ks_list_export.ini");
    ::DeleteFileW(strPath);
    g_dialog.result = IDOK;
    g_dialog.path = strPath;
    m_pView->OnExportConfiguration();
    EXPECT_FALSE(g_dialog.bOpen);
    EXPECT_EQ(L"Keystrder_cfg.ini", g_dialog.fileName);
    EXPECT_EQ(L"Ini File|*.ini|All Files|*.*|", g_dialog.filter);
    EXPECT_NE(0u, g_dialog.flags & OFN_HIDEREADONLY);
    EXPECT_EQ(0u, g_dialog.flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(m_pView->GetSafeHwnd(), g_dialog.hOwner);
    const std::wstring text = ReadFileText(strPath);
    EXPECT_NE(std::wstring::npos, text.find(L"Notepad"));
    EXPECT_EQ(std::wstring::npos, text.find(L"Unapplied"));

    // Cancel writes nothing.
    ::DeleteFileW(strPath);
    g_dialog.result = IDCANCEL;
    m_pView->OnExportConfiguration();
    EXPECT_FALSE(FileExists(strPath));
}

TEST_F(ViewListTest, ImportReplacesTheShortcutsAndKeepsThemWhenTheFileCannotBeRead)
{
    const CString strPath = TempPath(L"ks_list_import.ini");
    theApp.m_ShortCutConfig.WriteConfig(strPath); // Volume Up, Notepad, Mute
    MessageBoxes().answers = {IDYES};
    Select(0);
    m_pView->OnDelete();
    ASSERT_EQ((std::vector<std::wstring>{L"Notepad", L"Mute"}), StoreNames());
    m_pView->OnNew(); // an unapplied row the import drops

    g_dialog.result = IDOK;
    g_dialog.path = strPath;
    ::DeleteFileW(theApp.m_ShortCutConfig.m_strConfigFilePath);
    m_pView->OnImportConfiguration();
    EXPECT_TRUE(g_dialog.bOpen);
    EXPECT_EQ(L"Keystrder_cfg.ini", g_dialog.fileName);
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad", L"Mute"}), StoreNames());
    EXPECT_EQ(3, List().GetItemCount());
    EXPECT_EQ(CString(L"Alt + Up"), List().GetItemText(0, 4));
    EXPECT_NE(std::wstring::npos, ConfigText().find(L"Volume Up"));

    // A missing file is reported and replaces nothing.
    Select(0);
    MessageBoxes().answers = {IDYES};
    m_pView->OnDelete();
    const size_t nBoxes = MessageBoxes().texts.size();
    g_dialog.path = TempPath(L"ks_list_missing.ini");
    ::DeleteFileW(g_dialog.path);
    m_pView->OnImportConfiguration();
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad", L"Mute"}), StoreNames());
    EXPECT_EQ(2, List().GetItemCount());
    ASSERT_EQ(nBoxes + 1, MessageBoxes().texts.size());
    EXPECT_EQ(std::wstring(L"The file \"") + g_dialog.path.GetString() + L"\" cannot be opened.",
              MessageBoxes().texts.back());

    // A file held open without sharing (locked) keeps the shortcuts too.
    HANDLE hLocked =
        ::CreateFileW(strPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hLocked, INVALID_HANDLE_VALUE);
    g_dialog.path = strPath;
    m_pView->OnImportConfiguration();
    ::CloseHandle(hLocked);
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad", L"Mute"}), StoreNames());
}

TEST_F(ViewListTest, DroppedFilesBecomeShortcutsInTheStoreWrittenLater)
{
    CStringArray files;
    files.Add(L"D:\\Music\\song.mp3");
    files.Add(L"C:\\Users\\me\\.profile");
    files.Add(L"C:\\Data\\report.v2.txt");
    m_pView->AddDroppedFiles(files);
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad", L"Mute", L"song", L"", L"report.v2"}),
              StoreNames());
    EXPECT_EQ(6, List().GetItemCount());
    EXPECT_EQ(CString(L"\"D:\\Music\\song.mp3\""), List().GetItemText(3, 3));
    EXPECT_EQ(CString(L"song"), List().GetItemText(3, 2));
    EXPECT_EQ(CString(L""), List().GetItemText(3, 4));
    const ShortCutItem* pSong = *std::next(theApp.m_ShortCutConfig.m_ShortCutList.begin(), 3);
    EXPECT_STREQ(L"\"D:\\Music\\song.mp3\"", pSong->m_pszCommand);
    EXPECT_EQ(0, pSong->m_wModifiers);
    EXPECT_FALSE(ConfigWritten());

    // The next list command writes them.
    m_pView->OnApplyList();
    EXPECT_NE(std::wstring::npos, ConfigText().find(L"report.v2"));
}

TEST_F(ViewListTest, ManyDroppedFilesMoveTheSelectionOnceToTheLastNewRow)
{
    // Each selection change switches the row buttons off and on and has the view look for the
    // selected row through all rows: once per file, a large drop took time in files times rows.
    Select(0);
    CStringArray files;
    for (int i = 1; i <= 50; ++i)
    {
        CString strPath;
        strPath.Format(L"C:\\Data\\file%d.txt", i);
        files.Add(strPath);
    }
    g_hNotified = m_pView->GetSafeHwnd();
    g_nSelectionChanges = 0;
    HHOOK hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, &CountSelectionChanges, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    m_pView->AddDroppedFiles(files);
    ::UnhookWindowsHookEx(hHook);

    EXPECT_LE(g_nSelectionChanges, 2) << "row 0 deselected, the last new row selected";
    ASSERT_EQ(53, List().GetItemCount());
    EXPECT_EQ(52, Selected());
    EXPECT_EQ(CString(L"53"), List().GetItemText(52, 1));
    EXPECT_EQ(CString(L"file50"), List().GetItemText(52, 2));
    EXPECT_EQ(CString(L"file1"), List().GetItemText(3, 2));
    EXPECT_EQ(53u, theApp.m_ShortCutConfig.m_ShortCutList.size());
    CWnd* pDelete = m_pView->GetDlgItem(IDC_DELETE);
    ASSERT_NE(pDelete, nullptr);
    EXPECT_TRUE(pDelete->IsWindowEnabled());
    EXPECT_FALSE(ConfigWritten());
}

TEST_F(ViewListTest, CapturedKeyIsAppliedInCanonicalForm)
{
    Select(2);
    List().SetFocus();
    {
        HeldKeys held({VK_CONTROL, VK_SHIFT});
        List().SendMessage(WM_KEYDOWN, VK_F5, 1);
    }
    EXPECT_EQ(CString(L"Ctrl + Shift + F5"), List().GetItemText(2, 4));
    PumpFor(20);
    EXPECT_EQ(CString(L"Shift + Ctrl + F5"), List().GetItemText(2, 4));
    const ShortCutItem* pItem = theApp.m_ShortCutConfig.m_ShortCutList.back();
    EXPECT_EQ(VK_F5, pItem->m_wVirtualKey);
    EXPECT_EQ(FSHIFT | FCONTROL | FVIRTKEY | FNOINVERT, pItem->m_wModifiers);
    EXPECT_EQ(2, Selected());
    EXPECT_NE(std::wstring::npos, ConfigText().find(L"Shift + Ctrl + F5"));

    // Empty key: the key goes from the cell, the store and the file.
    m_pView->OnEmptyKey();
    EXPECT_EQ(CString(L""), List().GetItemText(2, 4));
    EXPECT_EQ(0, theApp.m_ShortCutConfig.m_ShortCutList.back()->m_wVirtualKey);
}

TEST_F(ViewListTest, TheWindowsDefaultPageNeverApplies)
{
    m_pView->ShowPage(1);
    EXPECT_EQ(17, List().GetItemCount());
    EXPECT_TRUE(List().IsReadOnly());
    m_pView->OnApplyList();
    m_pView->OnPurgeRemovedRows();
    EXPECT_EQ((std::vector<std::wstring>{L"Volume Up", L"Notepad", L"Mute"}), StoreNames());
    EXPECT_EQ(17, List().GetItemCount());
    EXPECT_FALSE(ConfigWritten());
    m_pView->ShowPage(0);
    EXPECT_EQ(3, List().GetItemCount());

    // The purge frees unapplied rows and leaves the store alone.
    m_pView->OnNew();
    m_pView->OnPurgeRemovedRows();
    EXPECT_EQ(3, List().GetItemCount());
    EXPECT_FALSE(ConfigWritten());
}

TEST_F(ViewListTest, SoundFileFieldStoresItsTextOnLabelMessagesOnlyWhenItChanged)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    const CString strOld = store.m_strGenSoundAddress;
    m_pView->ShowPage(2);
    CWnd* pSoundFile = m_pView->GetDlgItem(IDC_SOUND_FILE);
    ASSERT_NE(pSoundFile, nullptr);

    // Label Edit while the options page shows: the field's text, not an apply of the hidden list.
    pSoundFile->SetWindowText(store.m_strGenSoundAddress);
    m_pView->SendMessage(WM_LABEL_EDIT);
    EXPECT_FALSE(ConfigWritten()) << "an unchanged text writes nothing";
    pSoundFile->SetWindowText(L"ding.wav");
    m_pView->SendMessage(WM_LABEL_EDIT);
    EXPECT_EQ(CString(L"ding.wav"), store.m_strGenSoundAddress);
    EXPECT_TRUE(ConfigWritten());

    // Label Kill Focus: only while the field has the focus, which then goes to the view (and, as a form,
    // on to one of its controls).
    ::DeleteFileW(store.m_strConfigFilePath);
    pSoundFile->SetWindowText(L"dong.wav");
    m_pView->SetFocus();
    m_pView->SendMessage(WM_LABEL_KILLFOCUS, 1);
    EXPECT_EQ(CString(L"ding.wav"), store.m_strGenSoundAddress);
    pSoundFile->SetFocus();
    m_pView->SendMessage(WM_LABEL_KILLFOCUS, 1);
    EXPECT_EQ(CString(L"dong.wav"), store.m_strGenSoundAddress);
    EXPECT_TRUE(ConfigWritten());
    EXPECT_NE(pSoundFile->GetSafeHwnd(), ::GetFocus()) << "the view took the focus";

    store.m_strGenSoundAddress = strOld;
    m_pView->ShowPage(0);
}

// Hotkey ids: registration of the store's list on a window, the id-to-item walk and unregistration.
#include "tests/engine/StoreFixture.h"

#include <cstdlib>

namespace
{
ShortCutItem* MakeItem(const wchar_t* pszName, const wchar_t* pszKey)
{
    ShortCutItem* pItem = new ShortCutItem;
    if (pszName != nullptr)
        pItem->m_pszName = _wcsdup(pszName);
    pItem->ParseHotKey(pszKey);
    return pItem;
}

// A plain hidden window of this thread: hotkeys belong to a window of the registering thread.
class HotKeyWindow
{
public:
    HotKeyWindow()
    {
        m_hWnd =
            CreateWindowExW(0, L"STATIC", L"hotkeys", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~HotKeyWindow() { DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

// True when the combination is held by someone: registering it once more is refused.
bool IsTaken(HWND hWnd, UINT fsModifiers, UINT vk)
{
    const int kProbeId = 0xB000;
    if (!RegisterHotKey(hWnd, kProbeId, fsModifiers, vk))
        return true;
    UnregisterHotKey(hWnd, kProbeId);
    return false;
}

class HotKeyIdTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        m_pStore = new CShortCutConfig;
        ResetStore(*m_pStore);
    }
    void TearDown() override
    {
        FreeShortCutList(m_pStore->m_ShortCutList);
        delete m_pStore;
        StoreTest::TearDown();
    }
    void Add(ShortCutItem* pItem) { m_pStore->m_ShortCutList.push_back(pItem); }

    CShortCutConfig* m_pStore = nullptr;
};
} // namespace

TEST_F(HotKeyIdTest, IdsCountOnlyRegistrableItemsInListOrder)
{
    ShortCutItem* a = MakeItem(L"a", L"Ctrl + Alt + Shift + F13");
    ShortCutItem* b = MakeItem(L"b", L"");
    ShortCutItem* c = MakeItem(L"c", L"Ctrl + Alt + Shift + F14");
    ShortCutItem* d = MakeItem(nullptr, L"Ctrl + Alt + Shift + F15"); // no name: not registrable
    ShortCutItem* e = MakeItem(L"e", L"Ctrl + Alt + Shift + F16");
    Add(a);
    Add(b);
    Add(c);
    Add(d);
    Add(e);

    EXPECT_EQ(a, m_pStore->GetItemByHotKeyId(0));
    EXPECT_EQ(c, m_pStore->GetItemByHotKeyId(1));
    EXPECT_EQ(e, m_pStore->GetItemByHotKeyId(2));
    EXPECT_EQ(nullptr, m_pStore->GetItemByHotKeyId(3)); // below the item count, but no item behind it
    EXPECT_EQ(nullptr, m_pStore->GetItemByHotKeyId(5));
    EXPECT_EQ(nullptr, m_pStore->GetItemByHotKeyId(0xFFFFFFFFu));
}

TEST_F(HotKeyIdTest, AnIdAtOrAboveTheItemCountIsRefusedBeforeTheWalk)
{
    Add(MakeItem(L"a", L"Ctrl + F13"));
    EXPECT_NE(nullptr, m_pStore->GetItemByHotKeyId(0));
    EXPECT_EQ(nullptr, m_pStore->GetItemByHotKeyId(1));
    FreeShortCutList(m_pStore->m_ShortCutList);
    EXPECT_EQ(nullptr, m_pStore->GetItemByHotKeyId(0));
}

TEST_F(HotKeyIdTest, RegistersEachCombinationWithItsModifiersAndReleasesThemAll)
{
    HotKeyWindow window;
    ASSERT_NE(nullptr, window.m_hWnd);
    Add(MakeItem(L"win", L"Win + F17"));
    Add(MakeItem(L"nokey", L""));
    Add(MakeItem(L"ctrl-alt", L"Ctrl + Alt + F18"));
    Add(MakeItem(L"shift", L"Shift + F19"));

    m_pStore->RegisterHotKeys(window.m_hWnd);
    EXPECT_TRUE(IsTaken(window.m_hWnd, MOD_WIN, VK_F17));
    EXPECT_TRUE(IsTaken(window.m_hWnd, MOD_CONTROL | MOD_ALT, VK_F18));
    EXPECT_TRUE(IsTaken(window.m_hWnd, MOD_SHIFT, VK_F19));
    // Only the mapped modifiers are passed: the same key with another set of modifiers is free.
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_CONTROL, VK_F17));
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F18));
    // The ids are 0, 1 and 2: id 1 is the third item's.
    ASSERT_TRUE(UnregisterHotKey(window.m_hWnd, 1));
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_CONTROL | MOD_ALT, VK_F18));
    ASSERT_TRUE(RegisterHotKey(window.m_hWnd, 1, MOD_CONTROL | MOD_ALT, VK_F18));

    m_pStore->UnregisterHotKeys(window.m_hWnd);
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_WIN, VK_F17));
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_CONTROL | MOD_ALT, VK_F18));
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_SHIFT, VK_F19));
}

TEST_F(HotKeyIdTest, ARefusedCombinationStillUsesUpItsId)
{
    HotKeyWindow window;
    ASSERT_NE(nullptr, window.m_hWnd);
    Add(MakeItem(L"first", L"Ctrl + Shift + F20"));
    Add(MakeItem(L"twin", L"Ctrl + Shift + F20"));
    Add(MakeItem(L"third", L"Ctrl + Shift + F21"));

    m_pStore->RegisterHotKeys(window.m_hWnd);
    // The twin's id 1 was refused; the third item kept id 2.
    EXPECT_FALSE(UnregisterHotKey(window.m_hWnd, 1));
    EXPECT_TRUE(UnregisterHotKey(window.m_hWnd, 2));
    EXPECT_FALSE(IsTaken(window.m_hWnd, MOD_CONTROL | MOD_SHIFT, VK_F21));
    EXPECT_EQ(L"first", CString(m_pStore->GetItemByHotKeyId(0)->m_pszName));
    EXPECT_EQ(L"third", CString(m_pStore->GetItemByHotKeyId(2)->m_pszName));
    m_pStore->UnregisterHotKeys(window.m_hWnd);
}

// CMFCToolBarMenuButton: a menu kept as a list of items; CMFCToolBarComboBoxButton's settings.
#include "framework/bars/ToolBarMenuButton.h"
#include "framework/bars/PopupMenu.h"

IMPLEMENT_SERIAL(CMFCToolBarMenuButton, CMFCToolBarButton, 1)
IMPLEMENT_SERIAL(CMFCToolBarComboBoxButton, CMFCToolBarButton, 1)

BOOL CMFCToolBarComboBoxButton::m_bFlat = FALSE;
BOOL CMFCToolBarComboBoxButton::m_bCenterVert = FALSE;

CMFCToolBarMenuButton::CMFCToolBarMenuButton() = default;

CMFCToolBarMenuButton::CMFCToolBarMenuButton(UINT uiID, HMENU hMenu, int iImage, const wchar_t* lpszText)
    : CMFCToolBarButton(uiID, iImage, lpszText)
{
    m_bText = TRUE;
    CopyItemsFrom(hMenu);
}

CMFCToolBarMenuButton::~CMFCToolBarMenuButton()
{
    ClearItems();
}

void CMFCToolBarMenuButton::ClearItems()
{
    for (Item& item : m_items)
    {
        if (item.hSubMenu != nullptr)
            ::DestroyMenu(item.hSubMenu);
    }
    m_items.clear();
}

void CMFCToolBarMenuButton::CopyItemsFrom(HMENU hMenu)
{
    ClearItems();
    if (hMenu == nullptr)
        return;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i)
    {
        wchar_t text[256] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = static_cast<UINT>(sizeof(text) / sizeof(text[0]) - 1);
        if (!::GetMenuItemInfoW(hMenu, static_cast<UINT>(i), TRUE, &info))
            continue;
        Item item;
        item.nID = (info.fType & MFT_SEPARATOR) != 0 ? 0 : info.wID;
        item.strText = text;
        if (info.hSubMenu != nullptr)
        {
            // A nested popup keeps its own copy, made the same way.
            CMFCToolBarMenuButton nested(0, info.hSubMenu, -1);
            item.hSubMenu = nested.CreateMenu();
            item.nID = 0;
        }
        m_items.push_back(item);
    }
}

HMENU CMFCToolBarMenuButton::CreateMenu() const
{
    if (m_items.empty())
        return nullptr;
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return nullptr;
    for (const Item& item : m_items)
    {
        if (item.hSubMenu != nullptr)
        {
            CMFCToolBarMenuButton nested;
            nested.CopyItemsFrom(item.hSubMenu);
            HMENU hSub = nested.CreateMenu();
            if (hSub != nullptr)
                ::AppendMenuW(hMenu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(hSub), item.strText);
        }
        else if (item.nID == 0 && item.strText.IsEmpty())
            ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(hMenu, MF_STRING, item.nID, item.strText);
    }
    return hMenu;
}

void CMFCToolBarMenuButton::CopyFrom(const CMFCToolBarButton& src)
{
    CMFCToolBarButton::CopyFrom(src);
    const auto* pSrc = DYNAMIC_DOWNCAST(CMFCToolBarMenuButton, const_cast<CMFCToolBarButton*>(&src));
    if (pSrc == nullptr || pSrc == this)
        return;
    HMENU hMenu = pSrc->CreateMenu();
    CopyItemsFrom(hMenu);
    if (hMenu != nullptr)
        ::DestroyMenu(hMenu);
}

BOOL CMFCToolBarMenuButton::IsDroppedDown() const
{
    return m_pPopupMenu != nullptr && m_pPopupMenu->GetSafeHwnd() != nullptr;
}

CMFCToolBarComboBoxButton::CMFCToolBarComboBoxButton() = default;
CMFCToolBarComboBoxButton::~CMFCToolBarComboBoxButton() = default;

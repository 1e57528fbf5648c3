// CMFCToolBarMenuButton: a tool-bar button that opens a popup menu (the items of a menu bar), and
// CMFCToolBarComboBoxButton, the combo-box button type with its class-wide look settings.
#pragma once

#include "framework/bars/ToolBarButton.h"

#include <vector>

class CMFCPopupMenu;

class CMFCToolBarMenuButton : public CMFCToolBarButton
{
    DECLARE_SERIAL(CMFCToolBarMenuButton)
public:
    CMFCToolBarMenuButton();
    // A button for the popup hMenu (copied; null for a plain command item).
    CMFCToolBarMenuButton(UINT uiID, HMENU hMenu, int iImage, const wchar_t* lpszText = nullptr);
    ~CMFCToolBarMenuButton() override;
    // Copies go through CopyFrom: each button owns its own nested menus.
    CMFCToolBarMenuButton(const CMFCToolBarMenuButton&) = delete;
    CMFCToolBarMenuButton& operator=(const CMFCToolBarMenuButton&) = delete;

    void CopyFrom(const CMFCToolBarButton& src) override;

    // The popup menu is open.
    BOOL IsDroppedDown() const;
    // The open popup menu, or null.
    CMFCPopupMenu* GetPopupMenu() const { return m_pPopupMenu; }
    void SetPopupMenu(CMFCPopupMenu* pPopupMenu) { m_pPopupMenu = pPopupMenu; }

    // A copy of the button's menu (the caller destroys it), or null when it has none.
    HMENU CreateMenu() const;
    // The menu this button opens: its items' commands and texts.
    struct Item
    {
        UINT nID = 0; // 0 with an empty text: separator
        CString strText;
        HMENU hSubMenu = nullptr; // owned copy of a nested popup
    };
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    const Item& GetItem(int i) const { return m_items[static_cast<size_t>(i)]; }

protected:
    void ClearItems();
    void CopyItemsFrom(HMENU hMenu);

    CMFCPopupMenu* m_pPopupMenu = nullptr;
    std::vector<Item> m_items;
};

class CMFCToolBarComboBoxButton : public CMFCToolBarButton
{
    DECLARE_SERIAL(CMFCToolBarComboBoxButton)
public:
    CMFCToolBarComboBoxButton();
    ~CMFCToolBarComboBoxButton() override;

    // Class-wide: combo boxes drawn flat, and centred vertically in their button.
    static void SetFlatMode(BOOL bFlat = TRUE) { m_bFlat = bFlat; }
    static BOOL IsFlatMode() { return m_bFlat; }
    static void SetCenterVert(BOOL bCenterVert = TRUE) { m_bCenterVert = bCenterVert; }
    static BOOL IsCenterVert() { return m_bCenterVert; }

private:
    static BOOL m_bFlat;
    static BOOL m_bCenterVert;
};

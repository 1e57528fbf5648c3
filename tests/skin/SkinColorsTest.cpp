// The skin's colours: the label colour of every kind of button in every state, the base colours
// replaced after a system-colour update, and no menu shadow.
#include "framework/bars/MenuBar.h"
#include "framework/bars/PopupMenu.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

TEST(SkinColors, LabelColourDependsOnTheButtonKindAndState)
{
    CSkinVisualManager manager;
    CMFCMenuBar menuBar;
    CMFCPopupMenuBar popupBar;
    CSkinToolBar toolBar;

    CMFCToolBarMenuButton onMenuBar;
    onMenuBar.SetParentWnd(&menuBar);
    CMFCToolBarMenuButton inPopup;
    inPopup.SetParentWnd(&popupBar);
    CMFCToolBarMenuButton onToolBar; // a menu button anywhere but in a popup reads as a menu-bar button
    onToolBar.SetParentWnd(&toolBar);
    CSkinCategoryBarButton tab(L"Options", 32834);
    CMFCToolBarButton plain(32880, 0, L"Run");
    CSkinLinksBarButton link;

    const AFX_BUTTON_STATE states[] = {ButtonsIsRegular, ButtonsIsPressed, ButtonsIsHighlighted};
    const COLORREF menuColours[] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    const COLORREF tabColours[] = {0xFDF3E8, 0x7FDFFF, 0x7FDFFF};
    const COLORREF otherColours[] = {0xFFFFFF, 0x7FDFFF, 0x7FDFFF};
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(manager.GetToolbarButtonTextColor(&onMenuBar, states[i]), menuColours[i]);
        EXPECT_EQ(manager.GetToolbarButtonTextColor(&onToolBar, states[i]), menuColours[i]);
        EXPECT_EQ(manager.GetToolbarButtonTextColor(&tab, states[i]), tabColours[i]);
        EXPECT_EQ(manager.GetToolbarButtonTextColor(&inPopup, states[i]), otherColours[i]);
        EXPECT_EQ(manager.GetToolbarButtonTextColor(&plain, states[i]), otherColours[i]);
        EXPECT_EQ(manager.GetToolbarButtonTextColor(&link, states[i]), otherColours[i]);
    }
    // Any other state is the base's: a disabled button reads grey there.
    plain.m_nStyle |= TBBS_DISABLED;
    EXPECT_EQ(manager.GetToolbarButtonTextColor(&plain, static_cast<AFX_BUTTON_STATE>(7)),
              ::GetSysColor(COLOR_GRAYTEXT));
}

TEST(SkinColors, SystemColourUpdateSetsTheSkinsMenuAndHighlightColours)
{
    CSkinVisualManager manager;
    manager.OnUpdateSystemColors();
    EXPECT_EQ(manager.m_clrMenuLight, 0xFDE8D2u);
    EXPECT_EQ(manager.m_clrHighlight, 0xEBC098u);
    EXPECT_EQ(manager.m_clrHighlightDn, 0xEBC098u);
    EXPECT_EQ(manager.m_clrHighlightChecked, 0xEBC098u);
    EXPECT_EQ(manager.m_clrMenuItemBorder, 0xEBC098u);
    EXPECT_EQ(manager.m_clrMenuBorder, 0x808080u);
    // The base's bar background stays the system's.
    EXPECT_EQ(manager.m_clrBarBkgnd, ::GetSysColor(COLOR_BTNFACE));

    // The brushes follow their colours.
    PixelCanvas canvas(4, 4);
    canvas.dc.FillRect(CRect(0, 0, 2, 4), &manager.m_brMenuLight);
    canvas.dc.FillRect(CRect(2, 0, 4, 4), &manager.m_brHighlightChecked);
    EXPECT_EQ(canvas.At(0, 0), 0xFDE8D2u);
    EXPECT_EQ(canvas.At(3, 3), 0xEBC098u);
}

TEST(SkinColors, SkinManagerIsCreatedByItsRunTimeClassWithoutMenuShadow)
{
    SkinManagerScope scope;
    ASSERT_NE(scope.Get(), nullptr);
    EXPECT_EQ(scope.Get()->GetMenuShadowDepth(), 0);
    // The instance has been through the system-colour update when it was created.
    EXPECT_EQ(scope.Get()->m_clrMenuLight, 0xFDE8D2u);
    EXPECT_EQ(scope.Get()->GetSkinColor(CSkinVisualManager::CategoryFillBottom), 0x904A28u);
}

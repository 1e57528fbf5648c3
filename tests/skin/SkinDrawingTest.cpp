// The skin's drawing on memory DCs: three-colour gradients and separators, the checked tab's border
// and fill, popup-menu borders, combo-box parts and the borders of menu and links buttons.
#include "framework/gdi/GlobalData.h"
#include "framework/bars/MenuBar.h"
#include "framework/bars/PopupMenu.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kPaper = RGB(1, 2, 3);
} // namespace

TEST(SkinDrawing, DrawGradient2RunsThroughTheMiddleColourInTwoHalves)
{
    PixelCanvas canvas(40, 128);
    canvas.Fill(kPaper);
    const COLORREF c1 = RGB(200, 0, 0), c2 = RGB(0, 200, 0), c3 = RGB(0, 0, 200);
    CSkinVisualManager::DrawGradient2(&canvas.dc, c1, c2, c3, CRect(0, 0, 20, 128), TRUE);
    EXPECT_EQ(canvas.At(5, 0), c1);
    EXPECT_EQ(canvas.At(5, 64), c2);
    EXPECT_EQ(canvas.At(5, 63), c2);
    EXPECT_EQ(canvas.At(5, 127), c3);
    EXPECT_EQ(canvas.At(20, 64), kPaper);

    CSkinVisualManager::DrawGradient2(&canvas.dc, c1, c2, c3, CRect(20, 0, 40, 10), FALSE);
    EXPECT_EQ(canvas.At(20, 5), c1);
    EXPECT_EQ(canvas.At(30, 5), c2);
    EXPECT_EQ(canvas.At(39, 5), c3);
    EXPECT_EQ(canvas.At(30, 10), kPaper);
}

TEST(SkinDrawing, SeparatorIsAOnePixelGradientStripExceptInPopupMenus)
{
    CSkinVisualManager manager;
    manager.OnUpdateSystemColors();
    CSkinToolBar toolBar;

    // Between the buttons of a horizontal bar: a vertical line at the middle, first end at the top.
    PixelCanvas canvas(20, 41);
    canvas.Fill(kPaper);
    manager.OnDrawSeparator(&canvas.dc, &toolBar, CRect(4, 0, 12, 41), TRUE);
    EXPECT_EQ(canvas.At(8, 0), 0xD3A277u);
    EXPECT_EQ(canvas.At(8, 20), 0xFFFFFFu);
    EXPECT_EQ(canvas.At(8, 39), 0xC68855u);
    EXPECT_EQ(canvas.At(8, 40), kPaper); // the strip ends one pixel above the bottom
    EXPECT_EQ(canvas.At(7, 20), kPaper);
    EXPECT_EQ(canvas.At(9, 20), kPaper);

    // On a vertical bar: a horizontal line across, first end at the left.
    PixelCanvas across(41, 10);
    across.Fill(kPaper);
    manager.OnDrawSeparator(&across.dc, &toolBar, CRect(0, 2, 41, 8), FALSE);
    EXPECT_EQ(across.At(0, 5), 0xD3A277u);
    EXPECT_EQ(across.At(20, 5), 0xFFFFFFu);
    EXPECT_EQ(across.At(40, 5), 0xC68855u);
    EXPECT_EQ(across.At(20, 4), kPaper);
    EXPECT_EQ(across.At(20, 6), kPaper);

    // A popup menu keeps the base's separator: no skin colours anywhere.
    CMFCPopupMenuBar popupBar;
    PixelCanvas popup(41, 10);
    popup.Fill(kPaper);
    manager.OnDrawSeparator(&popup.dc, &popupBar, CRect(0, 2, 41, 8), FALSE);
    for (int x = 0; x < 41; ++x)
        for (int y = 0; y < 10; ++y)
            ASSERT_NE(popup.At(x, y), 0xD3A277u);
}

TEST(SkinDrawing, CheckedTabHasItsTabBorderAndGradientAndAnUncheckedTabNothing)
{
    CSkinVisualManager manager;
    CSkinCategoryBarButton tab(L"Shortcut", 32832);
    const CRect rect(0, 0, 60, 30);

    PixelCanvas unchecked(60, 30);
    unchecked.Fill(kPaper);
    manager.OnFillHighlightedArea(&unchecked.dc, rect, &manager.m_brHighlight, &tab);
    manager.OnDrawButtonBorder(&unchecked.dc, &tab, rect, ButtonsIsPressed);
    manager.OnDrawButtonBorder(&unchecked.dc, &tab, rect, ButtonsIsHighlighted);
    for (int x = 0; x < 60; x += 3)
        for (int y = 0; y < 30; ++y)
            ASSERT_EQ(unchecked.At(x, y), kPaper) << x << "," << y;

    tab.m_nStyle |= TBBS_CHECKED;
    PixelCanvas checked(60, 30);
    checked.Fill(kPaper);
    manager.OnFillHighlightedArea(&checked.dc, rect, &manager.m_brHighlight, &tab);
    EXPECT_EQ(checked.At(30, 0), 0xC17F4Du);  // fill: top colour at the top
    EXPECT_EQ(checked.At(30, 29), 0x904A28u); // bottom colour at the bottom
    manager.OnDrawButtonBorder(&checked.dc, &tab, rect, ButtonsIsPressed);
    EXPECT_EQ(checked.At(0, 0), 0x9F5E35u); // top edge: dark ends
    EXPECT_EQ(checked.At(59, 0), 0x9F5E35u);
    EXPECT_EQ(checked.At(30, 0), 0xE7D1BFu); // light middle
    EXPECT_EQ(checked.At(0, 29), 0x904A28u); // side edges: dark at the bottom
    EXPECT_EQ(checked.At(59, 29), 0x904A28u);
    EXPECT_TRUE(NearColor(checked.At(0, 1), 0x9F5E35u, 8)); // toward the top colour at the top
    EXPECT_EQ(checked.At(1, 1), 0xD2A57Bu);                 // inner line under the top edge
    EXPECT_EQ(checked.At(58, 1), 0xD2A57Bu);
    EXPECT_EQ(checked.At(1, 29), 0x904A28u);           // bottom line
    EXPECT_EQ(checked.At(30, 15), checked.At(31, 15)); // the fill inside is untouched
    EXPECT_NE(checked.At(59, 1), 0xD2A57Bu);           // the lines stop before the right edge
}

TEST(SkinDrawing, MenuButtonBordersFollowWhereTheButtonSits)
{
    CSkinVisualManager manager;
    manager.OnUpdateSystemColors();
    CMFCMenuBar menuBar;
    CMFCPopupMenuBar popupBar;
    CSkinToolBar toolBar;
    const CRect rect(2, 2, 22, 12);

    // A highlighted popup item keeps its full rectangle; pressed it loses a pixel right and bottom,
    // and checked it is one pixel taller again.
    CMFCToolBarMenuButton item;
    item.SetParentWnd(&popupBar);
    PixelCanvas popup(30, 20);
    popup.Fill(kPaper);
    manager.OnDrawButtonBorder(&popup.dc, &item, rect, ButtonsIsHighlighted);
    EXPECT_EQ(popup.At(21, 11), 0xEBC098u);
    popup.Fill(kPaper);
    manager.OnDrawButtonBorder(&popup.dc, &item, rect, ButtonsIsPressed);
    EXPECT_EQ(popup.At(21, 11), kPaper);
    EXPECT_EQ(popup.At(20, 10), 0xEBC098u);
    EXPECT_EQ(popup.At(10, 10), 0xEBC098u);
    EXPECT_EQ(popup.At(10, 11), kPaper);
    popup.Fill(kPaper);
    item.m_nStyle |= TBBS_CHECKED;
    manager.OnDrawButtonBorder(&popup.dc, &item, rect, ButtonsIsPressed);
    EXPECT_EQ(popup.At(10, 11), 0xEBC098u);
    EXPECT_EQ(popup.At(10, 10), kPaper);
    EXPECT_EQ(popup.At(21, 11), kPaper);

    // On the menu bar: the skin's border colour, no shadow, and the highlight brush.
    CMFCToolBarMenuButton title;
    title.SetParentWnd(&menuBar);
    PixelCanvas bar(30, 20);
    bar.Fill(kPaper);
    manager.OnFillHighlightedArea(&bar.dc, rect, &manager.m_brHighlight, &title);
    EXPECT_EQ(bar.At(10, 6), 0xCE8639u);
    EXPECT_EQ(bar.At(21, 11), 0xCE8639u);
    bar.Fill(kPaper);
    manager.OnDrawButtonBorder(&bar.dc, &title, rect, ButtonsIsHighlighted);
    EXPECT_EQ(bar.At(2, 2), 0xCE8639u);
    EXPECT_EQ(bar.At(20, 10), 0xCE8639u);
    EXPECT_EQ(bar.At(21, 11), kPaper);
    EXPECT_EQ(bar.At(22, 12), kPaper);

    // A menu button on a skin tool bar: edges and interior lightened, nothing drawn in a colour.
    CMFCToolBarMenuButton drop;
    drop.SetParentWnd(&toolBar);
    PixelCanvas tool(30, 20);
    tool.Fill(RGB(100, 100, 100));
    manager.OnDrawButtonBorder(&tool.dc, &drop, rect, ButtonsIsPressed);
    EXPECT_TRUE(NearColor(tool.At(2, 2), Lightened(RGB(100, 100, 100), 15)));
    EXPECT_TRUE(NearColor(tool.At(21, 6), Lightened(RGB(100, 100, 100), 15)));
    EXPECT_EQ(tool.At(10, 6), RGB(100, 100, 100));
    manager.OnFillHighlightedArea(&tool.dc, rect, &manager.m_brHighlight, &drop);
    EXPECT_TRUE(NearColor(tool.At(10, 6), Lightened(RGB(100, 100, 100), 10)));
    EXPECT_TRUE(NearColor(tool.At(22, 12), Lightened(RGB(100, 100, 100), 10))); // one pixel wider and taller

    // A plain button on a skin tool bar gets neither.
    CMFCToolBarButton plain(32880, 0, L"Run");
    plain.SetParentWnd(&toolBar);
    tool.Fill(RGB(100, 100, 100));
    manager.OnDrawButtonBorder(&tool.dc, &plain, rect, ButtonsIsPressed);
    manager.OnFillHighlightedArea(&tool.dc, rect, &manager.m_brHighlight, &plain);
    EXPECT_EQ(tool.At(2, 2), RGB(100, 100, 100));
    EXPECT_EQ(tool.At(10, 6), RGB(100, 100, 100));

    // A links button: its own border and fill.
    CSkinLinksBarButton link;
    tool.Fill(kPaper);
    manager.OnFillHighlightedArea(&tool.dc, rect, &manager.m_brHighlight, &link);
    EXPECT_EQ(tool.At(22, 12), 0x874526u);
    tool.Fill(kPaper);
    manager.OnDrawButtonBorder(&tool.dc, &link, rect, ButtonsIsHighlighted);
    EXPECT_EQ(tool.At(2, 2), 0x874526u);
    EXPECT_EQ(tool.At(10, 6), kPaper);
}

TEST(SkinDrawing, PopupMenuBorderAndHighlightedItem)
{
    CSkinVisualManager manager;
    manager.OnUpdateSystemColors();
    PixelCanvas canvas(50, 40);
    canvas.Fill(kPaper);
    manager.OnDrawMenuBorder(&canvas.dc, nullptr, CRect(0, 0, 50, 40));
    EXPECT_EQ(canvas.At(0, 0), 0x808080u);
    EXPECT_EQ(canvas.At(49, 39), 0x808080u);
    EXPECT_EQ(canvas.At(48, 38), 0xFDE8D2u);
    EXPECT_EQ(canvas.At(1, 38), 0xFDE8D2u);
    EXPECT_EQ(canvas.At(1, 20), manager.m_clrBarBkgnd); // the column at x = 1 in the bar colour
    EXPECT_EQ(canvas.At(2, 20), kPaper);

    // An item wider than half its button loses its last column; the base narrows it by one more on
    // each side and frames it.
    CMFCPopupMenuBar popupBar;
    CMFCToolBarMenuButton item;
    item.SetParentWnd(&popupBar);
    item.SetRect(CRect(0, 0, 40, 10));
    PixelCanvas menu(50, 20);
    menu.Fill(kPaper);
    COLORREF clrText = 0;
    manager.OnHighlightMenuItem(&menu.dc, &item, CRect(0, 0, 40, 10), clrText);
    EXPECT_EQ(menu.At(0, 5), kPaper);
    EXPECT_EQ(menu.At(1, 5), 0xEBC098u);
    EXPECT_EQ(menu.At(38, 5), kPaper);
    EXPECT_EQ(menu.At(37, 5), 0xEBC098u);

    // Exactly half as wide keeps its right edge.
    menu.Fill(kPaper);
    manager.OnHighlightMenuItem(&menu.dc, &item, CRect(0, 0, 20, 10), clrText);
    EXPECT_EQ(menu.At(18, 5), 0xEBC098u);
}

TEST(SkinDrawing, ComboDropButtonColoursPerStateAndComboBorder)
{
    SkinManagerScope scope; // the global colour mode comes from the instance's update
    CSkinVisualManager& manager = *scope.Get();
    if (afxGlobalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "low-colour screen";
    const CRect rect(0, 0, 16, 128); // two rows per gradient band
    struct Case
    {
        BOOL dropped, highlighted;
        COLORREF top, bottom, border;
    } cases[] = {
        {FALSE, FALSE, 0xFCDCD0, 0xFBCDB6, 0xF5C5B1},
        {FALSE, TRUE, 0xFEF4E2, 0xFCDBCB, 0xE1A58C},
        {TRUE, FALSE, 0xF2997A, 0xEBB29F, 0xF2C6B5},
        {TRUE, TRUE, 0xFEF4E2, 0xFCDBCB, 0xE1A58C}, // highlighted wins over dropped
    };
    for (const Case& c : cases)
    {
        PixelCanvas canvas(16, 128);
        canvas.Fill(kPaper);
        manager.OnDrawComboDropButton(&canvas.dc, rect, FALSE, c.dropped, c.highlighted, nullptr);
        EXPECT_EQ(canvas.At(0, 0), c.border);
        EXPECT_EQ(canvas.At(15, 127), c.border);
        EXPECT_EQ(canvas.At(2, 1), c.top);
        EXPECT_EQ(canvas.At(2, 126), c.bottom);
    }
    // Disabled: no background and no border, only the arrow.
    PixelCanvas disabled(16, 128);
    disabled.Fill(kPaper);
    manager.OnDrawComboDropButton(&disabled.dc, rect, TRUE, FALSE, FALSE, nullptr);
    EXPECT_EQ(disabled.At(0, 0), kPaper);
    EXPECT_EQ(disabled.At(2, 126), kPaper);

    PixelCanvas border(20, 20);
    border.Fill(kPaper);
    manager.OnDrawComboBorder(&border.dc, CRect(0, 0, 20, 20), FALSE, FALSE, FALSE, nullptr);
    EXPECT_EQ(border.At(0, 0), kPaper);
    EXPECT_EQ(border.At(1, 1), 0xAB7A4Eu);
    EXPECT_EQ(border.At(18, 18), 0xAB7A4Eu);
    manager.OnDrawComboBorder(&border.dc, CRect(0, 0, 20, 20), TRUE, FALSE, FALSE, nullptr);
    EXPECT_EQ(border.At(1, 1), afxGlobalData.clrBtnShadow);
}

TEST(SkinDrawing, TasksPaneIsAHorizontalGradientWithALineAtItsRightEdge)
{
    CSkinVisualManager manager;
    PixelCanvas canvas(128, 20);
    canvas.Fill(kPaper);
    manager.OnFillTasksPaneBackground(&canvas.dc, CRect(0, 0, 128, 20));
    EXPECT_EQ(canvas.At(0, 10), 0xFCE4CBu);
    EXPECT_EQ(canvas.At(126, 10), 0xFEF2E2u);
    EXPECT_EQ(canvas.At(127, 0), 0xF7DABCu);
    EXPECT_EQ(canvas.At(127, 19), 0xF7DABCu);
    // Groups have neither fill nor border of their own.
    manager.OnFillTasksGroupInterior(&canvas.dc, CRect(0, 0, 128, 20));
    manager.OnDrawTasksGroupAreaBorder(&canvas.dc, CRect(0, 0, 128, 20));
    EXPECT_EQ(canvas.At(0, 10), 0xFCE4CBu);
}

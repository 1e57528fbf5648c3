// Sizes of the label-only skin buttons: a category tab is its bold label + 24 by the label's height
// + 11, a links button its label + 6 by the height + 12; and the category bar's four tabs.
#include "framework/gdi/GlobalData.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "tests/skin/SkinTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
CSize BoldLabelSize(CDC& dc, const wchar_t* text)
{
    CFont* pOld = dc.SelectObject(&afxGlobalData.fontBold);
    CRect rect(0, 0, 3 * 23, 22);
    dc.DrawText(text, -1, &rect, DT_CALCRECT | DT_CENTER);
    dc.SelectObject(pOld);
    return rect.Size();
}

const CSize kDefault(23, 22);
} // namespace

TEST(SkinButtonSize, TabsAreTheirBoldLabelPlusTwentyFourByItsHeightPlusEleven)
{
    SkinManagerScope skin;
    const BOOL wrap = CMFCToolBarButton::m_bWrapText;
    CMFCToolBarButton::m_bWrapText = FALSE;
    PixelCanvas canvas(10, 10);
    int widest = 0;
    const wchar_t* widestText = L"";
    for (const wchar_t* text : {L"Shortcut", L"Windows Default", L"Options", L"About"})
    {
        SCOPED_TRACE(testing::Message() << text);
        CSkinCategoryBarButton tab(text, 32832);
        const CSize label = BoldLabelSize(canvas.dc, text);
        const CSize size = tab.OnCalculateSize(&canvas.dc, kDefault, TRUE);
        EXPECT_EQ(size.cx, label.cx + 24);
        EXPECT_EQ(size.cy, label.cy + 11);
        EXPECT_EQ(tab.m_sizeText, CSize(label.cx + 6, label.cy));
        if (size.cx > widest)
        {
            widest = size.cx;
            widestText = text;
        }
        // On a vertical bar the default width counts too, and the height stays the label's.
        const CSize vertical = tab.OnCalculateSize(&canvas.dc, CSize(200, 22), FALSE);
        EXPECT_EQ(vertical.cx, std::max<int>(200, BoldLabelSize(canvas.dc, text).cx + 6) + 18);
    }
    EXPECT_STREQ(widestText, L"Windows Default");

    CSkinCategoryBarButton hidden(L"Options", 32834);
    hidden.SetVisible(FALSE);
    EXPECT_EQ(CSize(hidden.OnCalculateSize(&canvas.dc, kDefault, TRUE)), CSize(0, 0));
    CSkinCategoryBarButton empty(L"", 32834);
    EXPECT_EQ(CSize(empty.OnCalculateSize(&canvas.dc, kDefault, TRUE)), CSize(0, kDefault.cy));
    CMFCToolBarButton::m_bWrapText = wrap;
}

TEST(SkinButtonSize, LinksButtonsAreTheirLabelPlusSixByItsHeightPlusTwelve)
{
    SkinManagerScope skin;
    const BOOL wrap = CMFCToolBarButton::m_bWrapText;
    CMFCToolBarButton::m_bWrapText = FALSE; // as the frame sets it
    PixelCanvas canvas(10, 10);
    CSkinLinksBarButton link;
    link.m_strText = L"Windows Default";
    const CSize label = BoldLabelSize(canvas.dc, L"Windows Default");
    const CSize size = link.OnCalculateSize(&canvas.dc, kDefault, TRUE);
    EXPECT_EQ(size.cx, label.cx + 6);
    EXPECT_EQ(size.cy, label.cy + 12);
    CMFCToolBarButton::m_bWrapText = wrap;
}

TEST(SkinButtonSize, UnderAnotherManagerTabsAreSizedTheClassLibrarysWay)
{
    CMFCVisualManager::SetDefaultManager(nullptr);
    PixelCanvas canvas(10, 10);
    CSkinCategoryBarButton tab(L"Options", 32834);
    CMFCToolBarButton plain(32834, -1, L"Options");
    plain.m_bText = TRUE;
    EXPECT_EQ(CSize(tab.OnCalculateSize(&canvas.dc, kDefault, TRUE)),
              CSize(plain.OnCalculateSize(&canvas.dc, kDefault, TRUE)));
}

TEST(SkinButtonSize, CategoryBarHoldsTheFourTabsInOrderAfterEveryRestore)
{
    SkinManagerScope skin;
    CommandSink host;
    CSkinCategoryBar bar;
    ASSERT_TRUE(bar.CreateEx(&host, TBSTYLE_FLAT, 0x5040280A, CRect(1, 1, 1, 1), 0xE803));
    for (int pass = 0; pass < 2; ++pass)
    {
        ASSERT_EQ(bar.GetCount(), 4);
        const wchar_t* texts[] = {L"Shortcut", L"Windows Default", L"Options", L"About"};
        for (int i = 0; i < 4; ++i)
        {
            CMFCToolBarButton* pButton = bar.GetButton(i);
            ASSERT_NE(DYNAMIC_DOWNCAST(CSkinCategoryBarButton, pButton), nullptr);
            EXPECT_EQ(pButton->m_nID, 32832u + i);
            EXPECT_STREQ(pButton->m_strText, texts[i]);
        }
        bar.RestoreOriginalState();
    }
    // No gripper or border lines: the picture shows through.
    EXPECT_EQ(bar.GetPaneStyle() & (CBRS_GRIPPER | CBRS_BORDER_ANY), 0u);
}

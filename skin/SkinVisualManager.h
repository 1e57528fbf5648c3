// CSkinVisualManager: the skin's visual manager over the Office 2003 look: the frame's background
// picture behind the skin's bars, the 28 skin colours, the caption-button strip, the tasks pane's
// colours, and the skin's buttons, menus, separators and combo boxes.
#pragma once

#include "framework/gdi/DC.h"
#include "framework/gdi/ImageList.h"
#include "framework/bars/ToolBarImages.h"
#include "framework/bars/VisualManagerOffice2003.h"

// The images of pressed tool-bar buttons, shared by every skin tool bar of the process.
extern CMFCToolBarImages g_SkinToolBarImages;

class CSkinVisualManager : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(CSkinVisualManager)
public:
    // Indexes of the skin colour table m_clrSkin.
    enum SkinColor
    {
        MenuBarButtonBorder = 0,   // pressed or highlighted menu-bar button
        MenuBarButtonText = 1,     // + state (regular, pressed, highlighted)
        ToolBarButtonText = 4,     // + state, any other button
        CategoryButtonText = 7,    // + state, a category tab
        SeparatorFirst = 10,       // separator gradient: first end, middle, second end
        ComboBorder = 13,          // enabled combo box
        ComboDropNormal = 14,      // top, bottom, border
        ComboDropHighlighted = 17, // top, bottom, border
        ComboDropDropped = 20,     // top, bottom, border
        CategoryEdgeDark = 23,     // checked tab: ends of the top edge, top of the side edges
        CategoryEdgeLight = 24,    // checked tab: middle of the top edge
        CategoryInnerLine = 25,    // checked tab: line under the top edge
        CategoryFillTop = 26,      // checked tab: fill, top colour
        CategoryFillBottom = 27,   // checked tab: fill bottom, bottom of the side edges, bottom line
        SkinColorCount = 28
    };

    CSkinVisualManager();
    ~CSkinVisualManager() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawMenuBorder(CDC* pDC, CMFCPopupMenu* pMenu, CRect rect) override;
    void OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                               CMFCToolBarComboBoxButton* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           CMFCToolBarComboBoxButton* pButton) override;
    void OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                            AFX_BUTTON_STATE state) override;
    void OnHighlightMenuItem(CDC* pDC, CMFCToolBarMenuButton* pButton, CRect rect,
                             COLORREF& clrText) override;
    COLORREF GetToolbarButtonTextColor(CMFCToolBarButton* pButton, AFX_BUTTON_STATE state) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override;
    void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                    BOOL bNoTitle = FALSE) override;
    void OnDrawTask(CDC* pDC, CMFCTasksPaneTask* pTask, CImageList* pIcons, BOOL bIsHighlighted = FALSE,
                    BOOL bIsSelected = FALSE) override;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CMFCToolBarButton* pButton) override;
    // One caption button: nState 0 normal, 1 pushed, 2 highlighted; nCommand chooses the picture.
    virtual void OnDrawCaptionBarButton(CDC* pDC, CRect* pRect, int nState, UINT nCommand);

    // (Re)builds the cached frame background of that size from the frame picture.
    void DrawFrameBackground(CDC* pDC, const CSize& size);
    // Loads the caption-button strip (12 cells); FALSE, with a cell size of (0, 0), when it is missing.
    BOOL LoadBitmapWithTransparency(const wchar_t* lpszResourceName);
    CSize& GetCaptionButtonSize() { return m_sizeCaptionButton; }
    // Stretches the whole bitmap into pDC at (0, 0) with rect's size; FALSE for an empty bitmap.
    static BOOL BlitCachedBitmap(CDC* pDC, const CRect& rect, CBitmap* pBitmap);
    // clr1 -> clr2 -> clr3 in two halves: top to bottom when bVertical, else left to right.
    static void DrawGradient2(CDC* pDC, COLORREF clr1, COLORREF clr2, COLORREF clr3, const CRect& rect,
                              BOOL bVertical);

    COLORREF GetSkinColor(int nIndex) const { return m_clrSkin[nIndex]; }

protected:
    CSize m_sizeFrameCache;
    CDC m_dcFrameCache;
    CBitmap m_bmpFrameCache;
    HGDIOBJ m_hOldCacheBitmap = nullptr; // what the cache DC held when it was created
    BOOL m_bFrameCacheValid = FALSE;
    CImageList m_imlCaptionButtons;
    CSize m_sizeCaptionButton;
    CBitmap m_bmpFrameBackground; // "IDB_SKIN_FRAME_BKGND", loaded at the first bar paint
    CBrush m_brMenuBarHighlight;
    COLORREF m_clrSkin[SkinColorCount] = {};
    CBrush m_brLinksBarBackground;
    CBrush m_brLinksButtonHighlight;
    COLORREF m_clrLinksButtonBorder = 0;

private:
    // Takes the cache bitmap out of the memory DC (it can only be released while unselected).
    void UnselectFrameCacheBitmap();
};

// CSkinVisualManager: the skin's visual manager over the Office 2003 look: the frame's background
// picture behind the skin's bars, the caption-button strip, the tasks pane's colours.
#pragma once

#include "framework/DC.h"
#include "framework/ImageList.h"
#include "framework/ToolBarImages.h"
#include "framework/VisualManagerOffice2003.h"

// The images of pressed tool-bar buttons, shared by every skin tool bar of the process.
extern CMFCToolBarImages g_SkinToolBarImages;

class CSkinVisualManager : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(CSkinVisualManager)
public:
    CSkinVisualManager();
    ~CSkinVisualManager() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override;
    void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                    BOOL bNoTitle = FALSE) override;
    void OnDrawTask(CDC* pDC, CMFCTasksPaneTask* pTask, CImageList* pIcons, BOOL bIsHighlighted = FALSE,
                    BOOL bIsSelected = FALSE) override;
    // One caption button: nState 0 normal, 1 pushed, 2 highlighted; nCommand chooses the picture.
    virtual void OnDrawCaptionBarButton(CDC* pDC, CRect* pRect, int nState, UINT nCommand);

    // (Re)builds the cached frame background of that size from the frame picture.
    void DrawFrameBackground(CDC* pDC, const CSize& size);
    // Loads the caption-button strip (12 cells); FALSE, with a cell size of (0, 0), when it is missing.
    BOOL LoadBitmapWithTransparency(const wchar_t* lpszResourceName);
    CSize& GetCaptionButtonSize() { return m_sizeCaptionButton; }
    // Stretches the whole bitmap into pDC at (0, 0) with rect's size; FALSE for an empty bitmap.
    static BOOL BlitCachedBitmap(CDC* pDC, const CRect& rect, CBitmap* pBitmap);

protected:
    CBitmap m_bmpFrameBackground; // "IDB_SKIN_FRAME_BKGND", loaded at the first bar paint
    CDC m_dcFrameCache;
    CBitmap m_bmpFrameCache;
    HGDIOBJ m_hOldCacheBitmap = nullptr; // what the cache DC held when it was created
    CSize m_sizeFrameCache;
    BOOL m_bFrameCacheValid = FALSE;
    CImageList m_imlCaptionButtons;
    CSize m_sizeCaptionButton;
};

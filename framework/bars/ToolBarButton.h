// CMFCToolBarButton: one button of a tool bar (its command, style and state bits, text, image and place
// on the bar). Bars copy buttons through their run-time class, so every button class is serialisable.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/Geometry.h"

class CDC;
class CWnd;
class CMFCToolBarImages;

// Style and state bits of a button (m_nStyle).
#define TBBS_BUTTON 0x00000000
#define TBBS_SEPARATOR 0x00000001
#define TBBS_CHECKBOX 0x00000002
#define TBBS_CHECKED 0x00010000
#define TBBS_PRESSED 0x00020000
#define TBBS_DISABLED 0x00040000
#define TBBS_INDETERMINATE 0x00100000

class CMFCToolBarButton : public CObject
{
    DECLARE_SERIAL(CMFCToolBarButton)
public:
    CMFCToolBarButton();
    CMFCToolBarButton(UINT uiID, int iImage, const wchar_t* lpszText = nullptr);
    ~CMFCToolBarButton() override;

    // Takes over src's command, style, text and image (the bar's copy of an inserted button).
    virtual void CopyFrom(const CMFCToolBarButton& src);

    // Paints the button into rect: interior, image, text and the border of its state.
    virtual void OnDraw(CDC* pDC, const CRect& rect, CMFCToolBarImages* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    // The button's size on a bar whose buttons are sizeDefault; measures m_sizeText.
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    // The button shows a border when hot or pressed.
    virtual BOOL HaveHotBorder() const { return TRUE; }
    virtual BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bShow = TRUE) { m_bVisible = bShow; }
    BOOL IsSeparator() const { return (m_nStyle & TBBS_SEPARATOR) != 0; }

    const CRect& Rect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    int GetImage() const { return m_iImage; }
    void SetImage(int iImage)
    {
        m_iImage = iImage;
        m_bImage = iImage >= 0;
    }
    // The bar that holds the button (null until inserted).
    CWnd* GetParentWnd() const { return m_pWndParent; }
    void SetParentWnd(CWnd* pWnd) { m_pWndParent = pWnd; }

    UINT m_nID = 0;
    UINT m_nStyle = TBBS_BUTTON;
    CString m_strText;
    BOOL m_bText = FALSE;      // draw the text
    BOOL m_bImage = TRUE;      // draw the image (when it has one)
    BOOL m_bExtraSize = FALSE; // add the visual manager's extra border to the size
    BOOL m_bHorz = TRUE;       // the bar is horizontal
    CSize m_sizeText;          // measured by OnCalculateSize

    // Class-wide: button texts wrap onto a second line.
    static BOOL m_bWrapText;

protected:
    // Fills the interior through the visual manager, for the state that the style and bHighlight give.
    void FillInterior(CDC* pDC, const CRect& rect, BOOL bHighlight);
    // The state that the button is drawn in.
    int GetDrawState(BOOL bHighlight) const;

    int m_iImage = -1;
    BOOL m_bVisible = TRUE;
    CRect m_rect;
    CWnd* m_pWndParent = nullptr;
};

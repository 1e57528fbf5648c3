// CMFCButton: a push button that draws itself (owner-drawn once bound): an icon centred (hot icon
// under the mouse, disabled icon when disabled), its caption, a 3-D border, a focus rectangle while
// focused (unless m_bDrawFocus is off); with an optional tool tip, whose window is made when the
// mouse first comes over the button. The icons are destroyed with the button when it was told to
// (auto-destroy).
#pragma once

#include "framework/controls/Button.h"
#include "framework/gdi/DC.h"

class CToolTipCtrl;

class CMFCButton : public CButton
{
    DECLARE_DYNAMIC(CMFCButton)
public:
    CMFCButton() = default;
    ~CMFCButton() override;

    void SetImage(HICON hIcon, BOOL bAutoDestroy = TRUE, HICON hIconHot = nullptr,
                  HICON hIconDisabled = nullptr, BOOL bAlphaBlend = FALSE);
    void SetTooltip(const wchar_t* lpszToolTipText);
    // The tool tip with its window (made now if the mouse has not yet been over the button); null
    // without a tip text.
    CToolTipCtrl* GetToolTipCtrl();
    BOOL IsHighlighted() const { return m_bHighlighted; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // A focused button draws its focus rectangle (OnDrawFocusRect) only while this is TRUE.
    BOOL m_bDrawFocus = TRUE;

protected:
    // The drawing steps, in this order; uiState holds the ODS_ flags of the owner-draw call.
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
    virtual void OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                            UINT uiState);
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);

    void PreSubclassWindow() override;
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

    // The icon for the state: disabled, hot or normal (null when there is none).
    HICON IconForState(UINT uiState) const;
    // The size of the normal icon (its pictures are all drawn at that size).
    CSize ImageSize();
    // Makes the tool tip's window and its one tool (with m_strTooltip) unless it has them; FALSE
    // when there is no tool tip or its window cannot be made.
    BOOL CreateToolTipWindow();

    HICON m_hIcon = nullptr;
    HICON m_hIconHot = nullptr;
    HICON m_hIconDisabled = nullptr;
    BOOL m_bAutoDestroyImage = FALSE;
    BOOL m_bAlphaBlend = FALSE; // icons are drawn with their alpha channel either way
    CSize m_sizeImage;          // taken from the icon at its first drawing: a button never shown never asks
    BOOL m_bImageSized = FALSE;
    BOOL m_bHighlighted = FALSE; // the mouse is over the button
    // The tool tip is decided by SetTooltip (class and looks from the tool-tip manager at that
    // moment); its window waits for the first hover. Dozens of buttons that are never hovered so
    // cost nothing at start.
    CToolTipCtrl* m_pToolTip = nullptr;
    CString m_strTooltip;

    DECLARE_MESSAGE_MAP()

private:
    void DestroyImages();
};

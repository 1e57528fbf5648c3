// afxGlobalData: the system colours, fonts and screen facts that bars, buttons and the visual
// managers draw with. Whoever handles WM_SYSCOLORCHANGE / WM_SETTINGCHANGE (the main frame) calls
// UpdateSysColors / UpdateFonts; everyone else only reads.
#pragma once

#include <windows.h>

#include "framework/gdi/GdiObject.h"

struct AFX_GLOBAL_DATA
{
    AFX_GLOBAL_DATA();
    AFX_GLOBAL_DATA(const AFX_GLOBAL_DATA&) = delete;
    AFX_GLOBAL_DATA& operator=(const AFX_GLOBAL_DATA&) = delete;

    // System colours (GetSysColor).
    COLORREF clrBtnFace = 0;
    COLORREF clrBtnShadow = 0;
    COLORREF clrBtnHilite = 0;
    COLORREF clrBtnDkShadow = 0;
    COLORREF clrBtnLight = 0;
    COLORREF clrBtnText = 0;
    COLORREF clrGrayedText = 0;
    COLORREF clrWindow = 0;
    COLORREF clrWindowText = 0;
    COLORREF clrHilite = 0;
    COLORREF clrTextHilite = 0;
    COLORREF clrHotLinkNormalText = 0;
    COLORREF clrCaptionText = 0;
    COLORREF clrInactiveCaptionText = 0;
    COLORREF clrActiveCaption = 0;
    COLORREF clrInactiveCaption = 0;

    // Solid brushes of the colours the bars fill with.
    CBrush brBtnFace;
    CBrush brWindow;
    CBrush brHilite;

    // The menu font of the system, plain, bold and underlined.
    CFont fontRegular;
    CFont fontBold;
    CFont fontUnderline;

    int m_nBitsPerPixel = 0; // of the screen
    BOOL m_bIsBlackHighContrast = FALSE;
    BOOL m_bIsWhiteHighContrast = FALSE;

    BOOL IsHighContrastMode() const { return m_bIsBlackHighContrast || m_bIsWhiteHighContrast; }

    // Reads the colours, brushes, the screen depth and the high-contrast state again.
    void UpdateSysColors();
    // Re-creates the fonts from the system's current menu font.
    void UpdateFonts();
};

extern AFX_GLOBAL_DATA afxGlobalData;

// afxGlobalData: reading the system's colours, fonts and screen facts.
#include "framework/gdi/GlobalData.h"

AFX_GLOBAL_DATA afxGlobalData;

AFX_GLOBAL_DATA::AFX_GLOBAL_DATA()
{
    UpdateSysColors();
    UpdateFonts();
}

namespace
{
void ResetSolidBrush(CBrush& brush, COLORREF clr)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(clr);
}
} // namespace

void AFX_GLOBAL_DATA::UpdateSysColors()
{
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    clrBtnLight = ::GetSysColor(COLOR_3DLIGHT);
    clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    clrGrayedText = ::GetSysColor(COLOR_GRAYTEXT);
    clrWindow = ::GetSysColor(COLOR_WINDOW);
    clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    clrHilite = ::GetSysColor(COLOR_HIGHLIGHT);
    clrTextHilite = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    clrHotLinkNormalText = ::GetSysColor(COLOR_HOTLIGHT);
    clrCaptionText = ::GetSysColor(COLOR_CAPTIONTEXT);
    clrInactiveCaptionText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    clrActiveCaption = ::GetSysColor(COLOR_ACTIVECAPTION);
    clrInactiveCaption = ::GetSysColor(COLOR_INACTIVECAPTION);

    ResetSolidBrush(brBtnFace, clrBtnFace);
    ResetSolidBrush(brWindow, clrWindow);
    ResetSolidBrush(brHilite, clrHilite);

    HDC hScreen = ::GetDC(nullptr);
    m_nBitsPerPixel = hScreen != nullptr ? ::GetDeviceCaps(hScreen, BITSPIXEL) : 0;
    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);

    HIGHCONTRASTW hc = {};
    hc.cbSize = sizeof(hc);
    const BOOL bHighContrast = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) &&
                               (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
    // A dark window background tells the black schemes from the white ones.
    const BOOL bDarkWindow = GetRValue(clrWindow) + GetGValue(clrWindow) + GetBValue(clrWindow) < 3 * 128;
    m_bIsBlackHighContrast = bHighContrast && bDarkWindow;
    m_bIsWhiteHighContrast = bHighContrast && !bDarkWindow;
}

void AFX_GLOBAL_DATA::UpdateFonts()
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    LOGFONTW lf = {};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        lf = ncm.lfMenuFont;
    else
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);

    fontRegular.DeleteObject();
    fontRegular.CreateFontIndirect(&lf);

    LOGFONTW lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    fontBold.DeleteObject();
    fontBold.CreateFontIndirect(&lfBold);

    LOGFONTW lfUnderline = lf;
    lfUnderline.lfUnderline = TRUE;
    fontUnderline.DeleteObject();
    fontUnderline.CreateFontIndirect(&lfUnderline);
}

// CMFCToolBarButton: sizing and the plain drawing of a button through the visual manager.
#include "framework/bars/ToolBarButton.h"
#include "framework/bars/ToolBarImages.h"
#include "framework/bars/VisualManager.h"
#include "framework/gdi/DC.h"
#include "framework/gdi/GlobalData.h"

#include <algorithm>

IMPLEMENT_SERIAL(CMFCToolBarButton, CObject, 1)

BOOL CMFCToolBarButton::m_bWrapText = TRUE;

namespace
{
const int kTextMargin = 3; // between the image and the text, and around the text
}

CMFCToolBarButton::CMFCToolBarButton() = default;

CMFCToolBarButton::CMFCToolBarButton(UINT uiID, int iImage, const wchar_t* lpszText) : m_nID(uiID)
{
    SetImage(iImage);
    if (lpszText != nullptr)
        m_strText = lpszText;
}

CMFCToolBarButton::~CMFCToolBarButton() = default;

void CMFCToolBarButton::CopyFrom(const CMFCToolBarButton& src)
{
    m_nID = src.m_nID;
    m_nStyle = src.m_nStyle;
    m_strText = src.m_strText;
    m_bText = src.m_bText;
    m_bImage = src.m_bImage;
    m_bExtraSize = src.m_bExtraSize;
    m_bHorz = src.m_bHorz;
    m_iImage = src.m_iImage;
    m_bVisible = src.m_bVisible;
}

int CMFCToolBarButton::GetDrawState(BOOL bHighlight) const
{
    if ((m_nStyle & TBBS_PRESSED) != 0)
        return ButtonsIsPressed;
    if (bHighlight && (m_nStyle & TBBS_DISABLED) == 0)
        return ButtonsIsHighlighted;
    return ButtonsIsRegular;
}

void CMFCToolBarButton::FillInterior(CDC* pDC, const CRect& rect, BOOL bHighlight)
{
    CMFCVisualManager::GetInstance()->OnFillButtonInterior(
        pDC, this, rect, static_cast<AFX_BUTTON_STATE>(GetDrawState(bHighlight)));
}

SIZE CMFCToolBarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (!IsVisible())
        return CSize(0, 0);
    if (IsSeparator())
        return bHorz ? CSize(8, sizeDefault.cy) : CSize(sizeDefault.cx, 8);

    CSize size = sizeDefault;
    const BOOL bHasImage = m_bImage && m_iImage >= 0;
    if (!bHasImage)
        size.cx = 0;
    m_sizeText = CSize(0, 0);
    if (m_bText && !m_strText.IsEmpty() && pDC != nullptr)
    {
        HDC hdc = pDC->GetSafeHdc();
        HGDIOBJ hOldFont = ::SelectObject(hdc, afxGlobalData.fontRegular.GetSafeHandle());
        CRect rectText(0, 0, 3 * std::max<int>(sizeDefault.cx, 1), sizeDefault.cy);
        UINT format = DT_CALCRECT | DT_CENTER | DT_NOPREFIX;
        format |= m_bWrapText ? DT_WORDBREAK : DT_SINGLELINE;
        ::DrawTextW(hdc, m_strText, m_strText.GetLength(), &rectText, format);
        ::SelectObject(hdc, hOldFont);
        m_sizeText = CSize(rectText.Width() + 2 * kTextMargin, rectText.Height());
        if (bHorz)
        {
            size.cx += m_sizeText.cx;
            size.cy = std::max<int>(size.cy, m_sizeText.cy + 2 * kTextMargin);
        }
        else
        {
            size.cx = std::max<int>(size.cx, m_sizeText.cx);
            size.cy += m_sizeText.cy;
        }
    }
    if (m_bExtraSize)
    {
        const CSize extra = CMFCVisualManager::GetInstance()->GetButtonExtraBorder();
        size.cx += extra.cx;
        size.cy += extra.cy;
    }
    return size;
}

void CMFCToolBarButton::OnDraw(CDC* pDC, const CRect& rect, CMFCToolBarImages* pImages, BOOL bHorz,
                               BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                               BOOL bGrayDisabledButtons)
{
    if (pDC == nullptr || !IsVisible() || IsSeparator())
        return;
    m_bHorz = bHorz;
    FillInterior(pDC, rect, bHighlight);

    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;
    CRect rectText = rect;

    // The image: centred, or at the left when a text follows on a horizontal bar. A pressed image
    // sinks by one pixel.
    if (m_bImage && m_iImage >= 0 && pImages != nullptr)
    {
        const CSize sizeImage = pImages->GetImageSize();
        const BOOL bTextBeside = m_bText && !m_strText.IsEmpty();
        int x = rect.left + (rect.Width() - sizeImage.cx) / 2;
        int y = rect.top + (rect.Height() - sizeImage.cy) / 2;
        if (bTextBeside && bHorz)
        {
            x = rect.left + kTextMargin;
            rectText.left = x + sizeImage.cx;
        }
        else if (bTextBeside)
        {
            y = rect.top + kTextMargin;
            rectText.top = y + sizeImage.cy;
        }
        if (bPressed)
        {
            ++x;
            ++y;
        }
        pImages->Draw(pDC, x, y, m_iImage, FALSE, bDisabled && bGrayDisabledButtons,
                      (m_nStyle & TBBS_INDETERMINATE) != 0);
    }

    if (m_bText && !m_strText.IsEmpty())
    {
        HDC hdc = pDC->GetSafeHdc();
        const COLORREF clrText = CMFCVisualManager::GetInstance()->GetToolbarButtonTextColor(
            this, static_cast<AFX_BUTTON_STATE>(GetDrawState(bHighlight)));
        HGDIOBJ hOldFont = ::SelectObject(hdc, afxGlobalData.fontRegular.GetSafeHandle());
        const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
        const COLORREF oldColor = ::SetTextColor(hdc, clrText);
        UINT format = DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        format |= m_bWrapText ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
        ::DrawTextW(hdc, m_strText, m_strText.GetLength(), &rectText, format);
        ::SetTextColor(hdc, oldColor);
        ::SetBkMode(hdc, oldMode);
        ::SelectObject(hdc, hOldFont);
    }

    if (!bCustomizeMode && HaveHotBorder() && bDrawBorder)
    {
        CMFCVisualManager* pManager = CMFCVisualManager::GetInstance();
        if ((m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0)
            pManager->OnDrawButtonBorder(pDC, this, rect, ButtonsIsPressed);
        else if (bHighlight && (m_nStyle & (TBBS_DISABLED | TBBS_INDETERMINATE)) == 0)
            pManager->OnDrawButtonBorder(pDC, this, rect, ButtonsIsHighlighted);
    }
}

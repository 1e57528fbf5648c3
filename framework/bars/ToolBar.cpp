// CMFCToolBar: creation, loading, layout, painting, mouse tracking and idle update of a tool bar.
#include "framework/bars/ToolBar.h"
#include "framework/bars/ToolBarCmdUI.h"
#include "framework/bars/VisualManager.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/gdi/Gdi.h"
#include "framework/window/WinApp.h"
#include "framework/window/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMFCToolBar, CPane)

BEGIN_MESSAGE_MAP(CMFCToolBar, CPane)
ON_WM_CREATE()
ON_WM_SYSCOLORCHANGE()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
END_MESSAGE_MAP()

CSize CMFCToolBar::m_sizeButton(23, 22);
CSize CMFCToolBar::m_sizeImage(16, 15);
CSize CMFCToolBar::m_sizeMenuButton(22, 22);
CSize CMFCToolBar::m_sizeMenuImage(16, 16);

namespace
{
// The tool-bar resource: version, image width and height, item count, then one id per item.
struct ToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
};
} // namespace

CMFCToolBar::CMFCToolBar() = default;

CMFCToolBar::~CMFCToolBar()
{
    RemoveAllButtons();
}

void CMFCToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    if (sizeButton.cx > 0 && sizeButton.cy > 0)
        m_sizeButton = sizeButton;
    if (sizeImage.cx > 0 && sizeImage.cy > 0)
        m_sizeImage = sizeImage;
}

void CMFCToolBar::SetMenuSizes(SIZE sizeButton, SIZE sizeImage)
{
    if (sizeButton.cx > 0 && sizeButton.cy > 0)
        m_sizeMenuButton = sizeButton;
    if (sizeImage.cx > 0 && sizeImage.cy > 0)
        m_sizeMenuImage = sizeImage;
}

// --- creation ---

BOOL CMFCToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CMFCToolBar::CreateEx(CWnd* pParentWnd, DWORD /*dwCtrlStyle*/, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    // The pane bits share their values with window styles (CBRS_GRIPPER is WS_DLGFRAME): keep them
    // out of the window's style.
    SetPaneStyle(dwStyle & CBRS_ALL);
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    const wchar_t* lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    const DWORD dwWndStyle = (dwStyle & ~static_cast<DWORD>(CBRS_ALL)) | WS_CLIPSIBLINGS;
    return CWnd::CreateEx(0, lpszClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CMFCToolBar::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    return 0;
}

// --- loading ---

BOOL CMFCToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                              UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID)
{
    HINSTANCE hinst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResourceW(hinst, MAKEINTRESOURCEW(uiResID), MAKEINTRESOURCEW(RT_TOOLBAR_TYPE));
    if (hRsrc == nullptr)
        return FALSE;
    const DWORD cbResource = ::SizeofResource(hinst, hRsrc);
    HGLOBAL hGlobal = ::LoadResource(hinst, hRsrc);
    const auto* pData =
        static_cast<const ToolBarResource*>(hGlobal != nullptr ? ::LockResource(hGlobal) : nullptr);
    // A resource too short for its own item count is refused rather than read past its end.
    if (pData == nullptr || cbResource < sizeof(ToolBarResource) || pData->wVersion != 1 ||
        pData->wWidth == 0 || pData->wHeight == 0 ||
        cbResource < sizeof(ToolBarResource) + pData->wItemCount * sizeof(WORD))
        return FALSE;
    const WORD* pItems = reinterpret_cast<const WORD*>(pData + 1);

    const CSize sizeImage(pData->wWidth, pData->wHeight);
    struct
    {
        CMFCToolBarImages* pImages;
        UINT uiResID;
    } strips[] = {{&m_Images, uiResID},
                  {&m_ImagesCold, uiColdResID},
                  {&m_ImagesMenu, uiMenuResID},
                  {&m_ImagesDisabled, uiDisabledResID},
                  {&m_ImagesMenuDisabled, uiMenuDisabledResID},
                  {&m_ImagesHot, uiHotResID}};
    for (auto& strip : strips)
    {
        strip.pImages->Clear();
        if (strip.uiResID == 0)
            continue;
        strip.pImages->SetImageSize(sizeImage);
        if (!strip.pImages->Load(strip.uiResID, hinst))
            return FALSE;
    }

    // The image size is class-wide; buttons grow to hold the images.
    m_sizeImage = sizeImage;
    m_sizeButton = CSize(std::max<int>(m_sizeButton.cx, sizeImage.cx + 7),
                         std::max<int>(m_sizeButton.cy, sizeImage.cy + 6));
    m_bLocked = bLocked;

    RemoveAllButtons();
    int iImage = 0;
    for (WORD i = 0; i < pData->wItemCount; ++i)
    {
        const UINT nID = pItems[i];
        if (nID == 0)
        {
            InsertSeparator();
            continue;
        }
        CMFCToolBarButton button(nID, iImage++);
        // The string of the command's id names the button (the part after a line break, when any).
        wchar_t* pText = nullptr;
        const int nLength = ::LoadStringW(hinst, nID, reinterpret_cast<wchar_t*>(&pText), 0);
        if (nLength > 0 && pText != nullptr)
        {
            CString text(pText, nLength);
            const int nBreak = text.Find(L'\n');
            button.m_strText = nBreak >= 0 ? text.Mid(nBreak + 1) : text;
        }
        InsertButton(button);
    }
    AdjustLayout();
    return TRUE;
}

BOOL CMFCToolBar::RestoreOriginalState()
{
    return FALSE;
}

// --- buttons ---

int CMFCToolBar::InsertButton(const CMFCToolBarButton& button, INT_PTR iInsertAt)
{
    // The bar's copy is of the button's own class, so derived buttons keep their drawing.
    CObject* pObject = button.GetRuntimeClass()->CreateObject();
    auto* pButton = DYNAMIC_DOWNCAST(CMFCToolBarButton, pObject);
    if (pButton == nullptr)
    {
        delete pObject;
        return -1;
    }
    pButton->CopyFrom(button);
    pButton->SetParentWnd(this);
    if (iInsertAt < 0 || iInsertAt > static_cast<INT_PTR>(m_Buttons.size()))
        iInsertAt = static_cast<INT_PTR>(m_Buttons.size());
    m_Buttons.insert(m_Buttons.begin() + iInsertAt, pButton);
    m_iHighlighted = -1;
    m_iButtonCapture = -1;
    return static_cast<int>(iInsertAt);
}

int CMFCToolBar::InsertSeparator(INT_PTR iInsertAt)
{
    CMFCToolBarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    return InsertButton(separator, iInsertAt);
}

void CMFCToolBar::RemoveAllButtons()
{
    for (CMFCToolBarButton* pButton : m_Buttons)
        delete pButton;
    m_Buttons.clear();
    m_iHighlighted = -1;
    m_iButtonCapture = -1;
}

CMFCToolBarButton* CMFCToolBar::GetButton(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount())
        return nullptr;
    return m_Buttons[static_cast<size_t>(iIndex)];
}

int CMFCToolBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (!m_Buttons[static_cast<size_t>(i)]->IsSeparator() &&
            m_Buttons[static_cast<size_t>(i)]->m_nID == nIDFind)
            return i;
    }
    return -1;
}

void CMFCToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    const CMFCToolBarButton* pButton = GetButton(nIndex);
    if (lpRect != nullptr)
        *lpRect = pButton != nullptr ? pButton->Rect() : CRect();
}

int CMFCToolBar::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        const CMFCToolBarButton* pButton = m_Buttons[static_cast<size_t>(i)];
        if (pButton->IsVisible() && !pButton->IsSeparator() && pButton->Rect().PtInRect(point))
            return i;
    }
    return -1;
}

// --- layout ---

BOOL CMFCToolBar::IsHorizontal() const
{
    return (GetCurrentAlignment() & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) == 0;
}

CSize CMFCToolBar::MeasureButtons(BOOL bHorz, std::vector<CSize>& sizes)
{
    sizes.clear();
    CSize sizeMax(0, 0);
    HDC hdc = ::GetDC(m_hWnd);
    CDC dc; // borrows the window's DC for measuring; released below
    CDC* pDC = hdc != nullptr && dc.Attach(hdc) ? &dc : nullptr;
    const CSize sizeDefault = m_bMenuMode ? m_sizeMenuButton : m_sizeButton;
    for (CMFCToolBarButton* pButton : m_Buttons)
    {
        const CSize size = pButton->OnCalculateSize(pDC, sizeDefault, bHorz);
        sizes.push_back(size);
        if (!pButton->IsSeparator())
        {
            sizeMax.cx = std::max<int>(sizeMax.cx, size.cx);
            sizeMax.cy = std::max<int>(sizeMax.cy, size.cy);
        }
    }
    dc.Detach();
    if (hdc != nullptr)
        ::ReleaseDC(m_hWnd, hdc);
    return sizeMax;
}

void CMFCToolBar::PlaceButtons()
{
    const BOOL bHorz = IsHorizontal();
    std::vector<CSize> sizes;
    const CSize sizeMax = MeasureButtons(bHorz, sizes);
    int x = m_cxLeftBorder, y = m_cyTopBorder;
    for (size_t i = 0; i < m_Buttons.size(); ++i)
    {
        CMFCToolBarButton* pButton = m_Buttons[i];
        if (!pButton->IsVisible())
        {
            pButton->SetRect(CRect());
            continue;
        }
        // A row shares one height (a column one width), so buttons line up.
        if (bHorz)
        {
            pButton->SetRect(CRect(x, y, x + sizes[i].cx, y + std::max<int>(sizeMax.cy, m_sizeButton.cy)));
            x += sizes[i].cx;
        }
        else
        {
            pButton->SetRect(CRect(x, y, x + std::max<int>(sizeMax.cx, m_sizeButton.cx), y + sizes[i].cy));
            y += sizes[i].cy;
        }
    }
}

CSize CMFCToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    std::vector<CSize> sizes;
    const CSize sizeMax = MeasureButtons(bHorz, sizes);
    int length = 0;
    for (size_t i = 0; i < sizes.size(); ++i)
        length += bHorz ? sizes[i].cx : sizes[i].cy;
    const int thickness =
        bHorz ? std::max<int>(sizeMax.cy, m_sizeButton.cy) : std::max<int>(sizeMax.cx, m_sizeButton.cx);
    if (bHorz)
        return CSize(bStretch ? 32767 : length + m_cxLeftBorder + m_cxRightBorder,
                     thickness + m_cyTopBorder + m_cyBottomBorder);
    return CSize(thickness + m_cxLeftBorder + m_cxRightBorder,
                 bStretch ? 32767 : length + m_cyTopBorder + m_cyBottomBorder);
}

void CMFCToolBar::AdjustLayout()
{
    if (m_hWnd == nullptr)
        return;
    PlaceButtons();
    Invalidate(TRUE);
    if (CFrameWndEx* pFrame = GetDockSiteFrameWnd())
        pFrame->RecalcLayout();
}

void CMFCToolBar::OnSize(UINT nType, int cx, int cy)
{
    CPane::OnSize(nType, cx, cy);
    PlaceButtons();
}

// --- painting ---

BOOL CMFCToolBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE; // DoPaint fills the whole background
}

void CMFCToolBar::DoPaint(CDC* pDCPaint)
{
    // Background and buttons go to a buffer first, so hot tracking does not flicker.
    CRect rectClip;
    ::GetClipBox(pDCPaint->GetSafeHdc(), &rectClip);
    CMemDC memDC(pDCPaint, this);
    CDC* pDC = &memDC.GetDC();
    CPane::DoPaint(pDC);
    // Labels lie over the bar's background: buttons that draw their own text rely on it.
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    const BOOL bHorz = IsHorizontal();
    for (int i = 0; i < GetCount(); ++i)
    {
        CMFCToolBarButton* pButton = m_Buttons[static_cast<size_t>(i)];
        CRect rectButton = pButton->Rect();
        CRect rectPaint;
        if (!pButton->IsVisible() || !rectPaint.IntersectRect(&rectButton, &rectClip))
            continue;
        if (pButton->IsSeparator())
        {
            CMFCVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rectButton, bHorz);
            continue;
        }

        const BOOL bHighlighted = i == m_iHighlighted;
        const BOOL bDisabled = (pButton->m_nStyle & TBBS_DISABLED) != 0;
        CMFCToolBarImages* pImages = &m_Images;
        BOOL bDrawDisabledImages = FALSE;
        if (bDisabled && !m_bGrayDisabledButtons && m_ImagesDisabled.IsValid())
        {
            pImages = &m_ImagesDisabled;
            bDrawDisabledImages = TRUE;
        }
        else if (!bDisabled && (bHighlighted || (pButton->m_nStyle & TBBS_PRESSED) != 0) &&
                 m_ImagesHot.IsValid())
            pImages = &m_ImagesHot;
        else if (!bDisabled && !bHighlighted && m_ImagesCold.IsValid())
            pImages = &m_ImagesCold;
        DrawButton(pDC, pButton, pImages, bHighlighted, bDrawDisabledImages);
    }
    pDC->SetBkMode(nOldBkMode);
}

BOOL CMFCToolBar::DrawButton(CDC* pDC, CMFCToolBarButton* pButton, CMFCToolBarImages* pImages,
                             BOOL bHighlighted, BOOL bDrawDisabledImages)
{
    if (pDC == nullptr || pButton == nullptr)
        return FALSE;
    pButton->OnDraw(pDC, pButton->Rect(), pImages, IsHorizontal(), IsCustomizeMode(), bHighlighted, TRUE,
                    m_bGrayDisabledButtons && !bDrawDisabledImages);
    return TRUE;
}

void CMFCToolBar::OnSysColorChange()
{
    for (CMFCToolBarImages* pImages :
         {&m_Images, &m_ImagesCold, &m_ImagesHot, &m_ImagesDisabled, &m_ImagesMenu, &m_ImagesMenuDisabled})
        pImages->OnSysColorChange();
    Invalidate(TRUE);
}

void CMFCToolBar::InvalidateButton(int iButton)
{
    const CMFCToolBarButton* pButton = GetButton(iButton);
    if (pButton != nullptr && m_hWnd != nullptr)
    {
        CRect rect = pButton->Rect();
        InvalidateRect(&rect, FALSE);
    }
}

// --- mouse ---

void CMFCToolBar::SetHighlighted(int iButton)
{
    if (iButton == m_iHighlighted)
        return;
    InvalidateButton(m_iHighlighted);
    m_iHighlighted = iButton;
    InvalidateButton(m_iHighlighted);
}

void CMFCToolBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_bTrackingLeave)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&tme);
    }
    const int iHit = HitTest(point);
    if (m_iButtonCapture >= 0)
    {
        // While the mouse is held, the button looks pressed only while the cursor is over it.
        CMFCToolBarButton* pButton = GetButton(m_iButtonCapture);
        const UINT nOld = pButton->m_nStyle;
        if (iHit == m_iButtonCapture)
            pButton->m_nStyle |= TBBS_PRESSED;
        else
            pButton->m_nStyle &= ~TBBS_PRESSED;
        if (pButton->m_nStyle != nOld)
            InvalidateButton(m_iButtonCapture);
        SetHighlighted(iHit == m_iButtonCapture ? iHit : -1);
        return;
    }
    SetHighlighted(iHit);
}

LRESULT CMFCToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTrackingLeave = FALSE;
    if (m_iButtonCapture < 0)
        SetHighlighted(-1);
    return 0;
}

void CMFCToolBar::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    const int iHit = HitTest(point);
    CMFCToolBarButton* pButton = GetButton(iHit);
    if (pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED) != 0)
        return;
    m_iButtonCapture = iHit;
    pButton->m_nStyle |= TBBS_PRESSED;
    SetHighlighted(iHit);
    InvalidateButton(iHit);
    ::SetCapture(m_hWnd);
}

void CMFCToolBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    const int iButton = m_iButtonCapture;
    if (iButton < 0)
        return;
    m_iButtonCapture = -1; // before releasing: the capture change must not undo the click
    CMFCToolBarButton* pButton = GetButton(iButton);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (pButton == nullptr)
        return;
    pButton->m_nStyle &= ~TBBS_PRESSED;
    InvalidateButton(iButton);
    const int iHit = HitTest(point);
    SetHighlighted(iHit);
    if (iHit == iButton && (pButton->m_nStyle & TBBS_DISABLED) == 0)
        OnClickButton(iButton);
}

LRESULT CMFCToolBar::OnCaptureChanged(WPARAM, LPARAM)
{
    // Capture taken away while a button was held (a menu opened, another window grabbed the mouse):
    // the press is abandoned.
    if (m_iButtonCapture >= 0)
    {
        CMFCToolBarButton* pButton = GetButton(m_iButtonCapture);
        if (pButton != nullptr)
            pButton->m_nStyle &= ~TBBS_PRESSED;
        InvalidateButton(m_iButtonCapture);
        m_iButtonCapture = -1;
        SetHighlighted(-1);
    }
    return 0;
}

void CMFCToolBar::OnClickButton(int iButton)
{
    const CMFCToolBarButton* pButton = GetButton(iButton);
    HWND hWndTarget = ::GetParent(m_hWnd);
    if (pButton == nullptr || pButton->m_nID == 0 || hWndTarget == nullptr)
        return;
    // Posted, not sent: a command such as Exit destroys the frame and with it this bar, which must not
    // happen while the bar is still inside its own mouse handler.
    ::PostMessageW(hWndTarget, WM_COMMAND, MAKEWPARAM(pButton->m_nID, 0), 0);
}

// --- idle update ---

void CMFCToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdTarget* pCmdTarget = pTarget;
    if (pCmdTarget == nullptr)
        pCmdTarget = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pCmdTarget == nullptr)
        return;
    CToolBarCmdUI state(this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i)
    {
        CMFCToolBarButton* pButton = m_Buttons[static_cast<size_t>(i)];
        if (pButton->IsSeparator() || pButton->m_nID == 0)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = pButton->m_nID;
        state.DoUpdate(pCmdTarget, bDisableIfNoHndler);
    }
}

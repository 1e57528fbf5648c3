// CMFCBaseVisualManager and CMFCVisualManager: the installed instance and the plain, classic look.
#include "framework/bars/VisualManager.h"
#include "framework/gdi/DrawingManager.h"
#include "framework/gdi/GlobalData.h"
#include "framework/gdi/DC.h"
#include "framework/gdi/ImageList.h"
#include "framework/bars/BasePane.h"
#include "framework/bars/ToolBarButton.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "framework/bars/PopupMenu.h"
#include "framework/bars/TasksPane.h"
#include "framework/window/WinApp.h"
#include "framework/window/Wnd.h"

IMPLEMENT_DYNAMIC(CMFCBaseVisualManager, CObject)
IMPLEMENT_DYNCREATE(CMFCVisualManager, CMFCBaseVisualManager)

CMFCVisualManager* CMFCVisualManager::m_pVisManager = nullptr;
CRuntimeClass* CMFCVisualManager::m_pRTIDefault = nullptr;

namespace
{
// Destroys the instance at process exit, while the GDI objects it holds can still be released.
struct VisualManagerCleanup
{
    ~VisualManagerCleanup() { CMFCVisualManager::DestroyInstance(); }
} g_visualManagerCleanup;

HDC Hdc(CDC* pDC)
{
    return pDC != nullptr ? pDC->GetSafeHdc() : nullptr;
}

// An entry of the visual-styles library (through the generic function type, which any entry fits).
template <class PFN>
PFN ThemeEntry(HMODULE hModule, const char* lpszName)
{
    return reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, lpszName)));
}

COLORREF Blend(COLORREF a, COLORREF b, int percentOfA)
{
    auto mix = [&](int ca, int cb)
    { return static_cast<BYTE>((ca * percentOfA + cb * (100 - percentOfA)) / 100); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}
} // namespace

// --- CMFCBaseVisualManager ---

CMFCBaseVisualManager::CMFCBaseVisualManager()
{
    m_hThemeDll = ::LoadLibraryW(L"uxtheme.dll");
    if (m_hThemeDll != nullptr)
    {
        m_pfDrawThemeBackground = ThemeEntry<PFN_DRAWTHEMEBACKGROUND>(m_hThemeDll, "DrawThemeBackground");
        m_pfOpenThemeData = ThemeEntry<PFN_OPENTHEMEDATA>(m_hThemeDll, "OpenThemeData");
        m_pfCloseThemeData = ThemeEntry<PFN_CLOSETHEMEDATA>(m_hThemeDll, "CloseThemeData");
    }
    UpdateVisualStyles();
}

CMFCBaseVisualManager::~CMFCBaseVisualManager()
{
    if (m_hThemeWindow != nullptr && m_pfCloseThemeData != nullptr)
        m_pfCloseThemeData(m_hThemeWindow);
    m_hThemeWindow = nullptr;
    if (m_hThemeDll != nullptr)
        ::FreeLibrary(m_hThemeDll);
}

void CMFCBaseVisualManager::UpdateVisualStyles()
{
    if (m_hThemeWindow != nullptr && m_pfCloseThemeData != nullptr)
        m_pfCloseThemeData(m_hThemeWindow);
    m_hThemeWindow = nullptr;
    // Without a drawing entry an open theme would be of no use.
    if (m_pfOpenThemeData != nullptr && m_pfDrawThemeBackground != nullptr)
        m_hThemeWindow = m_pfOpenThemeData(nullptr, L"WINDOW");
}

// --- CMFCVisualManager: the instance ---

CMFCVisualManager::CMFCVisualManager() = default;

CMFCVisualManager::~CMFCVisualManager()
{
    if (m_pVisManager == this)
        m_pVisManager = nullptr;
}

void CMFCVisualManager::SetDefaultManager(CRuntimeClass* pRTI)
{
    if (pRTI != nullptr && !pRTI->IsDerivedFrom(RUNTIME_CLASS(CMFCVisualManager)))
        return; // not a visual manager: keep the current one
    m_pRTIDefault = pRTI;
    DestroyInstance();
    GetInstance();

    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        pMainWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

CMFCVisualManager* CMFCVisualManager::GetInstance()
{
    if (m_pVisManager != nullptr)
        return m_pVisManager;

    CMFCVisualManager* pManager = nullptr;
    if (m_pRTIDefault != nullptr)
    {
        CObject* pObject = m_pRTIDefault->CreateObject();
        pManager = DYNAMIC_DOWNCAST(CMFCVisualManager, pObject);
        if (pManager == nullptr)
            delete pObject;
    }
    if (pManager == nullptr)
        pManager = new CMFCVisualManager;
    m_pVisManager = pManager;
    pManager->OnUpdateSystemColors();
    return pManager;
}

void CMFCVisualManager::DestroyInstance()
{
    CMFCVisualManager* pManager = m_pVisManager;
    m_pVisManager = nullptr;
    delete pManager;
}

void CMFCVisualManager::ResetBrush(CBrush& brush, COLORREF clr)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(clr);
}

BOOL CMFCVisualManager::IsNormalColorMode()
{
    return afxGlobalData.m_nBitsPerPixel > 8 && !afxGlobalData.IsHighContrastMode();
}

void CMFCVisualManager::OnUpdateSystemColors()
{
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF clrSelection = ::GetSysColor(COLOR_HIGHLIGHT);

    m_clrBarBkgnd = clrFace;
    ResetBrush(m_brBarBkgnd, m_clrBarBkgnd);
    m_clrMenuLight = ::GetSysColor(COLOR_MENU);
    ResetBrush(m_brMenuLight, m_clrMenuLight);
    m_clrHighlight = Blend(clrSelection, clrWindow, 30);
    ResetBrush(m_brHighlight, m_clrHighlight);
    m_clrHighlightDn = Blend(clrSelection, clrWindow, 50);
    ResetBrush(m_brHighlightDn, m_clrHighlightDn);
    m_clrHighlightChecked = Blend(clrSelection, clrWindow, 20);
    ResetBrush(m_brHighlightChecked, m_clrHighlightChecked);
    m_clrMenuItemBorder = clrSelection;
    m_clrMenuBorder = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrMenuShadowBase = clrFace;
    m_clrHighlightMenuItemText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);

    UpdateVisualStyles();
}

// --- bars ---

void CMFCVisualManager::OnFillBarBackground(CDC* pDC, CBasePane* /*pBar*/, CRect rectClient, CRect rectClip,
                                            BOOL /*bNCArea*/)
{
    if (pDC == nullptr)
        return;
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    pDC->FillRect(rectClip, &m_brBarBkgnd);
}

void CMFCVisualManager::OnDrawSeparator(CDC* pDC, CBasePane* /*pBar*/, CRect rect, BOOL bIsHoriz)
{
    if (pDC == nullptr)
        return;
    // An etched line across the middle of the separator's space.
    if (bIsHoriz)
    {
        rect.left = (rect.left + rect.right) / 2 - 1;
        rect.right = rect.left + 2;
        rect.DeflateRect(0, 2);
        ::DrawEdge(Hdc(pDC), &rect, EDGE_ETCHED, BF_LEFT);
    }
    else
    {
        rect.top = (rect.top + rect.bottom) / 2 - 1;
        rect.bottom = rect.top + 2;
        rect.DeflateRect(2, 0);
        ::DrawEdge(Hdc(pDC), &rect, EDGE_ETCHED, BF_TOP);
    }
}

// --- tool-bar buttons ---

void CMFCVisualManager::OnFillButtonInterior(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                                             AFX_BUTTON_STATE state)
{
    if (pDC == nullptr || pButton == nullptr)
        return;
    // The classic look keeps the bar's face; only a checked button that is not hot is set off.
    if ((pButton->m_nStyle & TBBS_CHECKED) != 0 && state == ButtonsIsRegular)
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_3DLIGHT));
}

void CMFCVisualManager::OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* /*pButton*/, CRect rect,
                                           AFX_BUTTON_STATE state)
{
    if (pDC == nullptr)
        return;
    const COLORREF clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    switch (state)
    {
    case ButtonsIsPressed:
        pDC->Draw3dRect(rect, clrShadow, clrLight);
        break;
    case ButtonsIsHighlighted:
        pDC->Draw3dRect(rect, clrLight, clrShadow);
        break;
    default:
        break;
    }
}

void CMFCVisualManager::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                              CMFCToolBarButton* /*pButton*/)
{
    if (pDC != nullptr && pBrush != nullptr)
        pDC->FillRect(rect, pBrush);
}

COLORREF CMFCVisualManager::GetToolbarButtonTextColor(CMFCToolBarButton* pButton, AFX_BUTTON_STATE /*state*/)
{
    if (pButton != nullptr && (pButton->m_nStyle & TBBS_DISABLED) != 0)
        return ::GetSysColor(COLOR_GRAYTEXT);
    return ::GetSysColor(COLOR_BTNTEXT);
}

// --- menus ---

void CMFCVisualManager::OnDrawMenuBorder(CDC* pDC, CMFCPopupMenu* /*pMenu*/, CRect rect)
{
    if (pDC != nullptr)
        pDC->Draw3dRect(rect, m_clrMenuBorder, m_clrMenuBorder);
}

void CMFCVisualManager::OnHighlightMenuItem(CDC* pDC, CMFCToolBarMenuButton* pButton, CRect rect,
                                            COLORREF& clrText)
{
    if (pDC == nullptr)
        return;
    pDC->FillSolidRect(rect, ::GetSysColor(COLOR_HIGHLIGHT));
    clrText = GetHighlightedMenuItemTextColor(pButton);
}

COLORREF CMFCVisualManager::GetHighlightedMenuItemTextColor(CMFCToolBarMenuButton* pButton)
{
    if (pButton != nullptr && (pButton->m_nStyle & TBBS_DISABLED) != 0)
        return ::GetSysColor(COLOR_GRAYTEXT);
    return m_clrHighlightMenuItemText;
}

void CMFCVisualManager::ExtendMenuButton(CMFCToolBarMenuButton* pMenuButton, CRect& rect)
{
    if (pMenuButton == nullptr)
        return;
    CMFCPopupMenu* pPopup = pMenuButton->GetPopupMenu();
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr)
        return;
    // Reach over the gap toward the popup on whichever side it opened.
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    CWnd* pParent = pMenuButton->GetParentWnd();
    if (pParent != nullptr)
        pParent->ScreenToClient(&rectPopup);
    if (rectPopup.top >= rect.bottom - 1)
        rect.bottom = rectPopup.top + 1;
    else if (rectPopup.bottom <= rect.top + 1)
        rect.top = rectPopup.bottom - 1;
    else if (rectPopup.left >= rect.right - 1)
        rect.right = rectPopup.left + 1;
    else if (rectPopup.right <= rect.left + 1)
        rect.left = rectPopup.right - 1;
}

// --- combo boxes ---

void CMFCVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                              BOOL /*bIsHighlighted*/, CMFCToolBarComboBoxButton* /*pButton*/)
{
    if (pDC == nullptr)
        return;
    UINT state = DFCS_SCROLLCOMBOBOX;
    if (bDisabled)
        state |= DFCS_INACTIVE;
    if (bIsDropped)
        state |= DFCS_PUSHED | DFCS_FLAT;
    ::DrawFrameControl(Hdc(pDC), &rect, DFC_SCROLL, state);
}

void CMFCVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/, BOOL bIsDropped,
                                          BOOL bIsHighlighted, CMFCToolBarComboBoxButton* /*pButton*/)
{
    if (pDC == nullptr)
        return;
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (bIsDropped || bIsHighlighted)
        pDC->Draw3dRect(rect, clrShadow, clrLight);
    else
        pDC->Draw3dRect(rect, m_clrBarBkgnd, m_clrBarBkgnd);
}

// --- tasks pane ---

void CMFCVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    if (pDC != nullptr)
        pDC->FillRect(rectWorkArea, &m_brBarBkgnd);
}

void CMFCVisualManager::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL /*bSpecial*/)
{
    if (pDC != nullptr)
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_WINDOW));
}

void CMFCVisualManager::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL /*bSpecial*/, BOOL /*bNoTitle*/)
{
    if (pDC != nullptr)
        pDC->Draw3dRect(rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
}

void CMFCVisualManager::OnDrawTasksGroupCaption(CDC* pDC, const CString& strCaption, CRect rect)
{
    if (pDC == nullptr || strCaption.IsEmpty())
        return;
    HDC hdc = Hdc(pDC);
    HGDIOBJ hOldFont = ::SelectObject(hdc, afxGlobalData.fontBold.GetSafeHandle());
    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(hdc, ::GetSysColor(COLOR_BTNTEXT));
    rect.DeflateRect(4, 0);
    ::DrawTextW(hdc, strCaption, strCaption.GetLength(), &rect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    ::SetTextColor(hdc, oldColor);
    ::SetBkMode(hdc, oldMode);
    ::SelectObject(hdc, hOldFont);
}

void CMFCVisualManager::OnDrawTask(CDC* pDC, CMFCTasksPaneTask* pTask, CImageList* pIcons,
                                   BOOL bIsHighlighted, BOOL /*bIsSelected*/)
{
    if (pDC == nullptr || pTask == nullptr)
        return;
    HDC hdc = Hdc(pDC);
    CRect rect = pTask->m_rect;

    if (pTask->m_bIsSeparator)
    {
        const int y = (rect.top + rect.bottom) / 2;
        pDC->FillSolidRect(CRect(rect.left, y, rect.right, y + 1), ::GetSysColor(COLOR_BTNSHADOW));
        return;
    }

    if (pIcons != nullptr && pIcons->GetSafeHandle() != nullptr && pTask->m_nIcon >= 0)
    {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(pIcons->GetSafeHandle(), &cx, &cy);
        ::ImageList_Draw(pIcons->GetSafeHandle(), pTask->m_nIcon, hdc, rect.left,
                         rect.top + (rect.Height() - cy) / 2, ILD_TRANSPARENT);
        rect.left += cx + 4;
    }

    // A task (it has a command) reads as a link; a label as plain text.
    const BOOL bIsTask = pTask->m_uiCommandID != 0;
    COLORREF clrText = pTask->m_clrText;
    if (bIsTask && bIsHighlighted && pTask->m_clrTextHot != (COLORREF)-1)
        clrText = pTask->m_clrTextHot;
    // Tasks take the selection colour: the system's hot-link colour can be too pale on a light pane.
    if (clrText == (COLORREF)-1)
        clrText = ::GetSysColor(bIsTask ? COLOR_HIGHLIGHT : COLOR_BTNTEXT);

    // A hot task is underlined, as a link under the mouse.
    HGDIOBJ hFont = afxGlobalData.fontRegular.GetSafeHandle();
    if (pTask->m_bIsBold)
        hFont = afxGlobalData.fontBold.GetSafeHandle();
    else if (bIsTask && bIsHighlighted)
        hFont = afxGlobalData.fontUnderline.GetSafeHandle();
    HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(hdc, clrText);
    const UINT format = pTask->IsWrapped() ? (DT_WORDBREAK | DT_NOPREFIX)
                                           : (DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::DrawTextW(hdc, pTask->m_strName, pTask->m_strName.GetLength(), &rect, format);
    ::SetTextColor(hdc, oldColor);
    ::SetBkMode(hdc, oldMode);
    ::SelectObject(hdc, hOldFont);
}

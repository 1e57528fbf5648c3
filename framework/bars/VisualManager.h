// The visual managers: the one object through which bars, buttons, menus and the tasks pane paint.
//
//   CMFCBaseVisualManager  the visual-styles entry (DrawThemeBackground) and the open "WINDOW" theme
//   CMFCVisualManager      the installed instance (SetDefaultManager / GetInstance), the colours and
//                          brushes every look reads, and every drawing hook with a plain, classic look
// The Office XP and Office 2003 looks are in framework/bars/VisualManagerOfficeXP.h and
// framework/bars/VisualManagerOffice2003.h; the skin derives from the latter.
#pragma once

#include "framework/window/CmdTarget.h"
#include "framework/core/CString.h"
#include "framework/core/Geometry.h"
#include "framework/gdi/GdiObject.h"

#include <uxtheme.h>

class CDC;
class CImageList;
class CBasePane;
class CMFCToolBarButton;
class CMFCToolBarMenuButton;
class CMFCToolBarComboBoxButton;
class CMFCPopupMenu;
class CMFCTasksPaneTask;

// The three states in which a tool-bar button is drawn.
enum AFX_BUTTON_STATE
{
    ButtonsIsRegular = 0,
    ButtonsIsPressed = 1,
    ButtonsIsHighlighted = 2,
};

class CMFCBaseVisualManager : public CObject
{
    DECLARE_DYNAMIC(CMFCBaseVisualManager)
public:
    CMFCBaseVisualManager();
    ~CMFCBaseVisualManager() override;
    CMFCBaseVisualManager(const CMFCBaseVisualManager&) = delete;
    CMFCBaseVisualManager& operator=(const CMFCBaseVisualManager&) = delete;

protected:
    using PFN_DRAWTHEMEBACKGROUND = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    using PFN_OPENTHEMEDATA = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using PFN_CLOSETHEMEDATA = HRESULT(WINAPI*)(HTHEME);

    // Loaded from uxtheme.dll when the system has visual styles; null otherwise.
    PFN_DRAWTHEMEBACKGROUND m_pfDrawThemeBackground = nullptr;
    // The theme of the class "WINDOW" (caption buttons); null when themes are off.
    HTHEME m_hThemeWindow = nullptr;

    // Closes and reopens the theme (after a theme or system-colour change).
    void UpdateVisualStyles();

private:
    HMODULE m_hThemeDll = nullptr;
    PFN_OPENTHEMEDATA m_pfOpenThemeData = nullptr;
    PFN_CLOSETHEMEDATA m_pfCloseThemeData = nullptr;
};

class CMFCVisualManager : public CMFCBaseVisualManager
{
    DECLARE_DYNCREATE(CMFCVisualManager)
public:
    CMFCVisualManager();
    ~CMFCVisualManager() override;

    // Installs the class whose single instance paints from now on (null: this plain class); the
    // current instance is destroyed and the bars of the main window are repainted.
    static void SetDefaultManager(CRuntimeClass* pRTI);
    // The instance, created on first use from the installed class.
    static CMFCVisualManager* GetInstance();
    // Destroys the instance (at exit; the next GetInstance creates a new one).
    static void DestroyInstance();

    // Recomputes colours and brushes from the system colours; called when the instance is created and
    // when the system colours change.
    virtual void OnUpdateSystemColors();

    // --- bars ---
    virtual void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                                     BOOL bNCArea = FALSE);
    virtual void OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz);

    // --- tool-bar buttons ---
    virtual void OnFillButtonInterior(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                                      AFX_BUTTON_STATE state);
    virtual void OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* pButton, CRect rect, AFX_BUTTON_STATE state);
    virtual void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CMFCToolBarButton* pButton);
    virtual COLORREF GetToolbarButtonTextColor(CMFCToolBarButton* pButton, AFX_BUTTON_STATE state);
    virtual CSize GetButtonExtraBorder() const { return CSize(0, 0); }

    // --- menus ---
    virtual void OnDrawMenuBorder(CDC* pDC, CMFCPopupMenu* pMenu, CRect rect);
    virtual void OnHighlightMenuItem(CDC* pDC, CMFCToolBarMenuButton* pButton, CRect rect, COLORREF& clrText);
    virtual COLORREF GetHighlightedMenuItemTextColor(CMFCToolBarMenuButton* pButton);

    // --- combo boxes on tool bars ---
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted, CMFCToolBarComboBoxButton* pButton);
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                                   CMFCToolBarComboBoxButton* pButton);

    // --- tasks pane ---
    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea);
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE);
    virtual void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                            BOOL bNoTitle = FALSE);
    virtual void OnDrawTasksGroupCaption(CDC* pDC, const CString& strCaption, CRect rect);
    virtual void OnDrawTask(CDC* pDC, CMFCTasksPaneTask* pTask, CImageList* pIcons,
                            BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE);

    // Drop shadow under menus and dropped-down menu buttons (0: none).
    int GetMenuShadowDepth() const { return m_nMenuShadowDepth; }
    void SetMenuShadowDepth(int nDepth) { m_nMenuShadowDepth = nDepth > 0 ? nDepth : 0; }

    // --- colours and brushes read by the looks and by derived managers ---
    COLORREF m_clrBarBkgnd = 0;
    CBrush m_brBarBkgnd;
    COLORREF m_clrMenuLight = 0;
    CBrush m_brMenuLight;
    COLORREF m_clrHighlight = 0;
    CBrush m_brHighlight;
    COLORREF m_clrHighlightDn = 0;
    CBrush m_brHighlightDn;
    COLORREF m_clrHighlightChecked = 0;
    CBrush m_brHighlightChecked;
    COLORREF m_clrMenuItemBorder = 0;
    COLORREF m_clrMenuBorder = 0;
    COLORREF m_clrMenuShadowBase = 0;
    COLORREF m_clrHighlightMenuItemText = 0;

protected:
    // Widens a dropped-down menu-bar button's rectangle toward its open popup, so the two read as one.
    void ExtendMenuButton(CMFCToolBarMenuButton* pMenuButton, CRect& rect);
    // (Re)creates a solid brush.
    static void ResetBrush(CBrush& brush, COLORREF clr);
    // The screen has more than 8 bits per pixel and no high-contrast scheme is on.
    static BOOL IsNormalColorMode();

    int m_nMenuShadowDepth = 6;
    // Draw a shadow under a dropped-down menu-bar button as well.
    BOOL m_bShadowDroppedDownMenuButton = TRUE;

private:
    static CMFCVisualManager* m_pVisManager;
    static CRuntimeClass* m_pRTIDefault;
};

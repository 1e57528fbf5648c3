// CMFCToolBar: a pane of buttons loaded from a tool-bar resource and its image strips. It lays the
// buttons out in a row (a column when docked at a side), tracks the hot and the pressed button with
// the mouse, sends a clicked button's command to its frame and takes the buttons' enabled and checked
// states from the frame's update handlers when the message loop goes idle.
#pragma once

#include "framework/bars/BasePane.h"
#include "framework/bars/ToolBarButton.h"
#include "framework/bars/ToolBarImages.h"
#include "framework/window/AfxRes.h"

#include <commctrl.h>
#include <vector>

// The framework's default tool-bar style: a visible child docked at the top with a gripper.
#define AFX_DEFAULT_TOOLBAR_STYLE (WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_HIDE_INPLACE)

class CMFCToolBar : public CPane
{
    DECLARE_DYNCREATE(CMFCToolBar)
public:
    CMFCToolBar();
    ~CMFCToolBar() override;

    // Creates the bar's window: dwStyle's pane bits (CBRS_...) become the pane style, the rest the
    // window style; rcBorders are the pane's borders.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE, CRect rcBorders = CRect(1, 1, 1, 1),
                          UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE,
                        UINT nID = AFX_IDW_TOOLBAR);

    // Buttons from tool-bar resource uiResID (its image size becomes the class-wide image size) with
    // the normal strip of the same id and the optional cold, menu, disabled and hot strips. FALSE when
    // the resource or a requested strip cannot be loaded.
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = FALSE,
                             UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    // Puts the bar's initial set of buttons back; the base has none to restore.
    virtual BOOL RestoreOriginalState();

    // --- buttons ---
    // Inserts a copy of button made through its run-time class; its index, or -1.
    int InsertButton(const CMFCToolBarButton& button, INT_PTR iInsertAt = -1);
    int InsertSeparator(INT_PTR iInsertAt = -1);
    void RemoveAllButtons();
    int GetCount() const { return static_cast<int>(m_Buttons.size()); }
    CMFCToolBarButton* GetButton(int iIndex) const;
    int CommandToIndex(UINT nIDFind) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    // The button under point (client coordinates), separators excluded; -1 for none.
    int HitTest(CPoint point) const;
    int GetHighlightedButton() const { return m_iHighlighted; }

    // Places the buttons again, repaints, and has the frame lay its panes out anew.
    virtual void AdjustLayout();
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;

    // Paints one button with the image list chosen for its state.
    virtual BOOL DrawButton(CDC* pDC, CMFCToolBarButton* pButton, CMFCToolBarImages* pImages,
                            BOOL bHighlighted, BOOL bDrawDisabledImages);

    void SetGrayDisabledButtons(BOOL bGrayDisabledButtons) { m_bGrayDisabledButtons = bGrayDisabledButtons; }
    BOOL GetGrayDisabledButtons() const { return m_bGrayDisabledButtons; }
    BOOL IsMenuMode() const { return m_bMenuMode; }
    BOOL IsHorizontal() const;

    // --- class-wide settings ---
    static void SetSizes(SIZE sizeButton, SIZE sizeImage);
    static void SetMenuSizes(SIZE sizeButton, SIZE sizeImage);
    static CSize GetMenuImageSize() { return m_sizeMenuImage; }
    static CSize GetMenuButtonSize() { return m_sizeMenuButton; }
    static CSize GetImageSize() { return m_sizeImage; }
    static CSize GetButtonSize() { return m_sizeButton; }
    static BOOL IsCustomizeMode() { return FALSE; }

    CMFCToolBarImages* GetImages() { return &m_Images; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSysColorChange();
    void OnSize(UINT nType, int cx, int cy);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

    // A click on button iButton: its command goes to the frame.
    virtual void OnClickButton(int iButton);
    // Places the buttons inside the client area (no repaint, no frame layout).
    void PlaceButtons();
    void InvalidateButton(int iButton);
    void SetHighlighted(int iButton);
    // The size of every button and the largest of them (the row height), at this orientation.
    CSize MeasureButtons(BOOL bHorz, std::vector<CSize>& sizes);

    std::vector<CMFCToolBarButton*> m_Buttons; // owned
    CMFCToolBarImages m_Images;                // normal
    CMFCToolBarImages m_ImagesCold;            // not hot, when the bar has them
    CMFCToolBarImages m_ImagesHot;
    CMFCToolBarImages m_ImagesDisabled;
    CMFCToolBarImages m_ImagesMenu;
    CMFCToolBarImages m_ImagesMenuDisabled;
    BOOL m_bGrayDisabledButtons = TRUE;
    BOOL m_bMenuMode = FALSE;
    BOOL m_bLocked = FALSE;
    int m_iHighlighted = -1;   // the hot button
    int m_iButtonCapture = -1; // the button the mouse went down on, while the mouse is held
    BOOL m_bTrackingLeave = FALSE;

    static CSize m_sizeButton;
    static CSize m_sizeImage;
    static CSize m_sizeMenuButton;
    static CSize m_sizeMenuImage;

    DECLARE_MESSAGE_MAP()
};

// CSkinCaptionBar: the pane that replaces the frame's system caption: icon, title and its own Close,
// Maximize (Restore) and Minimize buttons; dragging, double clicks and the system menu are handed to
// the frame as non-client messages and system commands.
#pragma once

#include "framework/bars/BasePane.h"
#include "framework/gdi/GdiObject.h"
#include "framework/controls/MFCButton.h"

class CSkinCaptionBarButton : public CMFCButton
{
    DECLARE_DYNCREATE(CSkinCaptionBarButton)
public:
    CSkinCaptionBarButton();

    // The button's command is its window's control id (0 without a window).
    UINT GetCommandId() const;
    void SetCommandId(UINT nId);

protected:
    // The picture of the command in the state pushed, hot or normal (skin's manager only).
    void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;
};

class CSkinCaptionBar : public CPane
{
    DECLARE_DYNCREATE(CSkinCaptionBar)
public:
    CSkinCaptionBar() = default;
    ~CSkinCaptionBar() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual int GetCaptionHeight() const { return m_nCaptionHeight; }
    // (32767, the largest of the caption font's height, the icon's height and the caption height).
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Paints icon and title over the visual manager's bar background.
    void DoPaint(CDC* pDC) override;

    virtual void SetCaptionIcon(HICON hIcon);
    virtual COLORREF GetCaptionTextColor() const;
    virtual BOOL Create(CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateBar(CWnd* pParentWnd, UINT nID);
    // The hit-test code (HTCAPTION, HTSYSMENU, HTCLOSE...) of a point in screen coordinates.
    virtual int HitTest(CPoint ptScreen);
    virtual void ShowSysMenu(CPoint ptScreen);

    void SetCaptionFont(const LOGFONT* plf);
    void SetActive(BOOL bActive);
    void SetMaximized(BOOL bMaximized);

    BOOL IsActive() const { return m_bActive; }
    BOOL IsMaximized() const { return m_bMaximized; }
    const CString& GetCaption() const { return m_strCaption; }
    CSkinCaptionBarButton& GetMaximizeButton() { return m_btnMaximize; }
    CSkinCaptionBarButton& GetMinimizeButton() { return m_btnMinimize; }
    CSkinCaptionBarButton& GetCloseButton() { return m_btnClose; }

protected:
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnSysCommand(UINT nID, LPARAM lParam);

    CString m_strCaption;
    HICON m_hIcon = nullptr; // owned
    CSize m_sizeIcon;
    BOOL m_bActive = FALSE;
    BOOL m_bMaximized = FALSE;
    int m_nSysCaptionHeight = 0;
    int m_nCaptionHeight = 0;
    CFont m_fontCaption;
    CSkinCaptionBarButton m_btnMinimize;
    CSkinCaptionBarButton m_btnMaximize;
    CSkinCaptionBarButton m_btnClose;

    DECLARE_MESSAGE_MAP()
};

// CToolTipCtrl: a tool-tip window and its tools (thin wrapper; the object owns its window);
// CMFCToolTipInfo and CMFCToolTipCtrl: a tool tip with the looks set through the tool-tip manager.
#pragma once

#include "framework/window/Wnd.h"

#include <commctrl.h>

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNCREATE(CToolTipCtrl)
public:
    // A top-most pop-up owned by pParentWnd.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool for a whole window (nIDTool 0) or for a rectangle of it (nIDTool and lpRectTool). The
    // tool tip watches the window's mouse messages itself.
    BOOL AddTool(CWnd* pWnd, const wchar_t* lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(const wchar_t* lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void Activate(BOOL bActivate);
    int SetMaxTipWidth(int iWidth);
    void SetDelayTime(DWORD dwDuration, int iTime);
    void SetTipBkColor(COLORREF clr);
    void SetTipTextColor(COLORREF clr);
    void RelayEvent(LPMSG lpMsg);

private:
    void FillToolInfo(TTTOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

// The looks of the tool tips of one or more types (CTooltipManager::SetTooltipParams).
class CMFCToolTipInfo
{
public:
    BOOL m_bBoldLabel = TRUE;
    BOOL m_bDrawDescription = TRUE;
    BOOL m_bDrawIcon = TRUE;
    BOOL m_bRoundedCorners = FALSE;
    BOOL m_bDrawSeparator = FALSE;
    BOOL m_bVislManagerTheme = FALSE; // colours from the visual manager rather than the fields below
    BOOL m_bBalloonTooltip = FALSE;
    int m_nMaxDescrWidth = 200;
    int m_nGradientAngle = -1;
    COLORREF m_clrFill = (COLORREF)-1; // -1: the system's colour
    COLORREF m_clrFillGradient = (COLORREF)-1;
    COLORREF m_clrText = (COLORREF)-1;
    COLORREF m_clrBorder = (COLORREF)-1;
};

class CMFCToolTipCtrl : public CToolTipCtrl
{
    DECLARE_DYNCREATE(CMFCToolTipCtrl)
public:
    explicit CMFCToolTipCtrl(CMFCToolTipInfo* pParams = nullptr);

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0) override;
    void SetParams(CMFCToolTipInfo* pParams);
    const CMFCToolTipInfo& GetParams() const { return m_Params; }

protected:
    CMFCToolTipInfo m_Params;

private:
    void ApplyParams();
};

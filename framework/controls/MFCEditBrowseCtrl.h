// CMFCEditBrowseCtrl: an edit field with a browse button in its non-client area, at the right edge.
// In file-browse mode a click on the button runs OnBrowse, whose default shows an Open dialog (with
// the mode's default extension and filter) and puts the chosen path into the field, then calls
// OnAfterUpdate. Derived classes replace OnBrowse and reach the mode's state through the members.
#pragma once

#include "framework/controls/Edit.h"

class CMFCEditBrowseCtrl : public CEdit
{
    DECLARE_DYNAMIC(CMFCEditBrowseCtrl)
public:
    enum BrowseMode
    {
        BrowseMode_None,
        BrowseMode_Default,
        BrowseMode_File,
    };

    // The browse button with a label; a click calls OnBrowse (which does nothing in this mode).
    void EnableBrowseButton(BOOL bEnable = TRUE, const wchar_t* szLabel = L"...");
    // File-browse mode: the default extension and the filter ("Text|*.txt|All|*.*||") of the dialog.
    void EnableFileBrowseButton(const wchar_t* lpszDefExt = nullptr, const wchar_t* lpszFilter = nullptr);
    BrowseMode GetMode() const { return m_Mode; }

    virtual void OnBrowse();
    virtual void OnAfterUpdate();

protected:
    BrowseMode m_Mode = BrowseMode_None;
    CString m_strDefFileExt;
    CString m_strFileFilter;
    CString m_strLabel;
    CRect m_rectBtn; // the button, in window coordinates (empty without a button)
    BOOL m_bIsButtonPressed = FALSE;
    BOOL m_bIsButtonCaptured = FALSE;

    virtual void OnDrawBrowseButton(CDC* pDC, CRect rect, BOOL bIsButtonPressed, BOOL bIsButtonHot);

    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUpBrowse(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMoveBrowse(WPARAM wParam, LPARAM lParam);
    LRESULT OnCancelModeBrowse(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Makes the system ask for the non-client area again (the button appears or goes).
    void RecalcFrame();
    // Whether a point in screen coordinates lies on the button.
    BOOL IsOnButton(POINT ptScreen) const;
    void RedrawButton();
    void EndButtonCapture();
};

// The hit-test code of the browse button (answered to WM_NCHITTEST over it).
#define AFX_HTBROWSEBUTTON HTBORDER

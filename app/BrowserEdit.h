// CBrowserEdit: an edit field with a file browse button that leaves ending an edit to its parent:
// Enter, Escape and the loss of focus become WM_LABEL_KILLFOCUS posted to the parent.
#pragma once

#include "framework/controls/MFCEditBrowseCtrl.h"

class CBrowserEdit : public CMFCEditBrowseCtrl
{
    DECLARE_DYNAMIC(CBrowserEdit)
public:
    // With a parent the edit window is created at once (id 1111, empty rectangle, the parent's
    // font); without one the object waits to be bound to a dialog control.
    explicit CBrowserEdit(CWnd* pParent = nullptr);
    ~CBrowserEdit() override;

    // File-browse mode: an Open dialog whose choice replaces the text, enclosed in double quotes.
    void OnBrowse() override;

    // The control id of an in-place editor created with a parent.
    static const UINT kEditorId = 1111;

protected:
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);

    // TRUE while OnBrowse's dialog is open: the focus it takes must not end the edit.
    BOOL m_bBrowsing = FALSE;

    DECLARE_MESSAGE_MAP()
};

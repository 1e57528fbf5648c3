// CToolBarCmdUI: the idle update's item for one tool-bar button: Enable and SetCheck change the
// button's state bits and repaint it when they changed.
#pragma once

#include "framework/window/CmdUI.h"

class CMFCToolBar;

class CToolBarCmdUI : public CCmdUI
{
public:
    explicit CToolBarCmdUI(CMFCToolBar* pToolBar) : m_pToolBar(pToolBar) {}

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(const wchar_t* lpszText) override;

private:
    void SetStyle(UINT nStyle);
    CMFCToolBar* m_pToolBar;
};

// The main view as at start-up (frame, document and view through the document template), with the
// store's configuration file watched: tests see whether a handler saved it.
#pragma once

#include "tests/support/MessagePump.h"

#include "app/KeystriderApp.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"

#include <gtest/gtest.h>

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CShortCutConfig& Store() { return theApp.m_ShortCutConfig; }
    HWND Control(int nID) const { return ::GetDlgItem(m_pView->GetSafeHwnd(), nID); }
    bool Visible(int nID) const { return ::IsWindowVisible(Control(nID)) != FALSE; }
    // Clicks a button or check box as the user would (it toggles and notifies the view).
    void Click(int nID);
    // The configuration file is removed; Saved() tells whether something wrote it since. (The store's
    // GetConfigFilePath would create it empty, so its member path is used.)
    void ForgetConfigFile();
    bool Saved();

    CMainFrame* m_pFrame = nullptr;
    CKeystriderView* m_pView = nullptr;
};

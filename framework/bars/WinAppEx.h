// CWinAppEx: the application object of frames with panes: a registry base for the framework's own
// state, loading and saving that state (window placement) around the main frame's life.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/window/WinApp.h"

class CContextMenuManager;
class CFrameWnd;
class CTooltipManager;

class CWinAppEx : public CWinApp
{
    DECLARE_DYNAMIC(CWinAppEx)
public:
    explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE);

    BOOL m_bResourceSmartUpdate;

    // The profile section under which the framework keeps its state.
    void SetRegistryBase(const wchar_t* lpszSectionName = nullptr);
    const wchar_t* GetRegistryBase() const { return m_strRegSection; }
    void EnableLoadWindowPlacement(BOOL bEnable = TRUE) { m_bLoadWindowPlacement = bEnable; }
    BOOL IsLoadWindowPlacementEnabled() const { return m_bLoadWindowPlacement; }

    // Restores the framework's state for the main frame (called once the frame exists); PreLoadState
    // comes first.
    virtual BOOL LoadState(CFrameWnd* pFrame);
    virtual BOOL SaveState(CFrameWnd* pFrame);
    virtual void PreLoadState() {}
    virtual void PreSaveState() {}

    // The main frame's stored normal rectangle and show state; FALSE when none is stored.
    BOOL LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd);
    BOOL StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd);

    // The framework's managers, one per process, made on first use and kept until the process ends:
    // the registered pop-up menus, and the class and looks of each kind of tool tip. Init is FALSE
    // when the manager existed already.
    BOOL InitContextMenuManager();
    CContextMenuManager* GetContextMenuManager();
    BOOL InitTooltipManager();
    CTooltipManager* GetTooltipManager();

private:
    CString m_strRegSection = L"Workspace";
    BOOL m_bLoadWindowPlacement = TRUE;
    CString PlacementSection() const { return m_strRegSection + L"\\WindowPlacement"; }
};

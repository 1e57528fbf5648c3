// CMainFrame: the application's frame: the skin's bars around the view, the tray icon and its menu,
// hiding to the tray, the page commands, Run and Stop, dropped files, the clipboard commands of the
// list's in-place editor and the fixed window size.
#pragma once

#include "framework/core/CTime.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/core/Sync.h"
#include "skin/SkinCaptionBar.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinMenuBar.h"
#include "skin/SkinTasksPane.h"
#include "skin/SkinToolBar.h"
#include "update/UpdateDownload.h"

#include <shellapi.h>

class CCmdUI;
class CWinThread;

// The fixed size of the main window.
#define KS_FRAME_WIDTH 753
#define KS_FRAME_HEIGHT 570

class CMainFrame : public CFrameWndEx
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    using PFN_SETLAYEREDWINDOWATTRIBUTES = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    CSkinCaptionBar m_wndCaptionBar;
    CSkinMenuBar m_wndMenuBar;
    CSkinToolBar m_wndToolBar;
    CSkinCategoryBar m_wndCategoryBar;
    CSkinLinksBar m_wndLinksBar[4]; // never created: only their selected ids are used
    CSkinTasksPane m_wndTasksPane;
    BOOL m_bHighColor = FALSE;
    int m_nCurrentPage = -1; // 0 shortcut list, 1 Windows Default, 2 options, 3 about
    NOTIFYICONDATAW m_nid = {};
    CEvent m_evCancelUpdate;               // of the update download
    CWinThread* m_pUpdateThread = nullptr; // the update worker while a download runs
    UpdateThreadParam m_UpdateParam;       // the update worker's parameter block
    CTime m_tmPadFile;                     // of the last parsed update-description file
    HMODULE m_hUser32 = nullptr;           // loaded once, never freed
    PFN_SETLAYEREDWINDOWATTRIBUTES m_pfnSetLayeredWindowAttributes = nullptr;
    BOOL m_bNewVersion = FALSE;
    CString m_strUpdateText;
    CString m_strDownloadURL;

    // The page command: the current page becomes nId - ID_PAGE_SHORTCUT and the view shows it.
    void SelectPage(UINT nId);
    // Run/Play and Stop: toggles the running flag and registers or unregisters every hotkey.
    void OnStop();
    void OnPlay();
    // Rebuilds the skin's cached background for the client width and the height of the top bars.
    void UpdateSkinBackground(CSize sizeClient);
    void ShowTrayMenu();
    // The update check (MainFrameUpdate.cpp): starts the download worker unless one runs; reads the
    // update-description file in the data folder, 1 when it announced a newer version.
    void StartUpdateCheck();
    // Cancels and joins a download still running when the window goes; one that does not end within
    // a few seconds is let go, and its thread object deletes itself when it ends.
    void EndUpdateCheck();
    int ParsePadFile();
    // The address the download fetches; tests point it at a loopback server (null: the maker's).
    static const wchar_t* GetUpdateAddress();
    static const wchar_t* SetUpdateAddress(const wchar_t* pszAddress);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnSize(UINT nType, int cx, int cy);
    void OnUpdatePage(CCmdUI* pCmdUI);
    void OnLinksBarCommand(UINT nId);
    void OnUpdateLinksBarCommand(CCmdUI* pCmdUI);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnSettingChange(UINT uFlags, const wchar_t* lpszSection);
    void OnUpdatePlay(CCmdUI* pCmdUI);
    void OnUpdateStop(CCmdUI* pCmdUI);
    void OnShortcutPage();
    void OnExit();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnTrayShowWindow();
    void OnTrayExit();
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditUndo();
    void OnOpenMakerSite();
    void OnDropFiles(HDROP hDropInfo);
    LRESULT OnUpdateDownloaded(WPARAM wParam, LPARAM lParam);

    // Sends a clipboard message to the list's in-place editor while a cell is being edited, else to
    // the view's edit field that has the focus.
    void SendToInPlaceEditor(UINT message);
    // FALSE while a modal window of the program is open on the frame (which it then brings forward).
    BOOL CanCloseNow();

    DECLARE_MESSAGE_MAP()
};

// The application's main window as the frame; null when it is not one.
CMainFrame* GetMainFrame();

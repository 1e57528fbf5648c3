// CKeystriderApp: the application object. It owns the shortcut-and-settings store for the life of
// the process, and its InitInstance is the start-up sequence (single instance, framework set-up,
// the main window through the document template, hide-to-tray start).
#pragma once

#include "engine/ShortCutConfig.h"
#include "framework/bars/WinAppEx.h"

// Single-instance marks: the mutex, and the window property the main frame carries.
#define KS_INSTANCE_MUTEX L"Keystrider Mutex"
#define KS_WINDOW_PROPERTY L"Keystrider"

class CKeystriderApp : public CWinAppEx
{
public:
    // The store is built (and loaded) with the application object; its hotkeys are live from start.
    CKeystriderApp();
    ~CKeystriderApp() override;

    BOOL InitInstance() override;
    // Registers the tray menu with the context-menu manager before the framework restores its state.
    void PreLoadState() override;

    CShortCutConfig m_ShortCutConfig;

    // The first instance's main window: the first top-level window, in Z order, that carries the
    // "Keystrider" property; null when none does.
    static HWND FindFirstInstanceWindow();

    // ID_FILE_NEW and ID_FILE_OPEN: the framework's own handlers, which make the one document with its
    // frame and view at start. Once the main window exists the keys Ctrl+N and Ctrl+O change nothing:
    // the framework would set up the running view a second time.
    void OnFileNew();
    void OnFileOpen();

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};

extern CKeystriderApp theApp;

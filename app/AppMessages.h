// Private window messages of the main frame.
#pragma once

#include <windows.h>

// The tray icon's callback: lParam carries the mouse message.
#define WM_TRAYNOTIFY (WM_USER + 1)

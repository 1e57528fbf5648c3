// The application's main frame for window tests: made once through the document template, as at
// start-up, and made again by the next test after one closed it.
#pragma once

class CMainFrame;

// The main frame with its view, visible and with the settings the tests assume (shown at start,
// closing closes, hotkeys running). Null when it cannot be created.
CMainFrame* EnsureMainFrame();

// Standard command and window ids of the class library, shared by the resource script and the code.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

// File commands.
#define ID_FILE_NEW 0xE100   // 57600
#define ID_FILE_OPEN 0xE101  // 57601
#define ID_FILE_CLOSE 0xE102 // 57602
#define ID_FILE_SAVE 0xE103  // 57603
#define ID_FILE_PRINT 0xE107 // 57607

// Clipboard and undo commands.
#define ID_EDIT_COPY 0xE122  // 57634
#define ID_EDIT_CUT 0xE123   // 57635
#define ID_EDIT_PASTE 0xE125 // 57637
#define ID_EDIT_UNDO 0xE12B  // 57643
#define ID_EDIT_REDO 0xE12C  // 57644

// Application and pane navigation commands.
#define ID_APP_ABOUT 0xE140 // 57664
#define ID_NEXT_PANE 0xE150 // 57680
#define ID_PREV_PANE 0xE151 // 57681

// Control ids of the frame's standard bars.
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_MENUBAR 0xE806

// Resource type of a tool-bar resource: version, image width and height, item count, then the
// command id of each item (0 for a separator), all 16-bit.
#define RT_TOOLBAR_TYPE 241

// Control id of a frame's view (the first pane of its client area).
#define AFX_IDW_PANE_FIRST 0xE900

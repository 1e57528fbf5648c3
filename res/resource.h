// Ids of the program's resources, controls and commands, shared by Keystrider.rc and the code.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

#include "framework/window/AfxRes.h"

// Strings.
#define IDS_OLE_INIT_FAILED 100

// The document template's resources: menu, accelerators, icon, tool bar, title string.
#define IDR_MAINFRAME 128

// Dialog templates.
#define IDD_MAIN_FORM 103
#define IDD_DLG_INFO 148

// Menus.
#define IDR_TRAY_MENU 149

// Window ids of the frame's own panes.
#define IDW_CAPTION_BAR 128
#define IDW_TASKS_PANE 129
#define IDW_CATEGORY_BAR 0xE803

// Icons of the shortcut page's buttons (32 x 32), with the disabled-state pictures.
#define IDI_NEW 152
#define IDI_RESET_TO_DEFAULT 153
#define IDI_DELETE 154
#define IDI_MOVE_DOWN 155
#define IDI_EMPTY_KEY 156
#define IDI_EXPORT_CONFIGURATION 157
#define IDI_IMPORT_CONFIGURATION 158
#define IDI_MOVE_UP 159
#define IDI_DELETE_DISABLED 160
#define IDI_MOVE_DOWN_DISABLED 161
#define IDI_EMPTY_KEY_DISABLED 162
#define IDI_MOVE_UP_DISABLED 163

// Image strips of the tool bar (16 x 16 images in the order of the tool-bar resource's buttons).
// The normal strip is bitmap IDR_MAINFRAME; it and the low-colour menu strip use the 16 standard
// colours only. Light grey 0xC0C0C0 is the background of every strip.
#define IDB_TOOLBAR_MENU 134
#define IDB_TOOLBAR_PRESSED 146
#define IDB_TOOLBAR_COLD 261
#define IDB_TOOLBAR_HOT 262
#define IDB_TOOLBAR_DISABLED 263
#define IDB_TOOLBAR_MENU_LOW_COLOR 264

// The skin's two pictures are named resources, not numbered ones: "IDB_SKIN_FRAME_BKGND" and
// "IDB_SKIN_CAPTION_BTNS". Never #define those names, or the resource compiler would number them.

// Controls of the main form (IDD_MAIN_FORM).
#define IDC_SHORTCUT_LIST 1004
#define IDC_STARTUP_WITH_WINDOWS 1005
#define IDC_HIDE_TO_TRAY_AT_START 1006
#define IDC_NEW 1007
#define IDC_DELETE 1008
#define IDC_MOVE_UP 1009
#define IDC_MOVE_DOWN 1010
#define IDC_ABOUT_ICON 1014
#define IDC_PAGE_FRAME 1015
#define IDC_RESET_TO_DEFAULT 1016
#define IDC_EXPORT_CONFIGURATION 1017
#define IDC_IMPORT_CONFIGURATION 1019
#define IDC_CLOSE_TO_TRAY 1020
#define IDC_PROMPT_ON_THE_HOUR 1021
#define IDC_MAKER_LINK 1022
#define IDC_VERSION_TEXT 1023
#define IDC_BUILD_TIME 1024
#define IDC_LEGAL_NOTICE 1025
#define IDC_EMPTY_KEY 1026
#define IDC_UPDATE_LINK 1027
#define IDC_CHECK_NEVER 1028
#define IDC_CHECK_EVERY_DAY 1029
#define IDC_CHECK_EVERY_WEEK 1030
#define IDC_CHECK_NOW 1031
#define IDC_TRANSPARENT_SLIDER 1032
#define IDC_TRANSPARENT_VALUE 1033
#define IDC_TIME_SLIDER 1034
#define IDC_TIME_VALUE 1035
#define IDC_PROMPT_DIALOG_GROUP 1036
#define IDC_CHECK_VERSION_GROUP 1037
#define IDC_TRANSPARENT_LABEL 1038
#define IDC_TIME_LABEL 1039
#define IDC_PERCENT_LABEL 1040
#define IDC_MS_LABEL 1041
#define IDC_PROMPT_NAME 1042
#define IDC_SOUND_GROUP 1044
#define IDC_PLAY_SOUND 1045
#define IDC_ASSIGN_DIFFERENT_SOUND 1046
#define IDC_SOUND_FILE 1047

// Commands the view handles that no control of the form issues: the list control's context menu
// sends IDC_NEW, IDC_DELETE, IDC_EMPTY_KEY and ID_EXECUTE; any sender may post the other two.
#define ID_APPLY_LIST 1011
#define ID_PURGE_REMOVED_ROWS 1013
#define ID_EXECUTE 1043

// Controls of the information pop-up (IDD_DLG_INFO).
#define IDC_INFO_CAPTION 1012
#define IDC_INFO_VOLUME_TEXT 1013
#define IDC_INFO_BOTTOM_LINE 1014
#define IDC_INFO_PROGRESS 1021

// The tasks pane's task: opens the maker's web site.
#define ID_OPEN_MAKER_SITE 1014

// Commands of the document, which nothing issues.
#define ID_DOC_COMMAND_1 32778
#define ID_DOC_COMMAND_2 32779

// Page commands of the category bar (32832 to 32839 are reserved for pages).
#define ID_PAGE_SHORTCUT 32832
#define ID_PAGE_WINDOWS_DEFAULT 32833
#define ID_PAGE_OPTIONS 32834
#define ID_PAGE_ABOUT 32835
#define ID_PAGE_LAST 32839

// Tool-bar and tray-menu commands.
#define ID_TRAY_PLAY 32880
#define ID_TOOL_STOP 32881
#define ID_TOOL_SHORTCUT 32882
#define ID_TOOL_EXIT 32883
#define ID_LINKS_FIRST 32884
#define ID_LINKS_LAST 32887
#define ID_TRAY_SHOW_WINDOW 32888
#define ID_TRAY_STOP 32889
#define ID_TRAY_EXIT 32890

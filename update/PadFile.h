// The update-description file ("pad_keystrider.xml"): reading it once per modification time and the
// release text built from it. The frame holds the results and shows them (CMainFrame::ParsePadFile).
#pragma once

#include "framework/CString.h"
#include "framework/CTime.h"

class CXML;

// Reads the file at pszPath unless its modification time is tmPadFile (that version was handled
// already). A file that announces a version newer than the program's sets bNewVersion and fills the
// release text and the download address, and gives 1; every other outcome gives 0 and leaves the text
// and the address as they were. A file read at all (even a broken one or an older version) is
// remembered in tmPadFile and bNewVersion is cleared first.
int ReadPadFile(const wchar_t* pszPath, CTime& tmPadFile, BOOL& bNewVersion, CString& strUpdateText,
                CString& strDownloadURL);

// The release text (lines separated by "\n"): version, release date, address, size and the notes
// from Program_Change_Info; strDownloadURL takes Primary_Download_URL.
void BuildUpdateText(CXML& xml, CString& strUpdateText, CString& strDownloadURL);

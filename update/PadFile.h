// The update-description file ("pad_keystrider.xml"): reading it once per modification time and the
// release text built from it. The frame holds the results and shows them (CMainFrame::ParsePadFile).
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

class CXML;

// No update description comes near this size; a larger file is not read at all, so that a hostile
// one cannot tie up the XML reader for long or fill the memory with text.
const unsigned long long kMaxPadFileBytes = 256 * 1024;

// Whether the file at pszPath can be an update description: within kMaxPadFileBytes and naming a
// Program_Version. Reads through the platform DOM when COM is initialised on the calling thread,
// through the tolerant parser otherwise. The update worker's check: a file that cannot be opened is
// refused without a message box.
BOOL HoldsUpdateDescription(const wchar_t* pszPath);

// Reads the file at pszPath unless its modification time is tmPadFile (that version was handled
// already). A file that announces a version newer than the program's sets bNewVersion and fills the
// release text and the download address, and gives 1; every other outcome gives 0 and leaves the text
// and the address as they were. A file read at all (even a broken one or an older version) is
// remembered in tmPadFile and bNewVersion is cleared first; a file above kMaxPadFileBytes counts as
// unreadable.
int ReadPadFile(const wchar_t* pszPath, CTime& tmPadFile, BOOL& bNewVersion, CString& strUpdateText,
                CString& strDownloadURL);

// Whether a download address read from the update file may be handed to the shell: a web address
// (http or https) opens the browser; anything else (a program's path, a share, a script) would run
// what it names.
BOOL IsWebAddress(const wchar_t* pszAddress);

// The release text (lines separated by "\n"): version, release date, address, size and the notes
// from Program_Change_Info; strDownloadURL takes Primary_Download_URL.
void BuildUpdateText(CXML& xml, CString& strUpdateText, CString& strDownloadURL);

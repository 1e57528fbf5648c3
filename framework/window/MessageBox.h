// AfxMessageBox: every message box of the program goes through here, so that a test can answer it
// (AfxSetMessageBoxHook) without a modal window blocking a headless run.
#pragma once

#include <windows.h>

// Receives the owner window, the text, the caption and the MB_ flags; returns the answer (IDOK, IDYES...).
using AfxMessageBoxHook = int (*)(HWND hOwner, const wchar_t* text, const wchar_t* caption, UINT type);

// Installs a hook (null restores the real message box); returns the previous one.
AfxMessageBoxHook AfxSetMessageBoxHook(AfxMessageBoxHook hook);

// The caption of every message box: the application's title.
void AfxSetMessageBoxTitle(const wchar_t* title);
const wchar_t* AfxGetMessageBoxTitle();

int AfxMessageBox(const wchar_t* text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT idPrompt, UINT type = MB_OK, UINT helpId = (UINT)-1);

// What the end-to-end suites share about a running Keystrider.exe: its data folder and configuration
// file, its main window, and keystrider_remote, which drives it from another process as a user would.
#pragma once

#include "tests/support/KeystriderWindow.h"

#include <windows.h>

#include <string>

const DWORD kProgramStartTimeoutMs = 20000;
const DWORD kProgramExitTimeoutMs = 15000;
const UINT kTrayCommandPlay = 32880;
const UINT kTrayCommandExit = 32890;

// "<local application data>\Keystrider"; empty when the shell cannot tell.
std::wstring KeystriderDataFolder();
std::wstring KeystriderConfigFile();
// Deletes the configuration and update files and the folder itself.
void ClearKeystriderDataFolder();
bool FileExists(const std::wstring& path);

// Runs keystrider_remote with the arguments and returns its exit code (-1 when it did not end).
int RunRemote(const std::wstring& args);

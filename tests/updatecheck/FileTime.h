// Setting a file's modification time, for the update file's once-per-version reading.
#pragma once

#include <windows.h>

#include <ctime>

// Sets a file's last-write time to the given seconds since 1970.
void SetModificationTime(const wchar_t* pszPath, __time64_t nTime);

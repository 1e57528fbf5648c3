// Setting a file's modification time, for the update file's once-per-version reading.
#include "tests/updatecheck/FileTime.h"

void SetModificationTime(const wchar_t* pszPath, __time64_t nTime)
{
    // FILETIME counts 100 ns from 1601; 11644473600 seconds lie between 1601 and 1970.
    ULONGLONG nTicks = (static_cast<ULONGLONG>(nTime) + 11644473600ULL) * 10000000ULL;
    FILETIME ft = {static_cast<DWORD>(nTicks), static_cast<DWORD>(nTicks >> 32)};
    HANDLE hFile = CreateFileW(pszPath, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (hFile != INVALID_HANDLE_VALUE)
    {
        SetFileTime(hFile, nullptr, nullptr, &ft);
        CloseHandle(hFile);
    }
}

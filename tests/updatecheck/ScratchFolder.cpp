// ScratchFolder and the small file helpers of the update-check tests.
#include "tests/updatecheck/ScratchFolder.h"

#include <windows.h>

#include <fstream>

namespace
{
void RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW(folder + L"\\*", &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            CString name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            CString full = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full);
        } while (FindNextFileW(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryW(folder);
}
} // namespace

ScratchFolder::ScratchFolder()
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static unsigned s_nCounter = 0;
    m_path.Format(L"%sks_update_%lu_%u", base, GetCurrentProcessId(), ++s_nCounter);
    CreateDirectoryW(m_path, nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

void WriteFileBytes(const wchar_t* pszPath, const std::string& bytes)
{
    std::ofstream out(pszPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

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

// A scratch folder for one test under the temporary folder; removed with everything in it at the end.
#pragma once

#include "framework/CString.h"

#include <string>

class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const CString& Path() const { return m_path; }
    CString File(const wchar_t* pszName) const { return m_path + L"\\" + pszName; }

private:
    CString m_path;
};

void WriteFileBytes(const wchar_t* pszPath, const std::string& bytes);
// Sets a file's last-write time to the given seconds since 1970.
void SetModificationTime(const wchar_t* pszPath, __time64_t nTime);

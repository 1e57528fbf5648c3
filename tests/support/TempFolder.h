// A scratch folder for one test, with helpers to write and read raw file bytes; removed at the end.
#pragma once

#include "framework/core/CString.h"

#include <string>

class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return m_path; }
    // The full path of a file name inside the folder.
    CString File(const wchar_t* name) const;

private:
    CString m_path;
};

void WriteBytes(const wchar_t* path, const std::string& bytes);
std::string ReadBytes(const wchar_t* path);

// Collects the texts of message boxes while alive (answers IDOK).
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    static std::wstring& Texts();
};

// A scratch folder for one test, with helpers to write and read raw file bytes; removed at the end.
#include "tests/support/TempFolder.h"
#include "framework/window/MessageBox.h"

#include <cstdio>

namespace
{
void RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(folder + L"\\*", &data);
    if (find != INVALID_HANDLE_VALUE)
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
            {
                SetFileAttributesW(full, FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full);
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder);
}

AfxMessageBoxHook g_previous = nullptr;

int Record(HWND, const wchar_t* text, const wchar_t*, UINT)
{
    MessageBoxRecorder::Texts() += text;
    MessageBoxRecorder::Texts() += L"\n";
    return IDOK;
}
} // namespace

TempFolder::TempFolder()
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    CString path;
    path.Format(L"%sks_test_%lu_%u", base, GetCurrentProcessId(), ++counter);
    CreateDirectoryW(path, nullptr);
    m_path = path;
}

TempFolder::~TempFolder()
{
    RemoveTree(m_path);
}

CString TempFolder::File(const wchar_t* name) const
{
    return m_path + L"\\" + name;
}

void WriteBytes(const wchar_t* path, const std::string& bytes)
{
    FILE* f = _wfopen(path, L"wb");
    if (f == nullptr)
        return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

std::string ReadBytes(const wchar_t* path)
{
    std::string bytes;
    FILE* f = _wfopen(path, L"rb");
    if (f == nullptr)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0)
        bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    Texts().clear();
    g_previous = AfxSetMessageBoxHook(Record);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHook(g_previous);
}

std::wstring& MessageBoxRecorder::Texts()
{
    static std::wstring texts;
    return texts;
}

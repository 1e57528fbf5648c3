// CTextFile: reads a whole text file in any of its encodings as UTF-16, writes text with a byte-order mark.
#pragma once

#include "engine/TextEncoding.h"
#include "framework/core/CString.h"

#include <cstdio>

// Open modes; the numbers are part of the interface. Any other value behaves as TEXT_MODE_READ.
enum : UINT
{
    TEXT_MODE_READ = 2,       // read, encoding detected, byte-order mark skipped
    TEXT_MODE_READ_UTF16 = 3, // read, encoding taken as UTF-16LE without looking at the bytes
    TEXT_MODE_WRITE = 4,      // write, an existing file is emptied
    TEXT_MODE_APPEND = 5      // append
};

// A local object on the user-interface thread. It owns its stream and the text of the last ReadAll;
// that text stays valid after Close, until the next ReadAll or the destructor.
class CTextFile
{
public:
    CTextFile() = default;
    ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // False for an empty path and, silently, for a read-mode path that does not exist; every other
    // failure shows "The file "%s" cannot be opened." first, unless bQuiet (on a worker thread, where a
    // message box would have no owner and would hold the worker up).
    bool Open(const wchar_t* pszPath, UINT nMode, bool bQuiet = false);
    // Closes the stream; false when the runtime could not flush what was written.
    bool Close();

    ULONGLONG GetSize() const { return m_nFileSize; }
    // Reads up to nBytes from the current position into a zero-terminated UTF-16 text owned by this
    // object (*ppText; null when no stream is open): the whole characters read, NUL characters left out.
    // A file found ANSI whose bytes turn out to be UTF-8 is read, and from then on reported, as UTF-8.
    // Returns the size of that buffer in bytes.
    UINT ReadAll(wchar_t** ppText, UINT nBytes);

    void SetEncoding(UINT nEncoding);
    bool WriteBOM(UINT nEncoding);
    // Converts nBytes of text from the text encoding into the file encoding and writes them. False when
    // the file is not open for writing, the text is null or empty, or not everything could be written.
    bool WriteText(const void* pText, ULONGLONG nBytes);
    bool WriteString(const wchar_t* pszText);
    // Hands everything written so far to the disk; false when that fails.
    bool Commit();

    LONGLONG GetPosition() const;
    LONGLONG Seek(LONG nOffset, int nOrigin);
    void SeekToBegin();

    UINT GetTextEncoding() const { return m_nTextEncoding; }
    UINT GetFileEncoding() const { return m_nFileEncoding; }
    const CString& GetPath() const { return m_strPath; }

    static UINT GetBOMLength(UINT nEncoding);
    static void SwapBytes(void* pBuffer, size_t nUnits);
    static ULONGLONG GetFileSize(const wchar_t* pszPath);

private:
    bool WriteBytes(const void* pBytes, size_t nBytes);
    bool WriteNarrowAsWide(const void* pText, ULONGLONG nBytes);
    bool WriteWideAsNarrow(const void* pText, ULONGLONG nBytes);

    UINT m_nTextEncoding = 0;
    UINT m_nFileEncoding = 0;
    UINT m_nOpenMode = 0;
    ULONGLONG m_nFileSize = 0;
    ULONGLONG m_nReadSize = 0;
    CString m_strPath;
    FILE* m_pFile = nullptr;
    wchar_t* m_pReadBuffer = nullptr;
};

// CShortCutConfig's configuration writer: the file's text, and a save that never leaves a short file.
#include "engine/ShortCutConfig.h"
#include "engine/TextFile.h"
#include "framework/window/MessageBox.h"

#include <cwctype>
#include <string>

namespace
{
// The format has no escapes and one line per entry; the reader breaks lines at LF only. A line break
// inside a text (LF, or CR LF) becomes one blank; a lone CR is kept, as the reader would keep it.
// A name ends at its first "=" when read back, so an "=" inside a name is written as the look-alike
// FULLWIDTH EQUALS SIGN: the shortcut keeps its name, command and key instead of being cut apart.
// (Character by character into the reserved buffer: a file of many shortcuts is built in one pass.)
void AppendText(std::wstring& out, const wchar_t* psz, bool bName = false)
{
    if (psz == nullptr)
        return;
    for (; *psz != L'\0'; ++psz)
    {
        wchar_t ch = *psz;
        if (ch == L'\r' && psz[1] == L'\n')
            continue;
        if (ch == L'\n')
            ch = L' ';
        else if (bName && ch == L'=')
            ch = L'\xFF1D';
        out.push_back(ch);
    }
}

// The format's own pieces (separators, line ends), as they are.
void AppendRaw(std::wstring& out, const wchar_t* psz)
{
    for (; *psz != L'\0'; ++psz)
        out.push_back(*psz);
}

// A name the reader would trim away to nothing (blanks and line breaks only). Such a shortcut cannot
// be read back; it is left out of both sections, so that the "Sound" numbers of the shortcuts behind it
// still name their own shortcut.
bool ReadsBackEmpty(const wchar_t* pszName)
{
    for (; *pszName != L'\0'; ++pszName)
    {
        if (!iswspace(*pszName))
            return false;
    }
    return true;
}

// A "Short Cut" line that starts with "[" and ends with "]" (a name like "[Work] Mail" with a command
// or key ending in "]") would be read as a section header, and every shortcut behind it would be lost.
// Its first "[" is written as the look-alike FULLWIDTH LEFT SQUARE BRACKET, as "=" in a name is.
void KeepOffHeaders(std::wstring& out, size_t nLineStart)
{
    size_t b = nLineStart;
    size_t e = out.size();
    while (b < e && iswspace(out[b]))
        ++b;
    while (e > b && iswspace(out[e - 1]))
        --e;
    if (e - b >= 2 && out[b] == L'[' && out[e - 1] == L']')
        out[b] = L'\xFF3B';
}

void AppendNumber(std::wstring& out, int n)
{
    wchar_t szDigits[16];
    int i = 0;
    unsigned u = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    do
    {
        szDigits[i++] = static_cast<wchar_t>(L'0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (n < 0)
        out.push_back(L'-');
    while (i > 0)
        out.push_back(szDigits[--i]);
}

// The key text ends at the first "," when read back; the comma key is written as "<", which reads
// back as the same key.
void AppendHotKey(std::wstring& out, const ShortCutItem& item)
{
    wchar_t szHotKey[ShortCutItem::HOTKEY_TEXT_SIZE];
    size_t n = item.FormatHotKey(szHotKey);
    if (item.m_wVirtualKey == VK_OEM_COMMA && n > 0 && szHotKey[n - 1] == L',')
        szHotKey[n - 1] = L'<';
    out.append(szHotKey, n);
}

// GenSoundAddress ends at its first "=" when read back. A file whose path holds "=" is written by its
// short (8.3) path when the system has one without "="; otherwise the path is written as it is.
CString SoundAddressForFile(const CString& strAddress)
{
    if (strAddress.Find(L'=') < 0)
        return strAddress;
    wchar_t szShort[MAX_PATH] = {};
    DWORD n = GetShortPathNameW(strAddress, szShort, MAX_PATH);
    if (n == 0 || n >= MAX_PATH || wcschr(szShort, L'=') != nullptr)
        return strAddress;
    return CString(szShort);
}

void ReportCannotOpen(const CString& strPath)
{
    CString strMessage;
    strMessage.Format(L"The file \"%s\" cannot be opened.", strPath.GetString());
    AfxMessageBox(strMessage, MB_OK);
}
} // namespace

CString CShortCutConfig::FormatConfig()
{
    std::wstring out;
    BuildConfigText(out);
    return CString(out);
}

void CShortCutConfig::BuildConfigText(std::wstring& out)
{
    // One buffer of about the right size: a large file is built without growing and copying it.
    size_t nSize = 2048;
    for (const ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsValid())
            continue;
        nSize += 80 + wcslen(pItem->m_pszName);
        nSize += pItem->m_pszCommand != nullptr ? wcslen(pItem->m_pszCommand) : 0;
        nSize += pItem->m_pszSoundFile != nullptr ? wcslen(pItem->m_pszSoundFile) : 0;
    }
    out.clear();
    out.reserve(nSize);

    AppendRaw(out, L"[General]\r\n");
    for (const SettingEntry& row : g_SettingTable)
    {
        UINT nType = static_cast<UINT>(row.nType);
        UINT nKey = static_cast<UINT>(row.nKey);
        CString strValue = GetSettingText(nType, nKey);
        if (nKey == SETTING_GEN_SOUND_ADDRESS)
            strValue = SoundAddressForFile(strValue);
        AppendRaw(out, row.pszName);
        AppendRaw(out, L" = ");
        AppendText(out, strValue);
        AppendRaw(out, L"\r\n");
    }

    AppendRaw(out, L"[Short Cut]\r\n");
    for (const ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsValid() || ReadsBackEmpty(pItem->m_pszName))
            continue;
        size_t nLineStart = out.size();
        AppendText(out, pItem->m_pszName, true);
        AppendRaw(out, L" = ");
        AppendHotKey(out, *pItem);
        if (pItem->m_pszCommand != nullptr)
        {
            AppendRaw(out, L" , ");
            AppendText(out, pItem->m_pszCommand);
        }
        KeepOffHeaders(out, nLineStart);
        AppendRaw(out, L"\r\n");
    }

    AppendRaw(out, L"[Sound]\r\n");
    int nNumber = 0;
    for (const ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsValid() || ReadsBackEmpty(pItem->m_pszName))
            continue;
        AppendNumber(out, ++nNumber);
        AppendRaw(out, pItem->GetPlaySound() != 0 ? L" = TRUE,  " : L" = FALSE,  ");
        AppendText(out, pItem->m_pszSoundFile);
        AppendRaw(out, L"\r\n");
    }
}

// The text goes to a temporary file beside the target, which is flushed to the disk and then moved over
// the target in one step: a crash, a full disk or a failed write leaves the previous file whole.
void CShortCutConfig::WriteConfig(const wchar_t* pszPath)
{
    CString strPath = pszPath != nullptr ? CString(pszPath) : m_strConfigFilePath;
    if (strPath.IsEmpty())
        return;
    // A folder, or a file the user made read-only, is not replaced (an open for writing would fail).
    DWORD dwAttributes = GetFileAttributesW(strPath);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES &&
        (dwAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
    {
        ReportCannotOpen(strPath);
        return;
    }

    CString strTemp = strPath + L".tmp";
    HANDLE hProbe =
        CreateFileW(strTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hProbe == INVALID_HANDLE_VALUE)
    {
        ReportCannotOpen(strPath);
        return;
    }
    CloseHandle(hProbe);

    std::wstring text;
    BuildConfigText(text);
    CTextFile file;
    if (!file.Open(strTemp, TEXT_MODE_WRITE))
    {
        DeleteFileW(strTemp); // the text file has shown its message
        return;
    }
    bool bWritten = file.WriteBOM(TEXT_ENCODING_UTF16LE);
    file.SetEncoding(TEXT_ENCODING_UTF16LE);
    bWritten = bWritten && file.WriteText(text.data(), text.size() * sizeof(wchar_t));
    bWritten = bWritten && file.Commit();
    bWritten = file.Close() && bWritten;
    if (!bWritten || !MoveFileExW(strTemp, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DeleteFileW(strTemp);
        ReportCannotOpen(strPath);
    }
}

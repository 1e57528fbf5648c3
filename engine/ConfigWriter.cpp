// CShortCutConfig's configuration writer: the file's text, and a save that never leaves a short file.
#include "engine/ShortCutConfig.h"
#include "engine/TextFile.h"
#include "framework/MessageBox.h"

#include <string>

namespace
{
// The format has no escapes and one line per entry: a line break inside a text becomes a blank.
void AppendText(std::wstring& out, const wchar_t* psz)
{
    if (psz == nullptr)
        return;
    for (; *psz != L'\0'; ++psz)
        out += (*psz == L'\r' || *psz == L'\n') ? L' ' : *psz;
}

// A name ends at its first "=" when read back, so an "=" inside it is written as the look-alike
// FULLWIDTH EQUALS SIGN: the shortcut keeps its name, command and key instead of being cut apart.
void AppendName(std::wstring& out, const wchar_t* psz)
{
    size_t nStart = out.size();
    AppendText(out, psz);
    for (size_t i = nStart; i < out.size(); ++i)
    {
        if (out[i] == L'=')
            out[i] = L'\xFF1D';
    }
}

// The key text ends at the first "," when read back; the comma key is written as "<", which reads
// back as the same key.
CString FormatHotKeyForFile(const ShortCutItem& item)
{
    CString strHotKey = item.FormatHotKey();
    if (item.m_wVirtualKey == VK_OEM_COMMA && !strHotKey.IsEmpty() &&
        strHotKey[strHotKey.GetLength() - 1] == L',')
        strHotKey.SetAt(strHotKey.GetLength() - 1, L'<');
    return strHotKey;
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
    out.reserve(512 + m_ShortCutList.size() * 96);

    out += L"[General]\r\n";
    for (const SettingEntry& row : g_SettingTable)
    {
        UINT nType = static_cast<UINT>(row.nType);
        UINT nKey = static_cast<UINT>(row.nKey);
        CString strValue = GetSettingText(nType, nKey);
        if (nKey == SETTING_GEN_SOUND_ADDRESS)
            strValue = SoundAddressForFile(strValue);
        out += row.pszName;
        out += L" = ";
        AppendText(out, strValue);
        out += L"\r\n";
    }

    out += L"[Short Cut]\r\n";
    for (const ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsValid())
            continue;
        AppendName(out, pItem->m_pszName);
        out += L" = ";
        out += FormatHotKeyForFile(*pItem).str();
        if (pItem->m_pszCommand != nullptr)
        {
            out += L" , ";
            AppendText(out, pItem->m_pszCommand);
        }
        out += L"\r\n";
    }

    out += L"[Sound]\r\n";
    int nNumber = 0;
    for (const ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsValid())
            continue;
        out += std::to_wstring(++nNumber);
        out += pItem->GetPlaySound() != 0 ? L" = TRUE,  " : L" = FALSE,  ";
        AppendText(out, pItem->m_pszSoundFile);
        out += L"\r\n";
    }
    return CString(out);
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

    CString strText = FormatConfig();
    CTextFile file;
    if (!file.Open(strTemp, TEXT_MODE_WRITE))
    {
        DeleteFileW(strTemp); // the text file has shown its message
        return;
    }
    bool bWritten = file.WriteBOM(TEXT_ENCODING_UTF16LE);
    file.SetEncoding(TEXT_ENCODING_UTF16LE);
    if (!strText.IsEmpty())
        bWritten = bWritten && file.WriteString(strText);
    bWritten = bWritten && file.Commit();
    bWritten = file.Close() && bWritten;
    if (!bWritten || !MoveFileExW(strTemp, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DeleteFileW(strTemp);
        ReportCannotOpen(strPath);
    }
}

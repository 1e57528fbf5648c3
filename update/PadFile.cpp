// Reading the update-description file and building its release text.
#include "update/PadFile.h"

#include "engine/TextFile.h"
#include "engine/Tokenizer.h"
#include "update/Version.h"
#include "update/XML.h"

#include <cwchar>
#include <sys/stat.h>

int ReadPadFile(const wchar_t* pszPath, CTime& tmPadFile, BOOL& bNewVersion, CString& strUpdateText,
                CString& strDownloadURL)
{
    struct _stat64 status = {};
    if (pszPath == nullptr || pszPath[0] == L'\0' || _wstat64(pszPath, &status) != 0)
        return 0;
    if (CTime(status.st_mtime) == tmPadFile)
        return 0;
    tmPadFile = CTime(status.st_mtime);
    bNewVersion = FALSE;
    if (status.st_size < 0 || static_cast<unsigned long long>(status.st_size) > kMaxPadFileBytes)
        return 0;

    CTextFile file;
    if (!file.Open(pszPath, TEXT_MODE_READ))
        return 0;
    CXML xml;
    if (!xml.Load(&file, nullptr))
        return 0;

    CString strVersion;
    xml.GetChildValue(L"Program_Version", strVersion);
    if (CompareVersions(strVersion, KEYSTRIDER_VERSION_TEXT) != 1)
        return 0;
    bNewVersion = TRUE;
    BuildUpdateText(xml, strUpdateText, strDownloadURL);
    return 1;
}

BOOL HoldsUpdateDescription(const wchar_t* pszPath)
{
    if (pszPath == nullptr || pszPath[0] == L'\0' || CTextFile::GetFileSize(pszPath) > kMaxPadFileBytes)
        return FALSE;
    CTextFile file;
    if (!file.Open(pszPath, TEXT_MODE_READ, true))
        return FALSE;
    CXML xml;
    if (!xml.Load(&file, nullptr))
        return FALSE;
    CString strVersion;
    xml.GetChildValue(L"Program_Version", strVersion);
    return !strVersion.Trim().IsEmpty();
}

BOOL IsWebAddress(const wchar_t* pszAddress)
{
    return pszAddress != nullptr &&
           (_wcsnicmp(pszAddress, L"http://", 7) == 0 || _wcsnicmp(pszAddress, L"https://", 8) == 0);
}

namespace
{
CString ChildValue(CXML& xml, const wchar_t* pszName)
{
    CString strValue;
    xml.GetChildValue(pszName, strValue);
    return strValue;
}

// The notes: the ';'-separated pieces, trimmed, empty ones skipped, one '.' dropped from each end,
// joined by ";\n" and closed by "..." (nothing at all when no piece is left).
CString FormatReleaseNotes(const CString& strChangeInfo)
{
    CString strNotes;
    int nPos = 0;
    int nKept = 0;
    CString strPiece;
    while (GetNextToken(strChangeInfo, L';', nPos, strPiece))
    {
        strPiece.Trim();
        if (strPiece.IsEmpty())
            continue;
        if (nKept > 0)
            strNotes += L";\n";
        if (strPiece[strPiece.GetLength() - 1] == L'.')
            strPiece = strPiece.Left(strPiece.GetLength() - 1);
        strNotes += strPiece;
        ++nKept;
    }
    if (nKept > 0)
        strNotes += L"...";
    return strNotes;
}
} // namespace

void BuildUpdateText(CXML& xml, CString& strUpdateText, CString& strDownloadURL)
{
    CString strText = L"Keystrider ";
    strText += ChildValue(xml, L"Program_Version");
    strText += L"\n";
    strText += L"Released Date: ";
    strText += ChildValue(xml, L"Program_Release_Year");
    strText += L"-";
    strText += ChildValue(xml, L"Program_Release_Month");
    strText += L"-";
    strText += ChildValue(xml, L"Program_Release_Day");
    strText += L"\n";
    strDownloadURL = ChildValue(xml, L"Primary_Download_URL");
    strText += L"URL : ";
    strText += strDownloadURL;
    strText += L"\n";
    strText += L"Size: ";
    strText += ChildValue(xml, L"File_Size_MB");
    strText += L" MB\n";
    strText += L"Released Note:\n";
    strText += FormatReleaseNotes(ChildValue(xml, L"Program_Change_Info"));
    strUpdateText = strText;
}

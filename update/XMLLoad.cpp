// CXML::Load: the update file through the platform DOM, and through the fallback parser when the DOM
// cannot deliver a tree.
#include "update/XML.h"
#include "update/XMLTextWindow.h"
#include "engine/TextFile.h"

#include <climits>

namespace
{
// The whole file from its current position, as text (null without a stream).
const wchar_t* ReadRest(CTextFile* pFile)
{
    ULONGLONG size = pFile->GetSize();
    wchar_t* pText = nullptr;
    pFile->ReadAll(&pText, size < UINT_MAX - 2 ? static_cast<UINT>(size) : UINT_MAX - 2);
    return pText;
}
} // namespace

BOOL CXML::Load(CTextFile* pFile, const wchar_t* pszStartName)
{
    if (pFile == nullptr)
        return FALSE;
    BOOL bResult = LoadFromText(ReadRest(pFile), pszStartName);
    if (!bResult)
    {
        pFile->SeekToBegin();
        bResult = ParseDocument(pFile, pszStartName);
    }
    m_strText = DecodeEntities(m_strText);
    return bResult;
}

BOOL CXML::ParseDocument(CTextFile* pFile, const wchar_t* pszStartName)
{
    if (pFile == nullptr)
        return FALSE;
    CXMLTextWindow window(pFile);
    return ParseDocument(window, pszStartName);
}

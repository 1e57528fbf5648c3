// The program's own path and the path-piece functions.
#include "engine/SystemActions.h"

#include <gtest/gtest.h>

TEST(ProgramPath, IsThisExecutableWithUpperCaseDrive)
{
    wchar_t szModule[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szModule, MAX_PATH);
    CString path = GetProgramPath();
    ASSERT_GE(path.GetLength(), 3);
    EXPECT_TRUE(iswupper(path[0]));
    EXPECT_EQ(L':', path[1]);
    EXPECT_EQ(0, path.CompareNoCase(szModule));
    EXPECT_EQ(0, wcscmp(path.GetString() + 1, szModule + 1)) << "only the drive letter changes";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES != GetFileAttributesW(path), true);
}

TEST(FindFileNamePart, PointsBehindTheLastSeparator)
{
    EXPECT_EQ(nullptr, FindFileNamePart(nullptr));
    EXPECT_EQ(nullptr, FindFileNamePart(L""));

    const wchar_t* pszMixed = L"C:\\Program Files/Tools\\app.exe";
    EXPECT_EQ(pszMixed + 23, FindFileNamePart(pszMixed));
    EXPECT_STREQ(L"app.exe", FindFileNamePart(pszMixed));

    const wchar_t* pszBare = L"notes.txt";
    EXPECT_EQ(pszBare, FindFileNamePart(pszBare));

    const wchar_t* pszFolder = L"C:\\Data\\";
    EXPECT_EQ(pszFolder + 8, FindFileNamePart(pszFolder));
    EXPECT_STREQ(L"", FindFileNamePart(pszFolder));
    EXPECT_STREQ(L"x", FindFileNamePart(L"a/b/x"));
}

TEST(GetFileNameOfPath, GivesTheLastName)
{
    EXPECT_STREQ(L"app.exe", GetFileNameOfPath(L"C:\\Program Files\\app.exe").GetString());
    EXPECT_STREQ(L"app.exe", GetFileNameOfPath(L"  C:/x\\y/app.exe \t").GetString());
    EXPECT_STREQ(L"notepad", GetFileNameOfPath(L"notepad").GetString());
    EXPECT_STREQ(L"Tools", GetFileNameOfPath(L"C:\\Tools\\").GetString());
    EXPECT_STREQ(L"Tools", GetFileNameOfPath(L"C:\\Tools\\/\\ ").GetString());
    EXPECT_STREQ(L"", GetFileNameOfPath(L"\\/\\").GetString());
    EXPECT_STREQ(L"", GetFileNameOfPath(L"").GetString());
    EXPECT_STREQ(L"", GetFileNameOfPath(nullptr).GetString());
    // Quotes are not the path functions' business: KillProcessByName trims them afterwards.
    EXPECT_STREQ(L"app.exe\"", GetFileNameOfPath(L"\"C:\\Program Files\\app.exe\"").GetString());
}

// CString behaviours the rest of the program relies on.
#include <gtest/gtest.h>

#include "framework/core/CString.h"

TEST(CStringTest, FormatUsesWideStringsAndPadding)
{
    CString s;
    s.Format(L"%s = %s", L"InfoTime", L"3000");
    EXPECT_STREQ(L"InfoTime = 3000", s);
    s.Format(L"%.2d : %.2d|%d%%", 9, 0, 55);
    EXPECT_STREQ(L"09 : 00|55%", s);
    s.AppendFormat(L"+%d", -1);
    EXPECT_STREQ(L"09 : 00|55%+-1", s);
}

TEST(CStringTest, TrimWithSetsAndWhiteSpace)
{
    CString s(L" \t\"'abc'\" \r\n");
    s.Trim();
    EXPECT_STREQ(L"\"'abc'\"", s);
    s.Trim(L"\"' \t");
    EXPECT_STREQ(L"abc", s);
    CString q(L"\"\"");
    q.Trim(L'"');
    EXPECT_TRUE(q.IsEmpty());
}

TEST(CStringTest, FindMidAndBounds)
{
    CString s(L"a=b=c");
    EXPECT_EQ(1, s.Find(L'='));
    EXPECT_EQ(3, s.Find(L'=', 2));
    EXPECT_EQ(-1, s.Find(L'=', 9));
    EXPECT_EQ(3, s.ReverseFind(L'='));
    EXPECT_STREQ(L"b=c", s.Mid(2));
    EXPECT_STREQ(L"", s.Mid(10));
    EXPECT_STREQ(L"a=", s.Left(2));
    EXPECT_STREQ(L"=c", s.Right(2));
    EXPECT_STREQ(L"a=b=c", s.Right(99));
}

TEST(CStringTest, ReplaceAndCompare)
{
    CString s(L"&amp;lt;&amp;");
    EXPECT_EQ(2, s.Replace(L"&amp;", L"&"));
    EXPECT_STREQ(L"&lt;&", s);
    EXPECT_EQ(0, CString(L"Ctrl + A").CompareNoCase(L"ctrl + a"));
    EXPECT_NE(0, CString(L"Ctrl + A").Compare(L"ctrl + a"));
    EXPECT_TRUE(CString(L"x") == L"x");
}

TEST(CStringTest, BufferRoundTrip)
{
    CString s;
    wchar_t* p = s.GetBuffer(10);
    wcscpy_s(p, 11, L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(3, s.GetLength());
    CString narrow("plain");
    EXPECT_STREQ(L"plain", narrow);
}

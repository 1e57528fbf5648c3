// Splitting command texts: GetNextArgument's words, quotes and bounds, and the executor's split.
#include "engine/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Split
{
    int nResult;
    std::wstring strWord;
    const wchar_t* pNext;
};

Split Take(const wchar_t* pszSource, UINT nCapacity = 260)
{
    std::wstring buffer(nCapacity + 1, L'#'); // one sentinel past the capacity
    const wchar_t* pNext = reinterpret_cast<const wchar_t*>(1);
    int nResult = GetNextArgument(pszSource, &buffer[0], nCapacity, &pNext);
    EXPECT_EQ(L'#', buffer[nCapacity]) << "written past the capacity";
    return {nResult, std::wstring(buffer.c_str()), pNext};
}
} // namespace

TEST(GetNextArgument, BareWordsEndAtOneBlank)
{
    const wchar_t* src = L"  \tnotepad.exe  a.txt";
    Split s = Take(src);
    EXPECT_EQ(1, s.nResult);
    EXPECT_EQ(L"notepad.exe", s.strWord);
    EXPECT_EQ(src + 15, s.pNext); // behind the single blank that ended the word
    s = Take(L"last");
    EXPECT_EQ(L"last", s.strWord);
    EXPECT_EQ(nullptr, s.pNext);
}

TEST(GetNextArgument, QuotesOfBothKinds)
{
    const wchar_t* src = L"\"C:\\Program Files\\a b.exe\" -a";
    Split s = Take(src);
    EXPECT_EQ(L"C:\\Program Files\\a b.exe", s.strWord);
    EXPECT_EQ(src + 26, s.pNext);
    EXPECT_EQ(std::wstring(L" -a"), s.pNext);

    s = Take(L"'it \"is\" one' rest");
    EXPECT_EQ(L"it \"is\" one", s.strWord); // quotes of the other kind are ordinary characters
    EXPECT_EQ(std::wstring(L" rest"), s.pNext);

    s = Take(L"\"never closed word");
    EXPECT_EQ(L"never closed word", s.strWord);
    EXPECT_EQ(nullptr, s.pNext);
}

TEST(GetNextArgument, AQuoteInsideAWordStartsAQuotedWordAfresh)
{
    Split s = Take(L"abc\"d e\"f g");
    EXPECT_EQ(L"d e", s.strWord);
    EXPECT_EQ(std::wstring(L"f g"), s.pNext);
    s = Take(L"x'y");
    EXPECT_EQ(L"y", s.strWord);
    EXPECT_EQ(nullptr, s.pNext);
}

TEST(GetNextArgument, EmptyQuotedWordLeavesTheNextAtTheClosingQuote)
{
    const wchar_t* src = L"\"\" rest";
    Split s = Take(src);
    EXPECT_EQ(1, s.nResult);
    EXPECT_EQ(L"", s.strWord);
    EXPECT_EQ(src + 1, s.pNext);
}

TEST(GetNextArgument, NoWordLeavesEverythingUntouched)
{
    for (const wchar_t* src : {L"", L"   \t\r\n"})
    {
        wchar_t out[4] = {L'x', L'y', L'z', 0};
        const wchar_t* pNext = src;
        EXPECT_EQ(0, GetNextArgument(src, out, 4, &pNext));
        EXPECT_EQ(std::wstring(L"xyz"), out);
        EXPECT_EQ(src, pNext);
    }
    wchar_t out[4] = {L'x', 0};
    EXPECT_EQ(0, GetNextArgument(nullptr, out, 4, nullptr));
    EXPECT_EQ(0, GetNextArgument(L"a", nullptr, 4, nullptr));
    EXPECT_EQ(0, GetNextArgument(L"a", out, 0, nullptr));
    EXPECT_EQ(L'x', out[0]);
}

TEST(GetNextArgument, TheCopyHoldsAtMostCapacityMinusTwo)
{
    Split s = Take(L"abcdefgh ij", 6);
    EXPECT_EQ(1, s.nResult);
    EXPECT_EQ(L"abcd", s.strWord);
    EXPECT_EQ(std::wstring(L"ij"), s.pNext); // the next position is behind the whole word all the same
    EXPECT_EQ(L"", Take(L"abc", 2).strWord);
    EXPECT_EQ(L"", Take(L"abc", 1).strWord);
    std::wstring longWord(300, L'w');
    EXPECT_EQ(258u, Take(longWord.c_str()).strWord.size());
}

TEST(SplitCommand, FirstWordAndRestTrimmedOfQuotesAndBlanks)
{
    CString word, rest;
    EXPECT_FALSE(SplitCommand(L"  \t ", word, rest));
    EXPECT_FALSE(SplitCommand(nullptr, word, rest));

    ASSERT_TRUE(SplitCommand(L"  Volume   up  ", word, rest));
    EXPECT_EQ(L"Volume", word);
    EXPECT_EQ(L"up", rest);

    ASSERT_TRUE(SplitCommand(L"notepad.exe \"C:\\my file.txt\"", word, rest));
    EXPECT_EQ(L"notepad.exe", word);
    EXPECT_EQ(L"C:\\my file.txt", rest);

    ASSERT_TRUE(SplitCommand(L"C:\\Program Files\\a.exe -a", word, rest));
    EXPECT_EQ(L"C:\\Program", word);
    EXPECT_EQ(L"Files\\a.exe -a", rest);

    ASSERT_TRUE(SplitCommand(L"\"\"", word, rest));
    EXPECT_EQ(L"", word);
    EXPECT_EQ(L"", rest);

    ASSERT_TRUE(SplitCommand(L"Show", word, rest));
    EXPECT_EQ(L"", rest);
}

TEST(SplitCommand, ALongFirstWordIsTakenWhole)
{
    std::wstring path = L"C:\\" + std::wstring(400, L'p') + L".exe";
    CString word, rest;
    ASSERT_TRUE(SplitCommand((L"\"" + path + L"\" -x").c_str(), word, rest));
    EXPECT_EQ(path, word.str());
    EXPECT_EQ(L"-x", rest);
}

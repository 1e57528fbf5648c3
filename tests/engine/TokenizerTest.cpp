// The tokenizers: pieces, empty pieces, the end of the walk and the one-character rule.
#include "engine/Tokenizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<std::wstring> Walk(const wchar_t* text, wchar_t sep)
{
    std::vector<std::wstring> pieces;
    int pos = 0;
    CString token;
    while (GetNextToken(text, sep, pos, token) == 1 && pieces.size() < 100)
        pieces.push_back(token.str());
    EXPECT_EQ(pos, -1);
    return pieces;
}

std::vector<std::wstring> WalkAny(const wchar_t* text, const wchar_t* seps)
{
    std::vector<std::wstring> pieces;
    int pos = 0;
    CString token;
    while (GetNextTokenAny(text, seps, pos, token) == 1 && pieces.size() < 100)
        pieces.push_back(token.str());
    EXPECT_EQ(pos, -1);
    return pieces;
}

using V = std::vector<std::wstring>;
} // namespace

TEST(Tokenizer, OneSeparator)
{
    EXPECT_EQ(Walk(L"a,,b", L','), (V{L"a", L"", L"b"}));
    EXPECT_EQ(Walk(L"a,", L','), (V{L"a", L""}));
    EXPECT_EQ(Walk(L",", L','), (V{L"", L""}));
    EXPECT_EQ(Walk(L"abc", L','), (V{L"abc"}));
    EXPECT_EQ(Walk(L" x = y ", L'='), (V{L" x ", L" y "}));
    EXPECT_EQ(Walk(L"", L','), V{});
    EXPECT_EQ(Walk(nullptr, L','), V{});

    // The position says where the rest begins, so callers can take the rest of a line.
    int pos = 0;
    CString token;
    EXPECT_EQ(GetNextToken(L"k=v=w", L'=', pos, token), 1);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(GetNextToken(L"k=v=w", L'=', pos, token), 1);
    EXPECT_EQ(token, L"v");
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(GetNextToken(L"k=v=w", L'=', pos, token), 1);
    EXPECT_EQ(token, L"w");
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(GetNextToken(L"k=v=w", L'=', pos, token), 0);
    EXPECT_EQ(token, L"");
}

TEST(Tokenizer, SeparatorSet)
{
    EXPECT_EQ(WalkAny(L"x", L"+"), (V{L"x"}));
    EXPECT_EQ(WalkAny(L"x+y", L"+"), (V{L"", L"y"}));
    EXPECT_EQ(WalkAny(L"ab+c-de", L"+-"), (V{L"ab", L"", L"de"}));
    EXPECT_EQ(WalkAny(L"ab-cd+ef", L"+-"), (V{L"ab", L"cd", L"ef"}));
    EXPECT_EQ(WalkAny(L"++", L"+"), (V{L"", L"", L""}));
    int pos = 0;
    CString token = L"old";
    EXPECT_EQ(GetNextTokenAny(L"a+b", L"", pos, token), 0);
    EXPECT_EQ(token, L"");
    EXPECT_EQ(pos, -1);
    pos = 0;
    EXPECT_EQ(GetNextTokenAny(L"a+b", nullptr, pos, token), 0);
}

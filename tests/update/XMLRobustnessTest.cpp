// Hostile input: 100,000 seeded random and mutated XML texts through the fallback parser (a quarter of
// them through the DOM as well, which costs a COM document per text), nesting 100,000 levels deep, a tag
// with 100,000 attributes and text deep inside a nest. Nothing may crash, hang or fill the memory, and
// every tree built must be sound.
#include <gtest/gtest.h>

#include "tests/update/XMLTestSupport.h"

#include <cstdio>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

namespace
{
const wchar_t* const kCorpus[] = {
    L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<!DOCTYPE PAD>\n<XML_DIZ_INFO>\n  "
    L"<Program_Info>\n"
    L"    <Program_Version>1.7</Program_Version>\n    <File_Size_MB>0.5</File_Size_MB>\n  </Program_Info>\n"
    L"  <Web_Info><Primary_Download_URL>http://example.org/a?b=1&amp;c=2</Primary_Download_URL></Web_Info>\n"
    L"  <Program_Change_Info>Fixed \"Save\" &lt;dialog&gt;</Program_Change_Info>\n</XML_DIZ_INFO>\n",
    L"<r><e/><f a='1' b=\"2\"/><g x='a>b' y='say \"hi\"'>t</g></r>",
    L"<p:PAD xmlns:p=\"urn:pad\"><p:Program_Version>1.7</p:Program_Version></p:PAD>",
    L"<r><a>1<!-- c > d -->2</a><![CDATA[x<y>z]]><?pi x?></r>",
    L"<r><a>1</b><c>2</c></r >",
    L"\xFEFF<r>\r\n\t<a>x &amp;amp;lt; y</a>\r\n</r>",
};

const wchar_t* const kFragments[] = {
    L"<",
    L">",
    L"</",
    L"/>",
    L"\"",
    L"'",
    L"=",
    L"<!--",
    L"-->",
    L"<![CDATA[",
    L"]]>",
    L"<?",
    L"?>",
    L"&amp;",
    L"&",
    L"&lt;",
    L";",
    L"\n",
    L"\r\n",
    L" ",
    L"\t",
    L"<a>",
    L"</a>",
    L"<b x='1'>",
    L"</b>",
    L"x",
    L"Program_Version",
    L"\xFEFF",
    L"\xD83D",
    L"\x00e9",
    L"<!DOCTYPE r [<!ENTITY e \"v\">]>",
    L"&e;",
    L"<r>",
    L"</r>",
    L"\x0001",
    L"]",
};

class Fuzzer
{
public:
    explicit Fuzzer(unsigned seed) : m_rng(seed) {}

    std::wstring Next()
    {
        int kind = Pick(50);
        if (kind < 30)
            return Mutate(kCorpus[Pick(sizeof(kCorpus) / sizeof(kCorpus[0]))], kind < 15 ? 2 : 8);
        if (kind < 49)
            return Fragments(Pick(60));
        // Long runs, to cross the parser's 16384-byte window many times.
        std::wstring text = Fragments(Pick(40));
        std::wstring run = Fragments(1 + Pick(8));
        while (text.size() < 20000 + static_cast<size_t>(Pick(20000)))
            text += run;
        return text;
    }

private:
    int Pick(size_t n) { return static_cast<int>(m_rng() % n); }

    std::wstring Fragments(int count)
    {
        std::wstring text;
        for (int i = 0; i < count; ++i)
            text += kFragments[Pick(sizeof(kFragments) / sizeof(kFragments[0]))];
        return text;
    }

    // One to maxEdits insertions, deletions, duplications or replaced characters.
    std::wstring Mutate(std::wstring text, int maxEdits)
    {
        for (int n = 1 + Pick(static_cast<size_t>(maxEdits)); n > 0; --n)
        {
            size_t at = text.empty() ? 0 : static_cast<size_t>(Pick(text.size() + 1));
            size_t len =
                text.empty() ? 0 : static_cast<size_t>(Pick(std::min<size_t>(16, text.size() - at) + 1));
            switch (Pick(4))
            {
            case 0:
                text.insert(at, kFragments[Pick(sizeof(kFragments) / sizeof(kFragments[0]))]);
                break;
            case 1:
                text.erase(at, len);
                break;
            case 2:
                text.insert(at, text.substr(at, len));
                break;
            default:
                if (!text.empty() && at < text.size())
                    text[at] = static_cast<wchar_t>(1 + Pick(0x7F));
                break;
            }
        }
        return text;
    }

    std::mt19937 m_rng;
};

// The tree is sound: back links right, attributes strictly ascending, depth within the bound.
void ExpectSound(CXML& node, CXML* parent, int depth, const std::wstring& input)
{
    ASSERT_LE(depth, CXML::kMaxDepth) << input;
    ASSERT_EQ(parent, node.GetParent()) << input;
    CAttributeList& attributes = node.GetAttributes();
    const CAttribute* previous = nullptr;
    for (POSITION pos = attributes.GetHeadPosition(); pos != nullptr;)
    {
        CAttribute* a = attributes.GetNext(pos);
        if (previous != nullptr)
        {
            ASSERT_LT(previous->m_strName.Compare(a->m_strName), 0) << input;
        }
        previous = a;
    }
    for (CXML* child = node.GetFirstChild(); child != nullptr; child = node.GetNextChild())
        ExpectSound(*child, &node, depth + 1, input);
}

void Exercise(CXML& node, const std::wstring& input)
{
    ExpectSound(node, nullptr, 1, input);
    CString value;
    node.GetChildValue(L"Program_Version", value);
    node.GetChildValue(L"a", value);
}
} // namespace

TEST(XMLRobustnessTest, RandomAndMutatedTextsNeverBreakEitherLoader)
{
    ComScope com;
    Fuzzer fuzzer(20261207);
    const int kInputs = 100000;
    int parsed = 0, loaded = 0, domFed = 0;
    DWORD start = GetTickCount();
    for (int i = 0; i < kInputs; ++i)
    {
        std::wstring input = fuzzer.Next();
        CXML fallback;
        if (ParseFallback(fallback, input.c_str(), nullptr, 1 + i % 3))
            ++parsed;
        Exercise(fallback, input);
        if (i % 4 == 0)
        {
            ++domFed;
            CXML dom;
            if (dom.LoadFromText(input.c_str(), i % 8 == 0 ? L"Program_Info" : nullptr))
                ++loaded;
            Exercise(dom, input);
        }
        if (HasFatalFailure())
            return;
    }
    fprintf(stderr, "fallback: %d of %d texts gave a tree; DOM: %d of %d; %lu ms\n", parsed, kInputs, loaded,
            domFed, GetTickCount() - start);
    // The corpus and its light mutations must keep both loaders busy, not only fail at once.
    EXPECT_GT(parsed, kInputs / 10);
    EXPECT_GT(loaded, domFed / 50);
}

TEST(XMLRobustnessTest, NestingAHundredThousandLevelsDeepIsBoundedInBothLoaders)
{
    ComScope com;
    std::wstring deep;
    for (int i = 0; i < 100000; ++i)
        deep += L"<a x='1'>";
    deep += L"core";
    for (int i = 0; i < 100000; ++i)
        deep += L"</a>";

    CXML dom;
    if (dom.LoadFromText(deep.c_str(), nullptr))
    {
        EXPECT_EQ(CXML::kMaxDepth, TreeDepth(dom));
    }
    CXML fallback;
    ASSERT_TRUE(ParseFallback(fallback, deep.c_str()));
    EXPECT_EQ(CXML::kMaxDepth, TreeDepth(fallback));
    Exercise(fallback, L"(deep)");

    // Unclosed all the way down: the text ends inside every level.
    CXML unclosed;
    ASSERT_TRUE(ParseFallback(unclosed, deep.substr(0, deep.find(L"core")).c_str()));
    EXPECT_EQ(CXML::kMaxDepth, TreeDepth(unclosed));
}

namespace
{
int AttributeCount(CXML& node)
{
    return static_cast<int>(node.GetAttributes().GetCount());
}

// Every node's own text, added up: what the tree holds in memory.
size_t TextHeld(CXML& node)
{
    size_t n = wcslen(node.GetText());
    for (CXML* child = node.GetFirstChild(); child != nullptr; child = node.GetNextChild())
        n += TextHeld(*child);
    return n;
}
} // namespace

// A tag with 100,000 attributes used to cost minutes in their sorted insertion (and in copying the
// rest of the tag for each one); an element keeps the first kMaxAttributes, in order, and no more.
TEST(XMLRobustnessTest, ATagWithAHundredThousandAttributesIsReadQuicklyUpToTheBound)
{
    ComScope com;
    auto tag = [](int count)
    {
        std::wstring text = L"<r ";
        for (int i = 0; i < count; ++i)
            text += L"a" + std::to_wstring((i * 7919) % count) + L"=\"v" + std::to_wstring(i) + L"\" ";
        return text + L"><Program_Version>1.7</Program_Version></r>";
    };

    std::wstring many = tag(100000);
    DWORD start = GetTickCount();
    CXML fallback;
    ASSERT_TRUE(ParseFallback(fallback, many.c_str()));
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(CXML::kMaxAttributes, AttributeCount(fallback));
    Exercise(fallback, L"(many attributes)");
    CString value;
    EXPECT_TRUE(fallback.GetChildValue(L"Program_Version", value));
    EXPECT_EQ(CString(L"1.7"), value);
    // The first attribute of the tag is among those kept.
    EXPECT_EQ(CString(L"a0"), fallback.GetAttributes().GetHead()->m_strName);

    // The same name over and over: one attribute, the scan still bounded.
    std::wstring same = L"<r ";
    for (int i = 0; i < 100000; ++i)
        same += L"a=\"" + std::to_wstring(i) + L"\" ";
    same += L"/>";
    start = GetTickCount();
    CXML repeated;
    ASSERT_TRUE(ParseFallback(repeated, same.c_str()));
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(1, AttributeCount(repeated));

    // The DOM itself takes long over such a tag (the update file's size bound limits that); with a
    // few thousand it shows the same bound on the import.
    std::wstring some = tag(3000);
    CXML dom;
    ASSERT_TRUE(dom.LoadFromText(some.c_str(), nullptr));
    EXPECT_EQ(CXML::kMaxAttributes, AttributeCount(dom));
    Exercise(dom, L"(some attributes)");
}

// The DOM gives each element the text of all its descendants: text at the bottom of a deep nest is
// held once per level imported, so the depth bound is what keeps a hostile file's memory in check.
TEST(XMLRobustnessTest, TextDeepInsideIsHeldByNoMoreThanTheBoundsLevels)
{
    ComScope com;
    const size_t kText = 64 * 1024;
    std::wstring deep;
    for (int i = 0; i < 250; ++i)
        deep += L"<a>";
    deep += std::wstring(kText, L'x');
    for (int i = 0; i < 250; ++i)
        deep += L"</a>";
    DWORD start = GetTickCount();
    CXML dom;
    if (dom.LoadFromText(deep.c_str(), nullptr))
    {
        EXPECT_EQ(CXML::kMaxDepth, TreeDepth(dom));
        EXPECT_LE(TextHeld(dom), static_cast<size_t>(CXML::kMaxDepth) * kText);
        EXPECT_EQ(kText, wcslen(dom.GetText()));
    }
    EXPECT_LT(GetTickCount() - start, 5000u);
}

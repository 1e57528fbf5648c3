// The fallback parser: markup before the root, tag and attribute forms, text rules, and every
// tolerance for broken documents; the root tag test; the depth bound.
#include <gtest/gtest.h>

#include "tests/update/XMLTestSupport.h"

#include <string>

namespace
{
struct Case
{
    const wchar_t* text;
    BOOL result;
    const wchar_t* tree;
};

void Check(const Case* cases, size_t n)
{
    for (size_t i = 0; i < n; ++i)
    {
        CXML node;
        EXPECT_EQ(cases[i].result, ParseFallback(node, cases[i].text)) << cases[i].text;
        EXPECT_EQ(cases[i].tree, DumpTree(node)) << cases[i].text;
    }
}
} // namespace

TEST(XMLParserTest, MarkupAroundTheRootAndTagFormsAreRead)
{
    const Case cases[] = {
        // Declaration, comment and document type before the root are skipped; layout adds no text.
        {L"\xFEFF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by hand -->\n<!DOCTYPE PAD>\n<PAD>\n"
         L"  <Version>1.7</Version>\n  <Empty/>\n</PAD>\n",
         TRUE, L"PAD(Version{1.7} Empty)"},
        // Self-closing elements, apostrophes, '>' inside a value; a double quote inside an
        // apostrophe-quoted value ends the value at the next double quote.
        {L"<r><e/><f a='1' b=\"2\"/><g x='a>b' y='say \"hi\"'>t</g></r>", TRUE,
         L"r(e f[a=1,b=2] g[x=a>b,y=say ]{t})"},
        // Attributes: a name without '=' ends the scan; an unquoted value takes the next quoted one.
        {L"<r a = \"1\"  b=\"\" c></r>", TRUE, L"r[a=1,b=]"},
        {L"<r a=1 b=\"2\"></r>", TRUE, L"r[a=2]"},
        {L"<r a='x\"y' b=1></r>", TRUE, L"r[a=x,y\" b=]"},
        // Namespace prefixes stay part of the names.
        {L"<p:PAD xmlns:p=\"urn:pad\"><p:V>1.7</p:V></p:PAD>", TRUE, L"p:PAD[xmlns:p=urn:pad](p:V{1.7})"},
        // Text before the root is dropped, nothing after the root's end tag is read.
        {L"text before<r>in</r>after<s>", TRUE, L"r{in}"},
        // A name ended by a tab runs on to the end of the tag, and its end tag never matches.
        {L"<r>\n\t<a\tx=\"1\">v</a>\n</r>", TRUE, L"r(a\\tx=\"1\"{v}(/a(/r)))"},
    };
    Check(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(XMLParserTest, CharacterDataFollowsTheTextRules)
{
    const Case cases[] = {
        // Same-line text stays as written; entities are decoded in the root's text only.
        {L"<r>\n  <a> one two </a>\n  <b>x &amp; y</b>\n</r>", TRUE, L"r(a{ one two } b{x &amp; y})"},
        {L"<r>x &amp;lt; y<c>&amp;</c></r>", TRUE, L"r{x < y}(c{&amp;})"},
        // The last line break before an end tag and the indentation behind it are dropped.
        {L"<r><a>one\ntwo\n</a></r>", TRUE, L"r(a{one\\ntwo})"},
        {L"<r><a>one\r\n  two\r\n  </a></r>", TRUE, L"r(a{one\\r\\n  two\\r})"},
        // A comment ends at its first '>'; a CDATA section is a skipped tag up to its first '>'.
        {L"<r><a>1<!-- c > d -->2</a></r>", TRUE, L"r(a{1 d -->2})"},
        {L"<r><a><![CDATA[x<y>z]]></a><?pi x?></r>", TRUE, L"r(a{z]]>})"},
        // Quoted text protects a '<'.
        {L"<r>say \"<b>\" here</r>", TRUE, L"r{say \"<b>\" here}"},
        // Text between child elements lands in the parent.
        {L"<r>a<b>1</b>c<d/>e</r>", TRUE, L"r{ace}(b{1} d)"},
    };
    Check(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(XMLParserTest, BrokenDocumentsKeepWhatWasRead)
{
    const Case cases[] = {
        // No root: 0 (the node keeps the start name, here none, and no text).
        {L"", FALSE, L""},
        {L"<?xml version=\"1.0\"?>", FALSE, L""},
        {L"<?xml version=\"1.0\"?>\n<!-- only -->\n", FALSE, L""},
        {L"just text", FALSE, L""},
        // A quote that never closes takes in the rest of the text.
        {L"<r a=\"unclosed><b>x</b></r>", FALSE, L""},
        {L"<r><a x='1>t</a><b>2</b></r>", TRUE, L"r"},
        // The text ends inside elements: everything read so far stays.
        {L"<r><a>1</a><b>2", TRUE, L"r(a{1} b{2})"},
        {L"<r><a>1</a><b", TRUE, L"r(a{1})"},
        // An end tag for another element, or one with a blank, opens a child that takes the rest.
        {L"<r><a>1</b><c>2</c></r>", TRUE, L"r(a{1}(/b(c{2} /r)))"},
        {L"<r><a>1</a ><c>2</c></r>", TRUE, L"r(a{1}(/a(c{2} /r)))"},
        // An element without a name is read and dropped with its subtree.
        {L"<r><>x<y>1</y></><d>3</d>< e>4</ e></r>", TRUE, L"r(d{3})"},
    };
    Check(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(XMLParserTest, TheStartNameChoosesTheRootAndTheErrorFlagSticks)
{
    CXML node;
    EXPECT_TRUE(ParseFallback(node, L"<doc><head><PAD><V>2</V></PAD></head></doc>", L"PAD"));
    EXPECT_EQ(L"PAD(V{2})", DumpTree(node));

    CXML missing;
    EXPECT_FALSE(ParseFallback(missing, L"<doc><PADS/><PAD2>1</PAD2></doc>", L"PAD"));
    EXPECT_EQ(L"PAD", DumpTree(missing)); // the start name, no text
    EXPECT_TRUE(missing.HasError());
    // Once the text ran out under this node, every later fallback parse on it fails.
    EXPECT_FALSE(ParseFallback(missing, L"<PAD>1</PAD>", L"PAD"));

    CXML parser;
    EXPECT_FALSE(parser.ParseRootTag(L"PAD>", L"PAD"));
    EXPECT_TRUE(parser.ParseRootTag(L"<anything", L""));
    EXPECT_TRUE(parser.ParseRootTag(L"<PAD>", L"PAD"));
    EXPECT_TRUE(parser.ParseRootTag(L"<PAD/>", L"PAD"));
    EXPECT_TRUE(parser.ParseRootTag(L"<PAD x=\"1\">", L"PAD"));
    EXPECT_FALSE(parser.ParseRootTag(L"<PAD", L"PAD"));
    EXPECT_FALSE(parser.ParseRootTag(L"<pad>", L"PAD"));
    EXPECT_FALSE(parser.ParseRootTag(L"<PAD\tx>", L"PAD"));
}

TEST(XMLParserTest, NestingBeyondTheBoundIsSkippedNotRecursedInto)
{
    // 300 levels of <a> inside r: the bound's levels are built, the rest is read past, and r's next child is
    // still found.
    std::wstring text = L"<r>";
    for (int i = 0; i < 300; ++i)
        text += L"<a x='1'>t<b/><!-- c -->";
    for (int i = 0; i < 300; ++i)
        text += L"</a>";
    text += L"<z>1</z></r>";
    CXML root;
    ASSERT_TRUE(ParseFallback(root, text.c_str()));
    EXPECT_EQ(CXML::kMaxDepth, TreeDepth(root));
    CString value;
    EXPECT_TRUE(root.GetChildValue(L"z", value));
    EXPECT_EQ(CString(L"1"), value);

    // Mismatched end tags down there follow the same rule as above: they open what takes the rest.
    std::wstring broken = L"<r>";
    for (int i = 0; i < 300; ++i)
        broken += L"<a>";
    broken += L"</b><z>1</z>";
    for (int i = 0; i < 300; ++i)
        broken += L"</a>";
    broken += L"</r><after/>";
    CXML other;
    ASSERT_TRUE(ParseFallback(other, broken.c_str()));
    EXPECT_EQ(CXML::kMaxDepth, TreeDepth(other));
    EXPECT_FALSE(other.GetChildValue(L"after", value));

    // 100,000 levels: no stack overflow, and quickly.
    std::wstring deep;
    for (int i = 0; i < 100000; ++i)
        deep += L"<a>";
    for (int i = 0; i < 100000; ++i)
        deep += L"</a>";
    CXML huge;
    DWORD start = GetTickCount();
    ASSERT_TRUE(ParseFallback(huge, deep.c_str()));
    EXPECT_EQ(CXML::kMaxDepth, TreeDepth(huge));
    EXPECT_LT(GetTickCount() - start, 5000u);
}

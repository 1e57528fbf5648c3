// Loading through the platform DOM: local names, element text with its descendants, attributes,
// the start name, rejected text, and the depth bound.
#include <gtest/gtest.h>

#include "tests/update/XMLTestSupport.h"

#include <string>

TEST(XMLDomTest, ElementsGetLocalNamesAndTheTextOfAllTheirDescendants)
{
    ComScope com;
    CXML root;
    ASSERT_TRUE(
        root.LoadFromText(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<!DOCTYPE p:PAD>\n"
                          L"<p:PAD xmlns:p=\"urn:pad\" v='1' b=\"x&amp;lt;y\">"
                          L"<p:Program_Version>1.7</p:Program_Version>"
                          L"<Info>x<b>y</b></Info>"
                          L"<Note>a &amp; b<!-- no --><![CDATA[<c>]]></Note>"
                          L"</p:PAD>",
                          nullptr));
    // The attribute "&amp;lt;" is "&lt;" to the DOM, and "<" once decoded here; xmlns:p is named p.
    EXPECT_EQ(L"PAD[b=x<y,p=urn:pad,v=1]{1.7xya & b<c>}(Program_Version{1.7} Info{xy}(b{y}) Note{a & b<c>})",
              DumpTree(root));
    CString value;
    EXPECT_TRUE(root.GetChildValue(L"Program_Version", value));
    EXPECT_EQ(CString(L"1.7"), value);
}

TEST(XMLDomTest, LineBreaksInElementTextAreFolded)
{
    ComScope com;
    CXML root;
    ASSERT_TRUE(root.LoadFromText(L"<r><a>one\n \ntwo\n\nthree\n\n\nfour</a></r>", nullptr));
    CXML* a = root.GetFirstChild();
    ASSERT_NE(nullptr, a);
    EXPECT_STREQ(L"one\ntwo\nthree\n\nfour", a->GetText());
}

TEST(XMLDomTest, TheStartNameIsFoundByQualifiedNameAnywhereInTheTree)
{
    ComScope com;
    const wchar_t* text =
        L"<doc><head><p:PAD xmlns:p=\"urn:pad\"><V>2</V></p:PAD></head><PAD><V>3</V></PAD></doc>";
    CXML pad;
    ASSERT_TRUE(pad.LoadFromText(text, L"p:PAD"));
    EXPECT_EQ(L"PAD[p=urn:pad]{2}(V{2})", DumpTree(pad));
    ASSERT_TRUE(pad.LoadFromText(text, L"PAD"));
    EXPECT_EQ(L"PAD{3}(V{3})", DumpTree(pad));

    // Not there: 0, after the DOM step has already emptied the node (the name stays).
    EXPECT_FALSE(pad.LoadFromText(text, L"Missing"));
    EXPECT_EQ(L"PAD", DumpTree(pad));
}

TEST(XMLDomTest, TextTheDomRejectsLeavesTheNodeAsItWas)
{
    ComScope com;
    CXML node;
    node.SetName(L"kept");
    node.AppendText(L"old");
    const wchar_t* rejected[] = {L"",
                                 L"<r>",
                                 L"<r><a></r>",
                                 L"<?xml version=\"1.0\"?>",
                                 L"<r a=\"1></r>",
                                 L"<r>&nbsp;</r>",
                                 L"plain text",
                                 L"<r></r><s></s>"};
    for (const wchar_t* text : rejected)
    {
        EXPECT_FALSE(node.LoadFromText(text, nullptr)) << text;
        EXPECT_EQ(L"kept{old}", DumpTree(node)) << text;
    }
    EXPECT_FALSE(node.LoadFromText(nullptr, nullptr));
}

TEST(XMLDomTest, ElementsBelowTheDepthBoundAreNotBuilt)
{
    ComScope com;
    // One level more than the tree keeps: the DOM accepts it, the import stops at the bound, and the
    // deepest element's text still reaches its ancestors.
    std::wstring text;
    for (int i = 0; i <= CXML::kMaxDepth; ++i)
        text += L"<a>";
    text += L"deep";
    for (int i = 0; i <= CXML::kMaxDepth; ++i)
        text += L"</a>";
    CXML root;
    if (root.LoadFromText(text.c_str(), nullptr))
    {
        EXPECT_EQ(CXML::kMaxDepth, TreeDepth(root));
        EXPECT_STREQ(L"deep", root.GetText());
    }
}

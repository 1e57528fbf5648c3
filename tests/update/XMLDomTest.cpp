// Loading through the platform DOM: local names, element text with its descendants, attributes,
// the start name, rejected text, no document type, the depth bound, and no external entities.
#include <gtest/gtest.h>

#include "tests/update/XMLTestSupport.h"

#include <cstdio>
#include <string>

TEST(XMLDomTest, ElementsGetLocalNamesAndTheTextOfAllTheirDescendants)
{
    ComScope com;
    CXML root;
    ASSERT_TRUE(root.LoadFromText(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n"
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

// A document type can define entities that the DOM expands, a small file to gigabytes; so a document
// carrying one is refused wherever it stands among the prolog's comments and instructions. Comments
// and character data that merely speak of one are read.
TEST(XMLDomTest, ADocumentWithADocumentTypeIsRefused)
{
    ComScope com;
    CXML node;
    node.SetName(L"kept");
    const wchar_t* refused[] = {
        L"<!DOCTYPE r [<!ENTITY e \"v\">]><r>&e;</r>",
        L"\xFEFF<?xml version=\"1.0\"?>\n<!-- c -->\n<?pi x?>\n<!DOCTYPE r>\n<r>1</r>"};
    for (const wchar_t* text : refused)
    {
        EXPECT_FALSE(node.LoadFromText(text, nullptr)) << text;
        EXPECT_EQ(L"kept", DumpTree(node)) << text;
    }
    ASSERT_TRUE(node.LoadFromText(L"<!-- <!DOCTYPE r> --><?pi <!DOCTYPE r>?><r><![CDATA[<!DOCTYPE r>]]></r>",
                                  nullptr));
    EXPECT_EQ(L"r{<!DOCTYPE r>}", DumpTree(node));
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

// The update file comes from the network: an external entity or document type naming a local file
// must not bring that file's content into the tree (the DOM does not resolve them).
TEST(XMLDomTest, ExternalEntitiesAndDocumentTypesDoNotReadLocalFiles)
{
    ComScope com;
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    std::wstring secret =
        std::wstring(dir) + L"ks_xml_secret_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    std::wstring dtd = secret + L".dtd";
    FILE* f = _wfopen(secret.c_str(), L"wb");
    ASSERT_NE(nullptr, f);
    fputs("SECRET", f);
    fclose(f);
    f = _wfopen(dtd.c_str(), L"wb");
    ASSERT_NE(nullptr, f);
    fputs("<!ENTITY y \"SECRET\">", f);
    fclose(f);
    auto url = [](std::wstring path)
    {
        for (wchar_t& ch : path)
            if (ch == L'\\')
                ch = L'/';
        return L"file:///" + path;
    };

    const std::wstring texts[] = {
        L"<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"" + url(secret) +
            L"\">]><r><Program_Version>1.7&x;</Program_Version></r>",
        L"<?xml version=\"1.0\"?><!DOCTYPE r SYSTEM \"" + url(dtd) +
            L"\"><r><Program_Version>1.7&y;</Program_Version></r>",
    };
    for (const std::wstring& text : texts)
    {
        CXML root;
        root.LoadFromText(text.c_str(), nullptr);
        EXPECT_EQ(std::wstring::npos, DumpTree(root).find(L"SECRET")) << text;
    }
    DeleteFileW(secret.c_str());
    DeleteFileW(dtd.c_str());
}

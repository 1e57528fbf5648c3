// CXML::Load over real files: every encoding, the DOM and the fallback parser agreeing on the fields
// the update check reads, the fallback when the DOM rejects a file, and text across the 16384-byte window.
#include <gtest/gtest.h>

#include "engine/TextFile.h"
#include "tests/update/XMLTestSupport.h"

#include <cstdio>
#include <string>

namespace
{
const wchar_t* const kFields[] = {L"Program_Version",     L"Program_Release_Year", L"Program_Release_Month",
                                  L"Program_Release_Day", L"Primary_Download_URL", L"File_Size_MB",
                                  L"Program_Change_Info"};

// A file in the temporary folder, removed again when the test is done with it.
class TempXmlFile
{
public:
    TempXmlFile(const std::wstring& text, UINT encoding)
    {
        static int counter = 0;
        wchar_t dir[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, dir);
        m_path = std::wstring(dir) + L"ks_xml_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                 std::to_wstring(++counter) + L".xml";
        std::string bytes;
        if (encoding == 1 || encoding == 2)
        {
            UINT cp = encoding == 2 ? CP_UTF8 : CP_ACP;
            if (encoding == 2)
                bytes = "\xEF\xBB\xBF";
            int n = WideCharToMultiByte(cp, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                        nullptr, nullptr);
            std::string narrow(static_cast<size_t>(n), '\0');
            WideCharToMultiByte(cp, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr,
                                nullptr);
            bytes += narrow;
        }
        else
        {
            bytes = encoding == 4 ? "\xFE\xFF" : "\xFF\xFE";
            for (wchar_t ch : text)
            {
                char lo = static_cast<char>(ch & 0xFF), hi = static_cast<char>(ch >> 8);
                bytes += encoding == 4 ? std::string{hi, lo} : std::string{lo, hi};
            }
        }
        FILE* f = _wfopen(m_path.c_str(), L"wb");
        if (f != nullptr)
        {
            fwrite(bytes.data(), 1, bytes.size(), f);
            fclose(f);
        }
    }
    ~TempXmlFile() { DeleteFileW(m_path.c_str()); }
    const wchar_t* Path() const { return m_path.c_str(); }

private:
    std::wstring m_path;
};

// Loads a file the way the update check does: a new node, Load without a start name.
BOOL LoadFile(CXML& node, const std::wstring& text, UINT encoding)
{
    TempXmlFile file(text, encoding);
    CTextFile tf;
    if (!tf.Open(file.Path(), 2))
        return FALSE;
    return node.Load(&tf, nullptr);
}

// The same file, through the fallback parser alone.
BOOL ParseFile(CXML& node, const std::wstring& text, UINT encoding)
{
    TempXmlFile file(text, encoding);
    CTextFile tf;
    if (!tf.Open(file.Path(), 2))
        return FALSE;
    return node.ParseDocument(&tf, nullptr);
}

std::wstring Fields(CXML& node)
{
    std::wstring out;
    for (const wchar_t* field : kFields)
    {
        CString value = L"unset";
        node.GetChildValue(field, value);
        out += std::wstring(field) + L"=" + value.GetString() + L";";
    }
    return out;
}

const wchar_t kPad[] =
    L"<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
    L"<!-- PAD file -->\r\n"
    L"<!DOCTYPE XML_DIZ_INFO>\r\n"
    L"<XML_DIZ_INFO>\r\n"
    L"\t<MASTER_PAD_VERSION_INFO>\r\n"
    L"\t\t<MASTER_PAD_VERSION>3.11</MASTER_PAD_VERSION>\r\n"
    L"\t</MASTER_PAD_VERSION_INFO>\r\n"
    L"\t<Program_Info>\r\n"
    L"\t\t<Program_Version>1.7</Program_Version>\r\n"
    L"\t\t<Program_Release_Month>03</Program_Release_Month>\r\n"
    L"\t\t<Program_Release_Day>9</Program_Release_Day>\r\n"
    L"\t\t<Program_Release_Year>2027</Program_Release_Year>\r\n"
    L"\t\t<File_Info><File_Size_MB>0.52</File_Size_MB></File_Info>\r\n"
    L"\t\t<Program_Change_Info>New: \x00dc"
    L"bersicht, \x66F4\x65B0, \xD83D\xDE00; fixes</Program_Change_Info>\r\n"
    L"\t</Program_Info>\r\n"
    L"\t<Web_Info><Download_URLs>\r\n"
    L"\t\t<Primary_Download_URL kind='main' note=\"a>b\">http://example.org/ks.zip</Primary_Download_URL>\r\n"
    L"\t\t<Secondary_Download_URL/>\r\n"
    L"\t</Download_URLs></Web_Info>\r\n"
    L"</XML_DIZ_INFO>\r\n";

const wchar_t kPadFields[] = L"Program_Version=1.7;Program_Release_Year=2027;Program_Release_Month=03;"
                             L"Program_Release_Day=9;Primary_Download_URL=http://example.org/ks.zip;"
                             L"File_Size_MB=0.52;Program_Change_Info=New: \x00dc"
                             L"bersicht, \x66F4\x65B0, "
                             L"\xD83D\xDE00; fixes;";
} // namespace

TEST(XMLLoadTest, TheUpdateFileReadsTheSameInEveryEncodingThroughBothLoaders)
{
    ComScope com;
    for (UINT encoding : {2u, 3u, 4u})
    {
        CXML dom, fallback;
        EXPECT_TRUE(LoadFile(dom, kPad, encoding)) << encoding;
        EXPECT_EQ(kPadFields, Fields(dom)) << encoding;
        EXPECT_TRUE(ParseFile(fallback, kPad, encoding)) << encoding;
        EXPECT_EQ(kPadFields, Fields(fallback)) << encoding;
        EXPECT_STREQ(L"XML_DIZ_INFO", fallback.GetName());
    }
    // ANSI: the same without the characters the code page may not have.
    auto plain = [](std::wstring text)
    {
        size_t from = text.find(L"\x00dc");
        return text.replace(from, text.find(L"; fixes") - from, L"Overview");
    };
    std::wstring ansi = plain(kPad);
    std::wstring fields = plain(kPadFields);
    CXML dom, fallback;
    EXPECT_TRUE(LoadFile(dom, ansi, 1));
    EXPECT_EQ(fields, Fields(dom));
    EXPECT_TRUE(ParseFile(fallback, ansi, 1));
    EXPECT_EQ(fields, Fields(fallback));
}

TEST(XMLLoadTest, AFileTheDomRejectsIsReadByTheFallbackParser)
{
    ComScope com;
    // An undeclared entity and an unclosed root: the DOM says no, the parser reads what is there.
    std::wstring text = kPad;
    text.replace(text.find(L"</XML_DIZ_INFO>"), 15, L"&nbsp;");
    CXML node;
    EXPECT_TRUE(LoadFile(node, text, 3));
    EXPECT_EQ(kPadFields, Fields(node));

    // A document type: the DOM refuses it, and the fallback parser expands no entity.
    CXML typed;
    EXPECT_TRUE(LoadFile(
        typed,
        L"<!DOCTYPE r [<!ENTITY e \"expanded\">]><r><Program_Version>1.7</Program_Version><a>&e;</a></r>",
        3));
    EXPECT_EQ(L"r(Program_Version{1.7} a{&e;})", DumpTree(typed));

    // Neither loader finds a root: 0, and every field reads as empty.
    const wchar_t* hopeless[] = {L"", L"<?xml version=\"1.0\"?>", L"\x0001\x0002 binary junk", L"<!-- -->"};
    for (const wchar_t* junk : hopeless)
    {
        CXML empty;
        EXPECT_FALSE(LoadFile(empty, junk, 3)) << junk;
        CString value = L"unset";
        EXPECT_FALSE(empty.GetChildValue(L"Program_Version", value));
        EXPECT_TRUE(value.IsEmpty());
    }
    CXML none;
    EXPECT_FALSE(none.Load(nullptr, nullptr));
}

TEST(XMLLoadTest, TheRootTextIsDecodedOnceMoreThanAChildsText)
{
    ComScope com;
    // DOM: the parser decodes once, the import once more, Load once more for the root.
    CXML dom;
    EXPECT_TRUE(LoadFile(dom, L"<r>&amp;amp;amp;amp;<c>&amp;amp;amp;amp;</c></r>", 3));
    EXPECT_STREQ(L"&amp;&amp;", dom.GetText()); // the DOM's root text holds the child's text too
    EXPECT_STREQ(L"&amp;amp;", dom.GetFirstChild()->GetText());
    // Fallback (the DOM rejects the bare '&'): the root decoded twice, a child's text as written.
    CXML fallback;
    EXPECT_TRUE(LoadFile(fallback, L"<r>& &amp;amp;amp;<c>&amp;amp;amp;</c></r>", 3));
    EXPECT_STREQ(L"& &amp;", fallback.GetText());
    EXPECT_STREQ(L"&amp;amp;amp;", fallback.GetFirstChild()->GetText());
}

TEST(XMLLoadTest, TextAndTagsAcrossTheWindowBoundaryAreReadWhole)
{
    // Fillers of one, two, three and four UTF-8 bytes per character, shifted across the 16384-byte
    // boundary so that characters, text runs and tags straddle it in every way.
    const wchar_t* fillers[] = {L"a", L"\x00e9", L"\x66F4", L"\xD83D\xDE00"};
    for (UINT encoding : {2u, 3u})
    {
        for (const wchar_t* filler : fillers)
        {
            std::wstring unit(filler);
            int bytesPerChar = encoding == 3      ? 2 * static_cast<int>(unit.size())
                               : unit.size() == 2 ? 4
                               : unit[0] < 0x80   ? 1
                               : unit[0] < 0x800  ? 2
                                                  : 3;
            int count = 16384 / bytesPerChar;
            for (int shift = -6; shift <= 2; ++shift)
            {
                std::wstring body;
                for (int i = 0; i < count + shift; ++i)
                    body += unit;
                std::wstring text = L"<r><a>" + body + L"<b k='v'>x</b>" + body + L"</a><c>y</c></r>";
                CXML node;
                ASSERT_TRUE(ParseFile(node, text, encoding));
                CXML* a = node.GetFirstChild();
                ASSERT_NE(nullptr, a);
                EXPECT_TRUE(a->GetText() == body + body) << encoding << " " << shift;
                EXPECT_EQ(L"b[k=v]{x}", DumpTree(*a->GetFirstChild())) << encoding << " " << shift;
                CString value;
                EXPECT_TRUE(node.GetChildValue(L"c", value));
                EXPECT_EQ(CString(L"y"), value);
            }
        }
    }
}

TEST(XMLLoadTest, AQuoteThatOpensAWindowIsOrdinaryText)
{
    // 8192 UTF-16 units of text fill one window exactly; the quote behind them starts the next window
    // and so does not open a quoted span, while the next quote of that window does.
    std::wstring body(8192, L'a'); // the window after "<r>"
    CXML node;
    ASSERT_TRUE(ParseFallback(node, (L"<r>" + body + L"\"x\"</r><s/>").c_str()));
    EXPECT_TRUE(node.GetText() == body + L"\"x\"</r><s/>");
    // One character earlier the quote lies inside the window and the span closes normally.
    CXML shorter;
    ASSERT_TRUE(ParseFallback(shorter, (L"<r>" + body.substr(1) + L"\"x\"</r><s/>").c_str()));
    EXPECT_TRUE(shorter.GetText() == body.substr(1) + L"\"x\"");
}

// The version comparison and the release text built from an update-description file.
#include "update/PadFile.h"
#include "update/Version.h"
#include "update/XML.h"

#include <gtest/gtest.h>

TEST(CompareVersionsTest, OnlyAVersionWhoseFirstDifferingNumberIsGreaterIsNewer)
{
    EXPECT_EQ(0, CompareVersions(L"1.6", L"1.6"));
    EXPECT_EQ(1, CompareVersions(L"1.7", L"1.6"));
    EXPECT_EQ(1, CompareVersions(L"1.10", L"1.6")); // numbers, not texts
    EXPECT_EQ(1, CompareVersions(L"2", L"1.6"));
    EXPECT_EQ(0, CompareVersions(L"1.6.1", L"1.6")); // one side ran out: not newer
    EXPECT_EQ(-1, CompareVersions(L"1.5.9", L"1.6"));
    EXPECT_EQ(-1, CompareVersions(L"0.9", L"1.6"));
    EXPECT_EQ(0, CompareVersions(L"", L"1.6"));
    EXPECT_EQ(1, CompareVersions(L" 1 . 7 ", L"1.6")); // components are trimmed
    EXPECT_EQ(0, CompareVersions(L"1..7", L"1.6"));    // an empty component ends the comparison
    EXPECT_EQ(1, CompareVersions(L"1.7beta", L"1.6")); // digits up to the first other character
    EXPECT_EQ(-1, CompareVersions(L"1.x", L"1.6"));    // no digits reads as 0
}

namespace
{
CString UpdateTextFor(const wchar_t* pszChildren, CString* pURL = nullptr)
{
    CString strXml = L"<XML_DIZ_INFO>";
    strXml += pszChildren;
    strXml += L"</XML_DIZ_INFO>";
    CXML xml;
    EXPECT_TRUE(xml.LoadFromText(strXml, nullptr) || xml.GetFirstChild() != nullptr);
    CString strText = L"earlier text";
    CString strURL = L"earlier address";
    BuildUpdateText(xml, strText, strURL);
    if (pURL != nullptr)
        *pURL = strURL;
    return strText;
}
} // namespace

class ReleaseTextTest : public testing::Test
{
protected:
    void SetUp() override { m_hrCom = CoInitialize(nullptr); }
    void TearDown() override
    {
        if (SUCCEEDED(m_hrCom))
            CoUninitialize();
    }
    HRESULT m_hrCom = E_FAIL;
};

TEST_F(ReleaseTextTest, AFullFileGivesEveryLineInOrder)
{
    CString strURL;
    CString strText = UpdateTextFor(L"<Program_Info><Program_Version>1.7</Program_Version>"
                                    L"<Program_Release_Month>3</Program_Release_Month>"
                                    L"<Program_Release_Day>09</Program_Release_Day>"
                                    L"<Program_Release_Year>2027</Program_Release_Year>"
                                    L"<File_Info><File_Size_MB>1.2</File_Size_MB></File_Info>"
                                    L"<Program_Change_Info>Fixed the tray menu.;  Added a sound option ;;"
                                    L"</Program_Change_Info></Program_Info>"
                                    L"<Web_Info><Download_URLs><Primary_Download_URL>http://x.example/k.zip"
                                    L"</Primary_Download_URL></Download_URLs></Web_Info>",
                                    &strURL);
    EXPECT_STREQ(L"Keystrider 1.7\n"
                 L"Released Date: 2027-3-09\n"
                 L"URL : http://x.example/k.zip\n"
                 L"Size: 1.2 MB\n"
                 L"Released Note:\n"
                 L"Fixed the tray menu;\n"
                 L"Added a sound option...",
                 strText.GetString());
    EXPECT_STREQ(L"http://x.example/k.zip", strURL.GetString());
}

TEST_F(ReleaseTextTest, NotesLoseOneFinalDotAndEmptyNotesLeaveNoEllipsis)
{
    EXPECT_STREQ(L"Keystrider 1.7\nReleased Date: --\nURL : \nSize:  MB\nReleased Note:\n",
                 UpdateTextFor(L"<Program_Version>1.7</Program_Version>").GetString());
    EXPECT_STREQ(L"Keystrider 1.7\nReleased Date: --\nURL : \nSize:  MB\nReleased Note:\n",
                 UpdateTextFor(L"<Program_Version>1.7</Program_Version>"
                               L"<Program_Change_Info> ; ;</Program_Change_Info>")
                     .GetString());
    CString strText =
        UpdateTextFor(L"<Program_Change_Info>Faster start..;Less memory.</Program_Change_Info>");
    EXPECT_STREQ(L"Released Note:\nFaster start.;\nLess memory...",
                 strText.Mid(strText.Find(L"Released Note:")).GetString());
    strText = UpdateTextFor(L"<Program_Change_Info>.</Program_Change_Info>");
    EXPECT_STREQ(L"Released Note:\n...", strText.Mid(strText.Find(L"Released Note:")).GetString());
}

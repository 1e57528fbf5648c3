// Reading the update-description file: once per modification time, newer versions only, failures
// that change nothing.
#include "tests/support/TempFolder.h"
#include "tests/updatecheck/FileTime.h"
#include "update/PadFile.h"

#include <gtest/gtest.h>

namespace
{
std::string PadFile(const char* pszVersion)
{
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<XML_DIZ_INFO><Program_Info>"
                       "<Program_Version>") +
           pszVersion +
           "</Program_Version><Program_Release_Year>2027</Program_Release_Year>"
           "<Program_Release_Month>1</Program_Release_Month><Program_Release_Day>2</Program_Release_Day>"
           "<Program_Change_Info>One.</Program_Change_Info></Program_Info><Web_Info><Download_URLs>"
           "<Primary_Download_URL>http://dl.example/" +
           pszVersion + ".zip</Primary_Download_URL></Download_URLs></Web_Info></XML_DIZ_INFO>\r\n";
}

class PadFileTest : public testing::Test
{
protected:
    void SetUp() override { m_hrCom = CoInitialize(nullptr); }
    void TearDown() override
    {
        if (SUCCEEDED(m_hrCom))
            CoUninitialize();
    }

    int Read() { return ReadPadFile(m_strPath, m_tmPadFile, m_bNewVersion, m_strText, m_strURL); }
    void Put(const std::string& bytes, __time64_t nTime)
    {
        WriteBytes(m_strPath, bytes);
        SetModificationTime(m_strPath, nTime);
    }

    TempFolder m_dir;
    CString m_strPath = m_dir.File(L"pad_keystrider.xml");
    CTime m_tmPadFile;
    BOOL m_bNewVersion = FALSE;
    CString m_strText;
    CString m_strURL;
    HRESULT m_hrCom = E_FAIL;
};
} // namespace

TEST_F(PadFileTest, ANewerVersionIsReadOncePerModificationTime)
{
    Put(PadFile("1.7"), 1800000000);
    EXPECT_EQ(1, Read());
    EXPECT_TRUE(m_bNewVersion);
    EXPECT_EQ(CTime(1800000000), m_tmPadFile);
    EXPECT_STREQ(L"http://dl.example/1.7.zip", m_strURL.GetString());
    EXPECT_EQ(0, m_strText.Find(L"Keystrider 1.7\nReleased Date: 2027-1-2\n"));

    // The same version of the file again: handled already, nothing changes.
    EXPECT_EQ(0, Read());
    EXPECT_TRUE(m_bNewVersion);

    // Other content under the same modification time (a copy keeps the time) is not read.
    Put(PadFile("1.8"), 1800000000);
    EXPECT_EQ(0, Read());
    EXPECT_STREQ(L"http://dl.example/1.7.zip", m_strURL.GetString());

    // A new modification time is read.
    SetModificationTime(m_strPath, 1800000100);
    EXPECT_EQ(1, Read());
    EXPECT_STREQ(L"http://dl.example/1.8.zip", m_strURL.GetString());
}

TEST_F(PadFileTest, AVersionThatIsNotNewerIsRememberedAndKeepsTheEarlierTexts)
{
    Put(PadFile("1.7"), 1800000000);
    ASSERT_EQ(1, Read());
    CString strEarlier = m_strText;
    for (const char* pszVersion : {"1.6", "1.6.1", "1.5.9", ""})
    {
        static __time64_t s_nTime = 1800000000;
        Put(PadFile(pszVersion), ++s_nTime);
        EXPECT_EQ(0, Read()) << pszVersion;
        EXPECT_FALSE(m_bNewVersion) << pszVersion;
        EXPECT_EQ(CTime(s_nTime), m_tmPadFile) << pszVersion;
        EXPECT_STREQ(strEarlier, m_strText) << pszVersion;
        EXPECT_STREQ(L"http://dl.example/1.7.zip", m_strURL.GetString()) << pszVersion;
    }
}

TEST_F(PadFileTest, NoFileNoPathOrNoXmlShowsNothing)
{
    EXPECT_EQ(0, Read()); // no such file
    EXPECT_EQ(CTime(0), m_tmPadFile);
    EXPECT_EQ(0, ReadPadFile(L"", m_tmPadFile, m_bNewVersion, m_strText, m_strURL)); // no data folder
    EXPECT_EQ(0, ReadPadFile(nullptr, m_tmPadFile, m_bNewVersion, m_strText, m_strURL));

    Put("this is no update file", 1800000000);
    EXPECT_EQ(0, Read());
    EXPECT_FALSE(m_bNewVersion);
    EXPECT_TRUE(m_strText.IsEmpty());
    EXPECT_TRUE(m_strURL.IsEmpty());
}

TEST_F(PadFileTest, AnUpdateFileInUtf16IsReadAsWell)
{
    std::string text = PadFile("2.0");
    std::string bytes = "\xFF\xFE";
    for (char ch : text)
    {
        bytes += ch;
        bytes += '\0';
    }
    Put(bytes, 1800000000);
    EXPECT_EQ(1, Read());
    EXPECT_STREQ(L"http://dl.example/2.0.zip", m_strURL.GetString());
}

// A large description (many languages) is still read; a file beyond the size bound is not read at all,
// however new its version, and is remembered like any other file read.
TEST_F(PadFileTest, AFileBeyondTheSizeBoundIsNotReadALargeOneWithinItIs)
{
    auto padded = [](size_t nBytes)
    {
        std::string text = PadFile("1.7");
        std::string description =
            "<Program_Descriptions>" + std::string(nBytes, 'd') + "</Program_Descriptions>";
        text.insert(text.find("</XML_DIZ_INFO>"), description);
        return text;
    };
    Put(padded(200 * 1024), 1800000000);
    EXPECT_EQ(1, Read());
    EXPECT_TRUE(m_bNewVersion);

    m_strURL.Empty();
    Put(padded(static_cast<size_t>(kMaxPadFileBytes)), 1800000100);
    EXPECT_EQ(0, Read());
    EXPECT_FALSE(m_bNewVersion);
    EXPECT_EQ(CTime(1800000100), m_tmPadFile);
    EXPECT_TRUE(m_strURL.IsEmpty());
}

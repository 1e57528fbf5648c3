// CTextFile: encodings, byte-order marks, positions and open failures on real files.
#include "engine/TextFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
// "é€" plus a CJK character and a character beyond the BMP (a surrogate pair).
const wchar_t kMixed[] = L"Caf\u00e9 \u20ac \u4e2d \U0001F600 end\r\n";
const wchar_t kLatin[] = L"Caf\u00e9 \u00e0 la cr\u00e8me\r\n";

std::wstring ReadWhole(const wchar_t* path, UINT mode = TEXT_MODE_READ, UINT* pEncoding = nullptr)
{
    CTextFile file;
    if (!file.Open(path, mode))
        return L"<open failed>";
    wchar_t* text = nullptr;
    file.ReadAll(&text, static_cast<UINT>(file.GetSize()));
    if (pEncoding != nullptr)
        *pEncoding = file.GetTextEncoding();
    return text != nullptr ? std::wstring(text) : L"<null>";
}

void WriteWith(const wchar_t* path, UINT fileEncoding, const wchar_t* text)
{
    CTextFile file;
    ASSERT_TRUE(file.Open(path, TEXT_MODE_WRITE));
    ASSERT_TRUE(file.WriteBOM(fileEncoding));
    file.SetEncoding(TEXT_ENCODING_UTF16LE);
    ASSERT_TRUE(file.WriteString(text));
    EXPECT_TRUE(file.Close());
}

std::string Utf8Of(const wchar_t* text)
{
    int n = WideToUtf8(text, static_cast<int>(wcslen(text)), nullptr, 0);
    std::string out(static_cast<size_t>(n), '\0');
    WideToUtf8(text, static_cast<int>(wcslen(text)), &out[0], n);
    return out;
}
} // namespace

TEST(TextFile, WritesEachEncodingWithItsMarkAndReadsItBack)
{
    TempFolder dir;
    CString path = dir.File(L"t.txt");

    WriteWith(path, TEXT_ENCODING_UTF16LE, kMixed);
    std::string le = ReadBytes(path);
    ASSERT_EQ(le.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(le.size(), 2 + 2 * wcslen(kMixed));
    EXPECT_EQ(0, memcmp(le.data() + 2, kMixed, 2 * wcslen(kMixed)));
    UINT enc = 0;
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), kMixed);
    EXPECT_EQ(enc, TEXT_ENCODING_UTF16LE);

    // Multi-byte UTF-8 needs more bytes than units: nothing cut, nothing padded.
    WriteWith(path, TEXT_ENCODING_UTF8, kMixed);
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF" + Utf8Of(kMixed));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), kMixed);
    EXPECT_EQ(enc, TEXT_ENCODING_UTF8);

    WriteWith(path, TEXT_ENCODING_UTF16BE, kMixed);
    std::string be = ReadBytes(path);
    ASSERT_EQ(be.substr(0, 4), std::string("\xFE\xFF\x00\x43", 4));
    EXPECT_EQ(be.size(), 2 + 2 * wcslen(kMixed));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), kMixed);
    EXPECT_EQ(enc, TEXT_ENCODING_UTF16BE);

    // ANSI has no mark; the Latin text fits the Western code page one byte per character.
    WriteWith(path, TEXT_ENCODING_ANSI, kLatin);
    EXPECT_EQ(ReadBytes(path).size(), wcslen(kLatin));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), kLatin);
    EXPECT_EQ(enc, TEXT_ENCODING_ANSI);
}

TEST(TextFile, ConvertsNarrowTextIntoUtf16Exactly)
{
    TempFolder dir;
    CString path = dir.File(L"n.txt");
    std::string utf8 = Utf8Of(kMixed);
    {
        CTextFile file;
        ASSERT_TRUE(file.Open(path, TEXT_MODE_WRITE));
        file.SetEncoding(TEXT_ENCODING_UTF8);
        ASSERT_TRUE(file.WriteBOM(TEXT_ENCODING_UTF16BE));
        ASSERT_TRUE(file.WriteText(utf8.data(), utf8.size()));
    }
    // Exactly the units of the text: no trailing zeros from sizing by input bytes.
    EXPECT_EQ(ReadBytes(path).size(), 2 + 2 * wcslen(kMixed));
    EXPECT_EQ(ReadWhole(path), kMixed);

    {
        CTextFile file;
        ASSERT_TRUE(file.Open(path, TEXT_MODE_WRITE));
        file.SetEncoding(TEXT_ENCODING_UTF16BE);
        ASSERT_TRUE(file.WriteBOM(TEXT_ENCODING_UTF16LE));
        std::wstring swapped(kMixed);
        CTextFile::SwapBytes(&swapped[0], swapped.size());
        ASSERT_TRUE(file.WriteText(swapped.data(), 2 * swapped.size()));
    }
    EXPECT_EQ(ReadWhole(path), kMixed);
}

TEST(TextFile, ByteOrderMarksAreSkippedOnlyWhenDetected)
{
    TempFolder dir;
    CString path = dir.File(L"b.txt");

    WriteBytes(path, "\xEF\xBB\xBFhello");
    EXPECT_EQ(ReadWhole(path), L"hello");

    // EF BB is enough for UTF-8; three bytes are skipped whatever the third is.
    WriteBytes(path, "\xEF\xBBXhello");
    UINT enc = 0;
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), L"hello");
    EXPECT_EQ(enc, TEXT_ENCODING_UTF8);

    // Mode 3 looks at nothing: the mark arrives as U+FEFF.
    WriteBytes(path, std::string("\xFF\xFEh\0i\0", 6));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ_UTF16, &enc), L"\xFEFFhi");
    EXPECT_EQ(enc, TEXT_ENCODING_UTF16LE_RAW);
    EXPECT_EQ(ReadWhole(path), L"hi");

    // UTF-16LE without a mark is found by a zero byte in the first 12 bytes...
    WriteBytes(path, std::string("h\0i\0", 4));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), L"hi");
    EXPECT_EQ(enc, TEXT_ENCODING_UTF16LE_RAW);
    // ...and a zero only after them leaves the file ANSI. A NUL character is skipped, never taken as the
    // end of the text: what lies behind it is kept.
    WriteBytes(path, std::string("abcdefghijkl\0xyz", 16));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), L"abcdefghijklxyz");
    EXPECT_EQ(enc, TEXT_ENCODING_ANSI);
    WriteBytes(path, std::string("h\0\0\0i\0", 6));
    EXPECT_EQ(ReadWhole(path), L"hi");
}

TEST(TextFile, Utf16WithoutMarkOfOddSizeGivesItsWholeCharactersOnly)
{
    TempFolder dir;
    CString path = dir.File(L"odd.txt");
    // Four characters and half of a fifth: the half is no character, and nothing behind the file's
    // bytes may become text.
    WriteBytes(path, std::string("c\0a\0l\0c\0X", 9));
    CTextFile file;
    ASSERT_TRUE(file.Open(path, TEXT_MODE_READ));
    ASSERT_EQ(file.GetTextEncoding(), TEXT_ENCODING_UTF16LE_RAW);
    wchar_t* text = nullptr;
    file.ReadAll(&text, static_cast<UINT>(file.GetSize()));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text), L"calc");
}

TEST(TextFile, Utf8WithoutMarkIsReadAsUtf8WhenItsBytesAreValidUtf8)
{
    TempFolder dir;
    CString path = dir.File(L"u.txt");
    UINT enc = 0;
    WriteBytes(path, "\xC3\x89"
                     "diteur");
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc), L"\u00C9diteur");
    EXPECT_EQ(enc, TEXT_ENCODING_UTF8);
    // The whole file decides, not its first bytes.
    WriteBytes(path, "[Short Cut]\r\nNotes = , notes.exe\r\n" + Utf8Of(kMixed));
    EXPECT_EQ(ReadWhole(path, TEXT_MODE_READ, &enc),
              L"[Short Cut]\r\nNotes = , notes.exe\r\n" + std::wstring(kMixed));
    EXPECT_EQ(enc, TEXT_ENCODING_UTF8);

    // Anything else stays ANSI: plain ASCII, a sequence cut at the end, an overlong form, a surrogate,
    // a lone continuation byte.
    const char* const ansi[] = {"plain text", "abc\xC3", "\xC0\xAF", "\xED\xA0\x80", "Caf\xE9 \xA9"};
    for (const char* bytes : ansi)
    {
        WriteBytes(path, bytes);
        ReadWhole(path, TEXT_MODE_READ, &enc);
        EXPECT_EQ(enc, TEXT_ENCODING_ANSI) << bytes;
    }
}

TEST(TextFile, EmptyFilesAndEmptyReads)
{
    TempFolder dir;
    CString path = dir.File(L"e.txt");
    WriteBytes(path, "");
    {
        CTextFile file;
        ASSERT_TRUE(file.Open(path, TEXT_MODE_READ));
        EXPECT_EQ(file.GetTextEncoding(), TEXT_ENCODING_NONE);
        EXPECT_EQ(file.GetSize(), 0u);
        wchar_t* text = nullptr;
        EXPECT_EQ(file.ReadAll(&text, 0), 0u);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text[0], L'\0');
    }
    // An ANSI file of which nothing is read: an empty text of one unit.
    WriteBytes(path, "abc");
    CTextFile file;
    ASSERT_TRUE(file.Open(path, TEXT_MODE_READ));
    EXPECT_EQ(file.Seek(0, SEEK_END), 3);
    wchar_t* text = nullptr;
    EXPECT_EQ(file.ReadAll(&text, 10), 2u);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], L'\0');
}

TEST(TextFile, PositionsAndTheTextSurvivingClose)
{
    TempFolder dir;
    CString path = dir.File(L"p.txt");
    WriteBytes(path, "\xEF\xBB\xBF"
                     "abcdef");
    CTextFile file;
    EXPECT_EQ(file.GetPosition(), 0);
    EXPECT_EQ(file.Seek(2, SEEK_SET), 0); // no stream: no seek
    ASSERT_TRUE(file.Open(path, TEXT_MODE_READ));
    EXPECT_EQ(file.GetSize(), 9u);
    EXPECT_EQ(file.GetPosition(), 3);
    wchar_t* text = nullptr;
    EXPECT_EQ(file.ReadAll(&text, 2), 6u);
    EXPECT_STREQ(text, L"ab");
    EXPECT_EQ(file.Seek(-1, SEEK_CUR), 4);
    file.ReadAll(&text, 100);
    EXPECT_STREQ(text, L"bcdef");
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0);
    file.Close();
    EXPECT_STREQ(text, L"bcdef");
    wchar_t* none = reinterpret_cast<wchar_t*>(1);
    EXPECT_EQ(file.ReadAll(&none, 5), 0u);
    EXPECT_EQ(none, nullptr);
}

TEST(TextFile, OpenFailuresAndTheirMessage)
{
    TempFolder dir;
    MessageBoxRecorder boxes;
    CTextFile file;
    EXPECT_FALSE(file.Open(L"", TEXT_MODE_READ));
    EXPECT_FALSE(file.Open(nullptr, TEXT_MODE_WRITE));
    EXPECT_FALSE(file.Open(dir.File(L"missing.txt"), TEXT_MODE_READ));
    EXPECT_EQ(MessageBoxRecorder::Texts(), L"");

    // A folder passes the existence test and then fails to open, with the message.
    EXPECT_FALSE(file.Open(dir.Path(), TEXT_MODE_READ));
    EXPECT_EQ(MessageBoxRecorder::Texts(), L"The file \"" + dir.Path().str() + L"\" cannot be opened.\n");
    wchar_t* text = nullptr;
    EXPECT_EQ(file.ReadAll(&text, 4), 0u);

    MessageBoxRecorder::Texts().clear();
    EXPECT_FALSE(file.Open(dir.File(L"no\\such\\folder.txt"), TEXT_MODE_WRITE));
    EXPECT_NE(MessageBoxRecorder::Texts().find(L"cannot be opened"), std::wstring::npos);
}

TEST(TextFile, WritingNeedsAWriteModeAndText)
{
    TempFolder dir;
    CString path = dir.File(L"w.txt");
    WriteBytes(path, "x");
    CTextFile file;
    ASSERT_TRUE(file.Open(path, TEXT_MODE_READ));
    EXPECT_FALSE(file.WriteBOM(TEXT_ENCODING_UTF16LE));
    EXPECT_FALSE(file.WriteString(L"y"));
    file.SetEncoding(TEXT_ENCODING_UTF8); // ignored outside write mode
    EXPECT_EQ(file.GetTextEncoding(), TEXT_ENCODING_ANSI);

    ASSERT_TRUE(file.Open(path, TEXT_MODE_APPEND));
    EXPECT_FALSE(file.WriteBOM(TEXT_ENCODING_UTF16LE));
    EXPECT_FALSE(file.WriteText(nullptr, 4));
    EXPECT_FALSE(file.WriteText("ab", 0));
    EXPECT_TRUE(file.WriteText("ab", 2)); // unknown pair: the bytes unchanged
    file.Close();
    EXPECT_EQ(ReadBytes(path), "xab");
}

TEST(TextFile, DetectionAndPathKinds)
{
    const BYTE utf8[] = {0xEF, 0xBB};
    const BYTE le[] = {0xFF, 0xFE, 0x41};
    const BYTE be[] = {0xFE, 0xFF};
    const BYTE one[] = {0xFF};
    const BYTE zero[] = {'a', 0};
    EXPECT_EQ(DetectTextEncoding(utf8, 0), TEXT_ENCODING_NONE);
    EXPECT_EQ(DetectTextEncoding(utf8, 2), TEXT_ENCODING_UTF8);
    EXPECT_EQ(DetectTextEncoding(le, 3), TEXT_ENCODING_UTF16LE);
    EXPECT_EQ(DetectTextEncoding(be, 2), TEXT_ENCODING_UTF16BE);
    EXPECT_EQ(DetectTextEncoding(one, 1), TEXT_ENCODING_ANSI);
    EXPECT_EQ(DetectTextEncoding(zero, 2), TEXT_ENCODING_UTF16LE_RAW);
    EXPECT_EQ(CTextFile::GetBOMLength(TEXT_ENCODING_UTF8), 3u);
    EXPECT_EQ(CTextFile::GetBOMLength(TEXT_ENCODING_UTF16BE), 2u);
    EXPECT_EQ(CTextFile::GetBOMLength(TEXT_ENCODING_UTF16LE_RAW), 0u);

    TempFolder dir;
    WriteBytes(dir.File(L"f"), "1");
    EXPECT_EQ(GetPathKind(nullptr), 0);
    EXPECT_EQ(GetPathKind(L""), 0);
    EXPECT_EQ(GetPathKind(dir.File(L"nothing")), 0);
    EXPECT_EQ(GetPathKind(dir.Path()), 1);
    EXPECT_EQ(GetPathKind(dir.File(L"f")), 2);
    EXPECT_EQ(CTextFile::GetFileSize(dir.File(L"nothing")), 0u);
}

TEST(TextFile, ConversionsAreSizedForAnyText)
{
    // Surrogate pair -> four UTF-8 bytes -> two units again.
    std::string utf8 = Utf8Of(L"\U0001F600\u20ac");
    EXPECT_EQ(utf8.size(), 7u);
    wchar_t wide[8] = {};
    EXPECT_EQ(Utf8ToWide(utf8.data(), 7, wide, 8), 3);
    EXPECT_STREQ(wide, L"\U0001F600\u20ac");
    EXPECT_EQ(Utf8ToWide(utf8.data(), 7, nullptr, 0), 3);
    char narrow[4] = {};
    EXPECT_EQ(WideToUtf8(L"\u20ac", 1, narrow, 2), 0); // too small: nothing, never a cut character
    EXPECT_EQ(WideToAnsi(L"abc", 3, narrow, 4), 3);
    EXPECT_EQ(AnsiToWide("abc", 3, wide, 8), 3);
}

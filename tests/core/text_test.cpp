#include "core/text.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim("  C:\\Program Files\\ \t\r\n"), "C:\\Program Files\\");
    EXPECT_EQ(Trim(std::string("\x01\x1f" "a b" "\x00", 6)), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("播放器 "), "播放器");  // bytes above 0x7F are kept
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x "), "  x");
}

TEST(Paths, TrailingBackslash) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\a\\"), "C:\\a");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\a"), "C:\\a");
}

TEST(Paths, FolderPartEndsAtTheLastBackslashOrColon) {
    EXPECT_EQ(ExtractFilePath("C:\\Program Files\\ZarIrovid\\ZarIrovid.exe"), "C:\\Program Files\\ZarIrovid\\");
    EXPECT_EQ(ExtractFilePath("C:file.txt"), "C:");
    EXPECT_EQ(ExtractFilePath("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(ExtractFilePath("file.txt"), "");
    EXPECT_EQ(ExtractFileName("C:\\a\\b.exe"), "b.exe");
    EXPECT_EQ(ExtractFileName("b.exe"), "b.exe");
    EXPECT_EQ(ExtractFileDrive("D:\\x"), "D:");
    EXPECT_EQ(ExtractFileDrive("\\\\server\\x"), "");
}

TEST(Text, AsciiCaseRules) {
    EXPECT_TRUE(SameTextAscii("ZarIrovid.EXE", "zarirovid.exe"));
    EXPECT_FALSE(SameTextAscii("ZarIrovid.exe", "ZarIrovid.ex"));
    EXPECT_EQ(AsciiUpper("dbfile-é"), "DBFILE-é");
    EXPECT_EQ(AsciiLower("IPIC1"), "ipic1");
}

TEST(Text, Utf8AndUtf16RoundTrip) {
    const std::string s = "Vadode播放器安装程序 😀";
    std::u16string w = Utf8ToUtf16(s);
    EXPECT_EQ(w[6], u'播');
    EXPECT_EQ(Utf16ToUtf8(w), s);
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");            // truncated sequence
    EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace vd

#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8Test, DecodedStrictly) {
    std::u32string characters;
    ASSERT_TRUE(DecodeUtf8("A\xC3\xA9\xE3\x81\x93\xF0\x9F\x98\x80", &characters));
    EXPECT_EQ((std::u32string{U'A', 0xE9, 0x3053, 0x1F600}), characters);
    EXPECT_FALSE(DecodeUtf8("\xC0\xAF", &characters)) << "overlong";
    EXPECT_FALSE(DecodeUtf8("\xED\xA0\x80", &characters)) << "surrogate";
    EXPECT_FALSE(DecodeUtf8("\xE3\x81", &characters)) << "cut off";
    EXPECT_FALSE(DecodeUtf8("\xF4\x90\x80\x80", &characters)) << "beyond U+10FFFF";
    EXPECT_EQ("U+3053 '\xE3\x81\x93'", DescribeCharacter(0x3053));
    EXPECT_EQ("U+000A", DescribeCharacter(0x0A));
}

// The editor's and the Windows command line's wide texts, surrogate pairs and
// all; a lone half of a pair cannot be UTF-8 and is replaced.
TEST(Utf8Test, WideTextsAsUtf8) {
    EXPECT_EQ("A\xC3\xA9\xE3\x81\x93\xF0\x9F\x98\x80", Utf8FromUtf16(u"A\u00E9\u3053\U0001F600"));
    EXPECT_EQ("\xEF\xBF\xBDx\xEF\xBF\xBD", Utf8FromUtf16(std::u16string{0xD83D, u'x', 0xDE00}));
    EXPECT_EQ("\xEF\xBF\xBD", Utf8FromUtf16(std::u16string{0xD83D}));
    EXPECT_EQ("", Utf8FromWide(L""));
    EXPECT_EQ("\xE3\x81\x93\xF0\x9F\x98\x80", Utf8FromWide(L"\u3053\U0001F600"));
}

}  // namespace

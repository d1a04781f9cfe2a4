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

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/GlyphRows.h"
#include "text/FontChoice.h"
#include "text/HexFont.h"

namespace {

const char UnifontJapanese[] = "/usr/share/unifont/unifont_jp.hex";

std::unique_ptr<HexFont> FontOf(const std::string& text, std::string* problem) {
    return HexFont::FromBytes(std::vector<char>(text.begin(), text.end()), problem);
}

TEST(HexFontTest, UnifontDrawsALatinLetterAndAKanji) {
    std::string problem;
    std::unique_ptr<HexFont> font = HexFont::Open(UnifontJapanese, &problem);
    ASSERT_TRUE(font) << problem << " (the Debian package unifont)";
    EXPECT_EQ(16u, font->Height());
    Glyph glyph;
    ASSERT_TRUE(font->Draw(U'A', &glyph));
    EXPECT_EQ((std::vector<std::string>{
                  "........", "........", "........", "........", "...##...", "..#..#..", "..#..#..", ".#....#.",
                  ".#....#.", ".######.", ".#....#.", ".#....#.", ".#....#.", ".#....#.", "........", "........"}),
              GlyphRows(glyph, 16));
    ASSERT_TRUE(font->Draw(U'字', &glyph));
    EXPECT_EQ((std::vector<std::string>{
                  "........#.......",
                  "........#.......",
                  "..#############.",
                  "..#...........#.",
                  "..#...........#.",
                  "....#########...",
                  "...........#....",
                  ".........##.....",
                  "........#.......",
                  "..#############.",
                  "........#.......",
                  "........#.......",
                  "........#.......",
                  "........#.......",
                  "......###.......",
                  "................",
              }),
              GlyphRows(glyph, 16));
    EXPECT_FALSE(font->Draw(0x10FFFD, &glyph)) << "a private-use character Unifont's plane 0 file lacks";
}

TEST(HexFontTest, LinesInAnyOrderWithCrLfAndTheFirstOfTwiceDefinedWins) {
    std::string problem;
    std::unique_ptr<HexFont> font = FontOf(
        "0042:FF000000000000000000000000000000\r\n"
        "41:80000000000000000000000000000001\n"
        "\n"
        "0042:00000000000000000000000000000000\n",
        &problem);
    ASSERT_TRUE(font) << problem;
    Glyph glyph;
    ASSERT_TRUE(font->Draw(U'A', &glyph));
    EXPECT_EQ(8u, glyph.width);
    EXPECT_TRUE(glyph.Lit(0, 0));
    EXPECT_FALSE(glyph.Lit(1, 0));
    EXPECT_TRUE(glyph.Lit(7, 15));
    ASSERT_TRUE(font->Draw(U'B', &glyph));
    EXPECT_EQ("########", GlyphRows(glyph, 1)[0]);
    EXPECT_FALSE(font->Draw(U'C', &glyph));
}

TEST(HexFontTest, DamagedFilesAreRefusedNamingTheLine) {
    const char* const damaged[] = {
        "0041:0000\n",                                       // too few digits
        "0041:80000000000000000000000000000001\nzz:00\n",    // not a code point
        "0041 80000000000000000000000000000001\n",           // no colon
        "110000:80000000000000000000000000000001\n",         // beyond Unicode
        "0041:8000000000000000000000000000000G\n",           // not a hex digit
        "",
    };
    for (const char* text : damaged) {
        std::string problem;
        EXPECT_FALSE(FontOf(text, &problem)) << text;
        EXPECT_NE(std::string::npos, problem.find("not a .hex font")) << problem;
    }
    std::string problem;
    EXPECT_FALSE(FontOf("0041:80000000000000000000000000000001\nbad\n", &problem));
    EXPECT_EQ("not a .hex font: line 2 is not CODEPOINT:HEXBITS with 32 or 64 hex digits", problem);
}

TEST(HexFontTest, HexFontsTakeNoOtherSizeAndAMissingFileIsNamed) {
    std::string problem;
    FontRequest request;
    request.name = UnifontJapanese;
    request.pixels = 12;
    EXPECT_FALSE(OpenFont(request, &problem));
    EXPECT_EQ("a .hex font is 16 pixels high; --pixels 12 is for other fonts", problem);
    request.name = "no-such-font.HEX";
    request.pixels = 0;
    EXPECT_FALSE(OpenFont(request, &problem));
    EXPECT_EQ("cannot open the font 'no-such-font.HEX'", problem);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FontChoice.h"
#include "GlyphRows.h"

namespace {

// The default face, "MS Gothic": IPA Gothic in the tests' Wine prefix
// (scripts/wine-prefix.sh), with a cell of the frame's 16 rows.
TEST(GdiFontTest, TheDefaultFaceDrawsAKanjiWithoutGreys) {
    std::string problem;
    std::unique_ptr<GlyphSource> font = OpenFont(FontRequest(), &problem);
    ASSERT_TRUE(font) << problem;
    EXPECT_EQ(16u, font->Height());
    Glyph glyph;
    ASSERT_TRUE(font->Draw(U'日', &glyph));
    EXPECT_EQ((std::vector<std::string>{
                  "................",
                  "................",
                  "...#########....",
                  "...#.......#....",
                  "...#.......#....",
                  "...#.......#....",
                  "...#.......#....",
                  "...#########....",
                  "...#.......#....",
                  "...#.......#....",
                  "...#.......#....",
                  "...#.......#....",
                  "...#########....",
                  "...#.......#....",
                  "................",
                  "................",
              }),
              GlyphRows(glyph, 16));
}

TEST(GdiFontTest, MissingCharactersAndUnknownFacesAreSaid) {
    std::string problem;
    std::unique_ptr<GlyphSource> font = OpenFont(FontRequest(), &problem);
    ASSERT_TRUE(font) << problem;
    Glyph glyph;
    EXPECT_FALSE(font->Draw(0x0E01, &glyph)) << "Thai, which IPA Gothic lacks";
    EXPECT_FALSE(font->Draw(0x1F600, &glyph)) << "beyond the Basic Multilingual Plane";
    FontRequest unknown;
    unknown.name = "No Such Face";
    EXPECT_FALSE(OpenFont(unknown, &problem));
    EXPECT_EQ("no installed font is named 'No Such Face'", problem);
}

}  // namespace

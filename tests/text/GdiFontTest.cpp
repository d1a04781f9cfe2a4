#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/GlyphRows.h"
#include "tests/support/InkedColumns.h"
#include "text/FontChoice.h"
#include "text/TextLayout.h"

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

// Arabic and Hebrew through GDI's complex-script support, in DejaVu Sans
// (Debian's fonts-dejavu-core, which Wine finds among the system's fonts).
TEST(GdiFontTest, ArabicJoinsAndRightToLeftTextIsOrderedThroughUniscribe) {
    FontRequest request;
    request.name = "DejaVu Sans";
    std::string problem;
    std::unique_ptr<GlyphSource> font = OpenFont(request, &problem);
    ASSERT_TRUE(font) << problem;
    auto inkedColumns = [&](const std::u32string& text) {
        TextStrip strip;
        EXPECT_TRUE(strip.LayOut(*font, text, false));
        EXPECT_TRUE(strip.RightToLeft());
        return InkedColumns(strip);
    };
    // Joined letters differ from the same letters kept apart by zero-width non-joiners.
    const std::vector<std::string> joined = inkedColumns(U"\u0633\u0644\u0627\u0645");
    const std::vector<std::string> isolated = inkedColumns(U"\u0633\u200C\u0644\u200C\u0627\u200C\u0645");
    EXPECT_NE(joined, isolated);
    EXPECT_LT(joined.size(), isolated.size());
    // Hebrew alef then bet: bet is shown first from the left.
    const std::vector<std::string> alefBet = inkedColumns(U"\u05D0\u05D1");
    const std::vector<std::string> bet = inkedColumns(U"\u05D1");
    ASSERT_GT(alefBet.size(), bet.size());
    for (std::size_t x = 0; x < bet.size(); ++x) EXPECT_EQ(bet[x], alefBet[x]) << x;
}

}  // namespace

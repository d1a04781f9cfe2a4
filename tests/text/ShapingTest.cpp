// Text that needs shaping, in the native builds: FriBidi's order and joined
// forms for a .hex font, HarfBuzz's for an outline font, and the two-line
// sign of Debian's 8-pixel fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/InkedColumns.h"
#include "text/FontChoice.h"
#include "text/HexFont.h"
#include "text/TextLayout.h"

namespace {

// A .hex font whose every glyph lights one whole row of its own.
std::unique_ptr<HexFont> RowPerGlyphFont(const std::vector<char32_t>& characters) {
    std::string text;
    for (std::size_t row = 0; row < characters.size(); ++row) {
        char code[16];
        std::snprintf(code, sizeof code, "%04X:", static_cast<unsigned>(characters[row]));
        std::string bits(32, '0');
        bits.replace(row * 2, 2, "FF");
        text += code + bits + "\n";
    }
    std::string problem;
    std::unique_ptr<HexFont> font = HexFont::FromBytes(std::vector<char>(text.begin(), text.end()), &problem);
    EXPECT_TRUE(font) << problem;
    return font;
}

// Which of a .hex font's glyphs stands in each 8-column cell, by its lit row.
std::vector<unsigned> RowsOfCells(const TextStrip& strip, unsigned cells, unsigned pitch) {
    std::vector<unsigned> rows;
    for (unsigned cell = 0; cell < cells; ++cell)
        for (unsigned row = 0; row < 16; ++row)
            if (strip.Lit(cell * pitch, row)) rows.push_back(row);
    return rows;
}

TEST(ShapingTest, ArabicInABitmapFontTakesItsJoinedFormsAndReadsRightToLeft) {
    // سلام: seen, lam, alef, meem; then their initial, medial, final and isolated forms.
    std::unique_ptr<HexFont> font =
        RowPerGlyphFont({0x0633, 0x0644, 0x0627, 0x0645, 0xFEB3, 0xFEE0, 0xFE8E, 0xFEE1});
    TextStrip strip;
    ASSERT_TRUE(strip.LayOut(*font, U"\u0633\u0644\u0627\u0645", false));
    EXPECT_TRUE(strip.RightToLeft());
    // From the left: meem alone (alef never joins the letter after it), alef final, lam medial, seen initial.
    EXPECT_EQ((std::vector<unsigned>{7, 6, 5, 4}), RowsOfCells(strip, 4, 8));

    // Spacing parts meem from alef, but never letters that join.
    FontChain fonts(*font);
    TextStyle spaced;
    spaced.spacing = 1;
    ASSERT_TRUE(strip.LayOut(fonts, U"\u0633\u0644\u0627\u0645", spaced, false));
    EXPECT_EQ(33u, strip.Width());
    EXPECT_TRUE(strip.Lit(9, 6) && strip.Lit(17, 5) && strip.Lit(25, 4));
}

TEST(ShapingTest, RightToLeftTextEntersFromTheLeftEdgeAndItsFirstScreenIsTheRightmost) {
    std::unique_ptr<HexFont> font = RowPerGlyphFont({0x05D0, 0x05D1, U'1', U'2'});
    TextStrip strip;
    // Alef, bet, then 12: shown as "12", bet, alef from the left.
    ASSERT_TRUE(strip.LayOut(*font, U"\u05D0\u05D112", false));
    EXPECT_EQ((std::vector<unsigned>{2, 3, 1, 0}), RowsOfCells(strip, 4, 8));
    TextFrameOptions options;
    options.step = 8;
    TextPatternResult made = MakeTextPattern(strip, options);
    ASSERT_TRUE(made.pattern);
    // Frame 1 shows alef at the left edge: the first letter read comes in first.
    EXPECT_TRUE(made.pattern->GetPixel(1, 0, 0));
    EXPECT_FALSE(made.pattern->GetPixel(1, 8, 0));
    options.step = 0;
    made = MakeTextPattern(strip, options);
    ASSERT_TRUE(made.pattern);
    EXPECT_TRUE(made.pattern->GetPixel(0, 8, 0) && made.pattern->GetPixel(1, 0, 2));
}

TEST(ShapingTest, HarfBuzzJoinsArabicInAnOutlineFont) {
    FontRequest request;
    request.name = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    std::string problem;
    std::unique_ptr<GlyphSource> font = OpenFont(request, &problem);
    ASSERT_TRUE(font) << problem << " (the Debian package fonts-dejavu-core)";
    auto columns = [&](const std::u32string& text) {
        TextStrip strip;
        EXPECT_TRUE(strip.LayOut(*font, text, false));
        EXPECT_TRUE(strip.RightToLeft());
        return InkedColumns(strip);
    };
    // The same letters kept apart by zero-width non-joiners take their isolated forms.
    const std::vector<std::string> joined = columns(U"\u0633\u0644\u0627\u0645");
    const std::vector<std::string> isolated = columns(U"\u0633\u200C\u0644\u200C\u0627\u200C\u0645");
    EXPECT_NE(joined, isolated);
    EXPECT_LT(joined.size(), isolated.size()) << "joined letters are narrower than apart";
    // Read right to left: meem's isolated form, a loop on a tail, is shown first from the left.
    const std::vector<std::string> alone = columns(U"\u0645");
    for (std::size_t x = 0; x < alone.size(); ++x) EXPECT_EQ(alone[x], isolated[x]) << x;
}

TEST(ShapingTest, ATwoLineSignOfKanjiAndLatinFromDebiansEightPixelFonts) {
    FontChain fonts;
    std::string problem;
    for (const char* name : {"/usr/share/fonts/X11/misc/5x8.pcf.gz", "/usr/share/fonts/truetype/misaki/misaki_gothic.ttf"}) {
        FontRequest request;
        request.name = name;
        request.pixels = 8;
        std::unique_ptr<GlyphSource> font = OpenFont(request, &problem);
        ASSERT_TRUE(font) << problem << " (the Debian packages xfonts-base and fonts-misaki)";
        fonts.Add(std::move(font));
    }
    TextStrip strip;
    ASSERT_TRUE(strip.LayOut(fonts, U"東京行\n9:30発", TextStyle(), false));
    TextFrameOptions options;
    options.columns = 32;
    options.align = TextAlign::Center;
    TextPatternResult made = MakeTextPattern(strip, options);
    ASSERT_TRUE(made.pattern);
    ASSERT_EQ(2u, made.pattern->frameCount);
    const std::vector<std::string> expected = {
        ".......#.......#.....#.###......",
        "....#######.#######.#...........",
        ".....#.#.#...#...#...######.....",
        ".....#####...#####..##...#......",
        ".....#.#.#.....#.....#...#......",
        "......###....#.#.#...#...#......",
        "....##.#.##.#.##..#..#..##......",
        "................................",
        ".......................###.#....",
        "...##.......####...#..#.#.#.#...",
        "..#..#..##....#...#.#..#...#....",
        "..#..#..##...##...#.#.#.###.#...",
        "...###.........#..#.#..#####....",
        ".....#..##..#..#..#.#...#.#.....",
        "...##...##...##....#..##..###...",
        "................................",
    };
    for (unsigned y = 0; y < 16; ++y) {
        std::string row;
        for (unsigned x = 0; x < 32; ++x) row += made.pattern->GetPixel(0, x, y) ? '#' : '.';
        EXPECT_EQ(expected[y], row) << "row " << y;
    }
}

}  // namespace

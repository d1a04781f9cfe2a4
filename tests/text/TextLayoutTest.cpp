#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "text/TextLayout.h"

namespace {

// A font for the layout's arithmetic: 'n' (narrow) is 3 columns, 'w' (wide)
// 8, both lit only in their first column; '?' is missing.
class BarFont : public GlyphSource {
public:
    explicit BarFont(unsigned height) : height_(height) {}
    unsigned Height() const override { return height_; }
    bool Draw(char32_t character, Glyph* glyph) override {
        if (character != U'n' && character != U'w') return false;
        glyph->width = character == U'n' ? 3 : 8;
        glyph->lit.assign(glyph->width * height_, 0);
        for (unsigned y = 0; y < height_; ++y) glyph->lit[y * glyph->width] = 1;
        return true;
    }

private:
    unsigned height_;
};

// One frame as text, '#' lit and '.' dark, rows joined by '|'.
std::string FrameText(const LedPattern& pattern, std::uint32_t frame) {
    std::string text;
    for (unsigned y = 0; y < pattern.rows; ++y) {
        if (y) text += '|';
        for (unsigned x = 0; x < pattern.columns; ++x) text += pattern.GetPixel(frame, x, y) ? '#' : '.';
    }
    return text;
}

TextPatternResult Make(const std::u32string& text, unsigned columns, unsigned rows, unsigned step,
                       unsigned fontHeight = 2, bool invert = false) {
    BarFont font(fontHeight);
    TextStrip strip;
    EXPECT_TRUE(strip.LayOut(font, text, false));
    TextFrameOptions options;
    options.columns = columns;
    options.rows = rows;
    options.step = step;
    options.invert = invert;
    return MakeTextPattern(strip, options);
}

TEST(TextLayoutTest, OneCharacterIsOneFramePaddedDarkAndADarkFrameToMakeAPair) {
    TextPatternResult made = Make(U"n", 4, 4, 0);
    ASSERT_EQ(TextPatternStatus::Made, made.status);
    const LedPattern& pattern = *made.pattern;
    ASSERT_EQ(2u, pattern.frameCount);
    // A 2-row strip on 4 rows starts at row (4 - 2) / 2 = 1.
    EXPECT_EQ("....|#...|#...|....", FrameText(pattern, 0));
    EXPECT_EQ("....|....|....|....", FrameText(pattern, 1));
    EXPECT_EQ(ControlScroll, pattern.header.controlCode);
    EXPECT_EQ(1, pattern.header.wait);
    EXPECT_EQ(2, pattern.header.FrameCount());
}

TEST(TextLayoutTest, GlyphsFollowEachOtherWithoutSpacingAndAreCutAtFrameEdges) {
    // n n w: bars at strip columns 0, 3 and 6; 14 columns in 4-column frames.
    TextPatternResult made = Make(U"nnw", 4, 2, 0);
    ASSERT_EQ(TextPatternStatus::Made, made.status);
    ASSERT_EQ(4u, made.pattern->frameCount);
    EXPECT_EQ("#..#|#..#", FrameText(*made.pattern, 0));
    EXPECT_EQ("..#.|..#.", FrameText(*made.pattern, 1));
    EXPECT_EQ("....|....", FrameText(*made.pattern, 2));
    EXPECT_EQ("....|....", FrameText(*made.pattern, 3));
}

TEST(TextLayoutTest, ExactlyOneFrameWideIsOneFrameAndItsDarkPartner) {
    EXPECT_EQ(2u, TextFrameCount(8, 8, 0));
    EXPECT_EQ(2u, TextFrameCount(9, 8, 0));
    EXPECT_EQ(4u, TextFrameCount(17, 8, 0));
    TextPatternResult made = Make(U"w", 8, 2, 0);
    ASSERT_EQ(2u, made.pattern->frameCount);
    EXPECT_EQ("#.......|#.......", FrameText(*made.pattern, 0));
}

TEST(TextLayoutTest, StepBringsTheTextInFromTheRightUntilAFrameIsWhollyPast) {
    // Frame k shows strip columns 2k - 4 .. 2k - 1 of the 3-column strip.
    TextPatternResult made = Make(U"n", 4, 1, 2, 1);
    ASSERT_EQ(TextPatternStatus::Made, made.status);
    const LedPattern& pattern = *made.pattern;
    // (3 + 4) / 2 rounded up = 4 is the first wholly past: frames 0 .. 4, and one to make a pair.
    ASSERT_EQ(6u, pattern.frameCount);
    EXPECT_EQ("....", FrameText(pattern, 0));
    EXPECT_EQ("..#.", FrameText(pattern, 1));
    EXPECT_EQ("#...", FrameText(pattern, 2));
    EXPECT_EQ("....", FrameText(pattern, 3));
    EXPECT_EQ("....", FrameText(pattern, 4));
    EXPECT_EQ("....", FrameText(pattern, 5));
    EXPECT_EQ(-4, FirstStripColumn(0, 4, 2));
    EXPECT_EQ(4, FirstStripColumn(4, 4, 2));

    // Step as wide as the frame: 8 + 8 columns in steps of 8 is 2, so frames 0 .. 2 and a pair: 4.
    EXPECT_EQ(4u, TextFrameCount(8, 8, 8));
    // Step 1: the strip and the frame in steps of one, plus the first dark frame.
    EXPECT_EQ(26u, TextFrameCount(8, 16, 1));
}

TEST(TextLayoutTest, TwoThousandAndFortyEightFramesAtMostAndTheLimitIsExact) {
    EXPECT_EQ(32768u, MaxStripWidth(16, 0));
    EXPECT_EQ(2048u, TextFrameCount(32768, 16, 0));
    EXPECT_EQ(2050u, TextFrameCount(32769, 16, 0));
    // With step 1 on 16 columns: 2047 - 16 columns of text.
    EXPECT_EQ(2031u, MaxStripWidth(16, 1));
    EXPECT_EQ(2048u, TextFrameCount(2031, 16, 1));
    EXPECT_EQ(2050u, TextFrameCount(2032, 16, 1));

    // 2048 frames of 1 column from a 2048-column strip (256 wide glyphs): made; one more is refused.
    std::u32string text(256, U'w');
    TextPatternResult made = Make(text, 1, 2, 0);
    ASSERT_EQ(TextPatternStatus::Made, made.status);
    EXPECT_EQ(2048u, made.pattern->frameCount);
    EXPECT_EQ(TextPatternStatus::TooManyFrames, Make(text + U"n", 1, 2, 0).status);
}

TEST(TextLayoutTest, AFontTallerThanTheFrameIsRefused) {
    EXPECT_EQ(TextPatternStatus::TallerThanFrame, Make(U"n", 8, 3, 0, 4).status);
    EXPECT_EQ(TextPatternStatus::Made, Make(U"n", 8, 4, 0, 4).status);
}

TEST(TextLayoutTest, InvertLightsTheBackgroundOfEveryFrame) {
    TextPatternResult made = Make(U"n", 3, 2, 0, 1, true);
    ASSERT_EQ(2u, made.pattern->frameCount);
    EXPECT_EQ(".##|###", FrameText(*made.pattern, 0));
    EXPECT_EQ("###|###", FrameText(*made.pattern, 1));
}

TEST(TextLayoutTest, MissingCharactersAreListedOnceAndLeftOutOnlyWhenAsked) {
    BarFont font(1);
    TextStrip strip;
    EXPECT_FALSE(strip.LayOut(font, U"n?x?n", false));
    EXPECT_EQ(U"?x", strip.Missing());
    EXPECT_TRUE(strip.LayOut(font, U"n?x?n", true));
    EXPECT_EQ(U"?x", strip.Missing());
    EXPECT_EQ(6u, strip.Width());
    EXPECT_TRUE(strip.Lit(3, 0));
    EXPECT_FALSE(strip.Lit(-1, 0));
    EXPECT_FALSE(strip.Lit(6, 0));
}

// A font drawn from rows written out: '#' lit, each glyph as wide as its rows.
class RowsFont : public GlyphSource {
public:
    RowsFont(unsigned baseline, std::map<char32_t, std::vector<std::string>> glyphs)
        : baseline_(baseline), glyphs_(std::move(glyphs)) {}
    unsigned Height() const override { return static_cast<unsigned>(glyphs_.begin()->second.size()); }
    unsigned Baseline() const override { return baseline_; }
    bool Draw(char32_t character, Glyph* glyph) override {
        auto found = glyphs_.find(character);
        if (found == glyphs_.end()) return false;
        glyph->width = static_cast<unsigned>(found->second[0].size());
        glyph->lit.clear();
        for (const std::string& row : found->second)
            for (char c : row) glyph->lit.push_back(c == '#');
        return true;
    }

private:
    unsigned baseline_;
    std::map<char32_t, std::vector<std::string>> glyphs_;
};

// Every frame side by side, '|' between rows.
std::string FramesText(const LedPattern& pattern) {
    std::string text;
    for (std::uint32_t frame = 0; frame < pattern.frameCount; ++frame) text += (frame ? " " : "") + FrameText(pattern, frame);
    return text;
}

std::string Laid(FontChain& fonts, const std::u32string& text, TextFrameOptions options, TextStyle style = {}) {
    TextStrip strip;
    EXPECT_TRUE(strip.LayOut(fonts, text, style, false)) << strip.Missing().size() << " missing";
    TextPatternResult made = MakeTextPattern(strip, options);
    return made.pattern ? FramesText(*made.pattern) : "not made";
}

TextFrameOptions Frames(unsigned columns, unsigned rows, TextAlign align = TextAlign::Start, unsigned step = 0) {
    TextFrameOptions options;
    options.columns = columns;
    options.rows = rows;
    options.align = align;
    options.step = step;
    return options;
}

// A kanji font of one 3 x 3 kanji in a cell of 4 rows, and a 2-row Latin
// font that has the kanji as well.
RowsFont Kanji() { return RowsFont(3, {{U'日', {"###", "#.#", "###", "..."}}}); }
RowsFont Latin() { return RowsFont(2, {{U'A', {".#", "##"}}, {U'B', {"##", "#."}}, {U'日', {"##", "##"}}}); }

TEST(TextLayoutTest, EachCharacterComesFromTheFirstFontOfTheChainThatHasIt) {
    RowsFont kanji = Kanji(), latin = Latin();
    FontChain fonts;
    fonts.Add(std::make_unique<RowsFont>(kanji));
    fonts.Add(std::make_unique<RowsFont>(latin));
    // The kanji from the first font, 'A' from the second, standing on the kanji's baseline.
    EXPECT_EQ("###..|#.#.#|#####|..... .....|.....|.....|.....", Laid(fonts, U"日A", Frames(5, 4)));
    TextStrip strip;
    EXPECT_FALSE(strip.LayOut(fonts, U"A?日?", TextStyle(), false));
    EXPECT_EQ(U"?", strip.Missing());
}

TEST(TextLayoutTest, LinesStackWithTheirSpacingCentredOrFromTheTopAsked) {
    RowsFont latin = Latin();
    FontChain fonts(latin);
    // Lines as high as the font's 2 rows, one empty row between them: 5 rows centred on 9.
    TextStyle style;
    style.lineSpacing = 1;
    EXPECT_EQ("....|....|.#..|##..|....|##..|#...|....|....", Laid(fonts, U"A\nB", Frames(4, 9), style).substr(0, 44));
    TextFrameOptions top = Frames(4, 9);
    top.top = 3;
    EXPECT_EQ("....|....|....|.#..|##..|....|##..|#...|....", Laid(fonts, U"A\nB", top, style).substr(0, 44));
    top.top = 5;
    EXPECT_EQ("not made", Laid(fonts, U"A\nB", top, style)) << "the block would reach below the frame";
    EXPECT_EQ(U"A\nB\\n", ExpandLineBreaks(U"A\\nB\\\\n"));
}

TEST(TextLayoutTest, LinesAlignWithinTheScreensOfTheWidestOrScrollTogether) {
    RowsFont latin = Latin();
    FontChain fonts(latin);
    // "BA" is 4 columns, "A" 2, on 5-column screens.
    EXPECT_EQ("##.#.|#.##.|.#...|##... .....|.....|.....|.....", Laid(fonts, U"BA\nA", Frames(5, 4, TextAlign::Left)));
    EXPECT_EQ("##.#.|#.##.|..#..|.##.. .....|.....|.....|.....", Laid(fonts, U"BA\nA", Frames(5, 4, TextAlign::Center)));
    EXPECT_EQ(".##.#|.#.##|....#|...## .....|.....|.....|.....", Laid(fonts, U"BA\nA", Frames(5, 4, TextAlign::Right)));
    // With a step the lines move together, the short one centred under the long one.
    EXPECT_EQ("..|..|..|.. ##|#.|..|.# .#|##|#.|#. ..|..|..|..",
              Laid(fonts, U"BA\nA", Frames(2, 4, TextAlign::Center, 2)));
}

TEST(TextLayoutTest, SpacingAddsOrTakesColumnsBetweenCharacters) {
    RowsFont latin = Latin();
    FontChain fonts(latin);
    TextStyle wide, tight;
    wide.spacing = 2;
    tight.spacing = -1;
    EXPECT_EQ("##...#..|#...##..", Laid(fonts, U"BA", Frames(8, 2), wide).substr(0, 17));
    EXPECT_EQ("###.|###.", Laid(fonts, U"BA", Frames(4, 2), tight).substr(0, 9));
    TextStrip strip;
    strip.LayOut(fonts, U"BAB", wide, false);
    EXPECT_EQ(10u, strip.Width()) << "none after the last character";
}

TEST(TextLayoutTest, ACombiningMarkIsDrawnOverTheMiddleOfItsBase) {
    // 'e' with its ink in columns 1 .. 3; the acute, a cell of its own, inked in its last columns.
    RowsFont font(4, {{U'e', {".....", ".....", ".###.", ".###."}},
                      {0x0301, {"...##", ".....", ".....", "....."}},
                      {U'x', {"#", "#", "#", "#"}}});
    FontChain fonts(font);
    EXPECT_EQ("..##.#|.....#|.###.#|.###.#", Laid(fonts, U"e\u0301x", Frames(6, 4)).substr(0, 27));
}

}  // namespace

TextFrameOptions Pictures(unsigned columns, unsigned rows, std::uint8_t controlCode, Planes planes,
                          TextAlign align = TextAlign::Start, unsigned step = 0) {
    TextFrameOptions options = Frames(columns, rows, align, step);
    options.controlCode = controlCode;
    options.planes = planes;
    return options;
}

TEST(TextLayoutTest, PagedModesLayTheTextOutOnPicturesOfTwoPlanesSplitIntoTheirFrames) {
    RowsFont latin = Latin();
    FontChain fonts(latin);
    // "BA" is 4 columns: centred on the 8 columns of a picture of two 4-column planes.
    for (std::uint8_t mode : {ControlNormal, ControlAnimation, ControlOnOff})
        EXPECT_EQ("..##|..#. .#..|##..", Laid(fonts, U"BA", Pictures(4, 2, mode, Planes::Two, TextAlign::Center)));
    // One plane: the frame is the screen, as ever.
    EXPECT_EQ("##.#|#.## ....|....", Laid(fonts, U"BA", Pictures(4, 2, ControlNormal, Planes::One, TextAlign::Center)));
    // Scroll mode: the board moves the frames along, so the planes do not change them.
    EXPECT_EQ(Laid(fonts, U"BAB", Frames(2, 2, TextAlign::Right)),
              Laid(fonts, U"BAB", Pictures(2, 2, ControlScroll, Planes::Two, TextAlign::Right)));
    // A text wider than a picture pages by pictures: "BAB" on 4-column pictures, right-aligned in two of them.
    EXPECT_EQ("..|.. ##|#. .#|## ##|#.", Laid(fonts, U"BAB", Pictures(2, 2, ControlNormal, Planes::Two, TextAlign::Right)));
    // With a step the text enters the picture's right edge: "A" on 4 columns in steps of 2.
    EXPECT_EQ("..|.. ..|.. ..|.. .#|## .#|## ..|.. ..|.. ..|..",
              Laid(fonts, U"A", Pictures(2, 2, ControlAnimation, Planes::Two, TextAlign::Start, 2)));
}

TEST(TextLayoutTest, PicturesOfTwoPlanesCountWholePairsWithinTheLimit) {
    const TextFrameOptions paged = Pictures(16, 16, ControlNormal, Planes::Two);
    EXPECT_EQ(2u, TextFrameCount(32, paged));
    EXPECT_EQ(4u, TextFrameCount(33, paged));
    EXPECT_EQ(32768u, MaxStripWidth(paged));
    TextFrameOptions stepped = Pictures(16, 16, ControlNormal, Planes::Two, TextAlign::Start, 1);
    // 1024 pictures: 1023 steps bring the text and the 32 columns of the picture past.
    EXPECT_EQ(991u, MaxStripWidth(stepped));
    EXPECT_EQ(2048u, TextFrameCount(991, stepped));
    EXPECT_EQ(2050u, TextFrameCount(992, stepped));
    EXPECT_EQ(TextFrameCount(991, 16, 1), TextFrameCount(991, Pictures(16, 16, ControlScroll, Planes::Two, {}, 1)));
}

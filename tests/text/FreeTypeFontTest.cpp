#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/GlyphRows.h"
#include "tests/support/ScratchDirectory.h"
#include "text/FontChoice.h"

namespace {

// A 4-pixel BDF font of two characters: 'A' three columns wide on a 4-column
// advance, one row below the baseline, and a space.
const char TinyBdf[] =
    "STARTFONT 2.1\n"
    "FONT -lumigrid-tiny-medium-r-normal--4-40-75-75-c-40-iso10646-1\n"
    "SIZE 4 75 75\n"
    "FONTBOUNDINGBOX 3 4 0 -1\n"
    "STARTPROPERTIES 2\n"
    "FONT_ASCENT 3\n"
    "FONT_DESCENT 1\n"
    "ENDPROPERTIES\n"
    "CHARS 2\n"
    "STARTCHAR A\n"
    "ENCODING 65\n"
    "SWIDTH 1000 0\n"
    "DWIDTH 4 0\n"
    "BBX 3 4 0 -1\n"
    "BITMAP\n"
    "40\nA0\nE0\nA0\n"
    "ENDCHAR\n"
    "STARTCHAR space\n"
    "ENCODING 32\n"
    "SWIDTH 500 0\n"
    "DWIDTH 2 0\n"
    "BBX 1 1 0 0\n"
    "BITMAP\n"
    "00\n"
    "ENDCHAR\n"
    "ENDFONT\n";

TEST(FreeTypeFontTest, ABdfFontDrawsItsBitmapsOnTheBaseline) {
    ScratchDirectory scratch;
    FontRequest request;
    request.name = scratch.File("tiny.bdf");
    ScratchDirectory::Write(request.name, std::string(TinyBdf));
    std::string problem;
    std::unique_ptr<GlyphSource> font = OpenFont(request, &problem);
    ASSERT_TRUE(font) << problem;
    EXPECT_EQ(4u, font->Height());
    Glyph glyph;
    ASSERT_TRUE(font->Draw(U'A', &glyph));
    EXPECT_EQ((std::vector<std::string>{".#..", "#.#.", "###.", "#.#."}), GlyphRows(glyph, 4));
    ASSERT_TRUE(font->Draw(U' ', &glyph));
    EXPECT_EQ((std::vector<std::string>{"..", "..", "..", ".."}), GlyphRows(glyph, 4));
    EXPECT_FALSE(font->Draw(U'B', &glyph));

    request.pixels = 5;
    EXPECT_FALSE(OpenFont(request, &problem));
    EXPECT_EQ("the bitmap font '" + request.name + "' has no size of 5 pixels; its sizes are 4", problem);
}

TEST(FreeTypeFontTest, WhatIsNoFontIsRefused) {
    ScratchDirectory scratch;
    FontRequest request;
    request.name = scratch.File("notes.txt");
    ScratchDirectory::Write(request.name, std::string("not a font\n"));
    std::string problem;
    EXPECT_FALSE(OpenFont(request, &problem));
    EXPECT_EQ("not a font that FreeType reads: '" + request.name + "'", problem);
}

TEST(FreeTypeFontTest, ShinonomePcfAndIpaGothicOutlinesFitTheirCells) {
    std::string problem;
    FontRequest pcf;
    pcf.name = "/usr/share/fonts/X11/misc/shnmk12.pcf.gz";
    std::unique_ptr<GlyphSource> kanji = OpenFont(pcf, &problem);
    ASSERT_TRUE(kanji) << problem << " (the Debian package xfonts-shinonome)";
    EXPECT_EQ(12u, kanji->Height());
    Glyph glyph;
    ASSERT_TRUE(kanji->Draw(U'日', &glyph));
    EXPECT_EQ(12u, glyph.width);

    FontRequest outline;
    outline.name = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
    outline.pixels = 16;
    std::unique_ptr<GlyphSource> gothic = OpenFont(outline, &problem);
    ASSERT_TRUE(gothic) << problem << " (the Debian package fonts-ipafont-gothic)";
    EXPECT_EQ(16u, gothic->Height());
    ASSERT_TRUE(gothic->Draw(U'日', &glyph));
    EXPECT_EQ(16u, glyph.width);
    // The kanji's top and bottom strokes: whole rows lit inside the cell.
    unsigned fullRows = 0;
    for (const std::string& row : GlyphRows(glyph, 16))
        if (row.find("##########") != std::string::npos) ++fullRows;
    EXPECT_GE(fullRows, 2u);
}

}  // namespace

// GlyphSource: what text layout needs of a font, whatever draws it. Each
// backend (Unifont .hex files, FreeType, GDI) turns one character into a
// glyph as wide as its advance and as high as the font's cell, so that the
// layout never learns which one drew it. A backend with shaping of its own
// (HarfBuzz over FreeType, Uniscribe through GDI) also draws whole runs of a
// script that needs it.
#ifndef LUMIGRID_TEXT_GLYPHSOURCE_H
#define LUMIGRID_TEXT_GLYPHSOURCE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Glyph {
    unsigned width = 0;              // the advance, in columns
    std::vector<std::uint8_t> lit;   // width x the cell's height, row by row; 1 = lit

    bool Lit(unsigned x, unsigned y) const { return lit[static_cast<std::size_t>(y) * width + x] != 0; }
    unsigned Rows() const { return width ? static_cast<unsigned>(lit.size() / width) : 0; }
};

// A glyph as a font's shaping places it within a run.
struct ShapedGlyph {
    Glyph image;              // image.width columns x the cell's height
    int left = 0;             // columns from the pen to the image's left edge
    int advance = 0;          // columns the pen moves on after it
    std::size_t cluster = 0;  // the run's first character that it shows
};

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // Rows of the font's cell, the same for every glyph.
    virtual unsigned Height() const = 0;
    // Rows from the cell's top to the baseline, on which fonts of different
    // heights line up.
    virtual unsigned Baseline() const { return Height(); }
    // Draws a character (a Unicode code point). False when the font has no
    // glyph for it.
    virtual bool Draw(char32_t character, Glyph* glyph) = 0;
    // Draws a run of characters (all of them in the font) that read in one
    // direction, as the font's own shaping joins, orders and places them:
    // glyphs from left to right as shown. False when the font has no shaping
    // for the run, which the layout then draws character by character.
    virtual bool Shape(const std::u32string& run, bool rightToLeft, std::vector<ShapedGlyph>* glyphs) {
        (void)run;
        (void)rightToLeft;
        (void)glyphs;
        return false;
    }
};

#endif

// GlyphSource: what text layout needs of a font, whatever draws it. Each
// backend (Unifont .hex files, FreeType, GDI) turns one character into a
// glyph as wide as its advance and as high as the font's cell, so that the
// layout never learns which one drew it.
#ifndef LUMIGRID_TEXT_GLYPHSOURCE_H
#define LUMIGRID_TEXT_GLYPHSOURCE_H

#include <cstdint>
#include <vector>

struct Glyph {
    unsigned width = 0;              // the advance, in columns
    std::vector<std::uint8_t> lit;   // width x the cell's height, row by row; 1 = lit

    bool Lit(unsigned x, unsigned y) const { return lit[static_cast<std::size_t>(y) * width + x] != 0; }
};

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // Rows of the font's cell, the same for every glyph.
    virtual unsigned Height() const = 0;
    // Draws a character (a Unicode code point). False when the font has no
    // glyph for it.
    virtual bool Draw(char32_t character, Glyph* glyph) = 0;
};

#endif

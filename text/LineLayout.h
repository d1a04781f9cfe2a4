// LineLayout: one line of a text set in a chain of fonts, in its phases:
// each character's font, the runs of one font and one direction in the
// order the bidirectional algorithm shows them, the glyphs placed along the
// pen (by the font's own shaping, or character by character with marks
// over their base), and last the line's height and each font's baseline
// (TextLayout.h says the rules).
#ifndef LUMIGRID_TEXT_LINELAYOUT_H
#define LUMIGRID_TEXT_LINELAYOUT_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "text/FontChain.h"
#include "text/GlyphSource.h"

// A glyph's image where a line places it.
struct PlacedGlyph {
    std::int64_t left;    // block column of the image's left edge, the line flush left
    unsigned top;         // block row of the image's top
    const Glyph* image;
};

struct TextLine {
    std::vector<PlacedGlyph> glyphs;   // by left edge
    std::uint64_t width = 0;
    unsigned top = 0, height = 0;      // block rows
    unsigned widestImage = 0;
};

// The images a layout places, kept for as long as its lines point at them:
// each font's glyph of a character once, and the glyphs of shaped runs.
class GlyphStore {
public:
    // The font's glyph of the character; null when the font has none.
    const Glyph* Keep(FontChain& fonts, std::size_t font, char32_t character);
    const Glyph* KeepShaped(Glyph&& image);
    void Clear();

private:
    std::map<std::pair<std::size_t, char32_t>, Glyph> drawn_;
    std::deque<Glyph> shaped_;
};

// Sets one line (no newline in it) of a paragraph that reads right to left
// or not, spacing empty columns between characters, into line, whose top
// row in the block is set already. Characters no font has are added to
// missing, each once.
void LayOutLine(FontChain& fonts, const std::u32string& text, int spacing, bool rightToLeft, GlyphStore& glyphs,
                std::u32string* missing, TextLine* line);

#endif

// HexFont: a font of the .hex format of GNU Unifont (Debian's unifont
// package). One glyph a line, "CODEPOINT:HEXBITS": the code point in hex,
// then 16 rows of 8 or 16 pixels as 32 or 64 hex digits, leftmost pixel in
// the high bit, 1 = lit.
//
// The file is read once and indexed by code point, checking every line; a
// glyph's bits are decoded only when it is drawn. So a short text costs one
// read of the file, not a parse of every glyph in it.
#ifndef LUMIGRID_TEXT_HEXFONT_H
#define LUMIGRID_TEXT_HEXFONT_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "text/GlyphSource.h"

class HexFont : public GlyphSource {
public:
    static constexpr unsigned CellHeight = 16;
    // Unifont's letters stand on row 14, two rows above the cell's bottom.
    static constexpr unsigned CellBaseline = 14;

    // Reads and indexes the file. Null when it cannot be read or is not a
    // .hex font; problem then says why, in one line.
    static std::unique_ptr<HexFont> Open(const char* path, std::string* problem);
    // The same, over the bytes of a file.
    static std::unique_ptr<HexFont> FromBytes(std::vector<char> bytes, std::string* problem);

    unsigned Height() const override { return CellHeight; }
    unsigned Baseline() const override { return CellBaseline; }
    bool Draw(char32_t character, Glyph* glyph) override;

private:
    struct Entry {
        std::uint32_t character;
        std::uint32_t offset;   // of the first bit digit
        std::uint8_t digits;    // 32 or 64
    };

    std::vector<char> bytes_;
    std::vector<Entry> index_;   // sorted by character; the first line of a character wins
};

// Whether the file name ends in ".hex" (any case): such a file is read as a
// .hex font, any other by the platform's font backend.
bool IsHexFontName(const std::string& name);

#endif

// A glyph as text rows, '#' lit and '.' dark, for comparing with bits
// written out in a test.
#ifndef LUMIGRID_TESTS_GLYPHROWS_H
#define LUMIGRID_TESTS_GLYPHROWS_H

#include <string>
#include <vector>

#include "text/GlyphSource.h"

inline std::vector<std::string> GlyphRows(const Glyph& glyph, unsigned height) {
    std::vector<std::string> rows;
    for (unsigned y = 0; y < height; ++y) {
        std::string row;
        for (unsigned x = 0; x < glyph.width; ++x) row += glyph.Lit(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

#endif

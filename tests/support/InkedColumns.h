// A laid-out text by its columns that have ink, each top to bottom, '#' lit
// and '.' dark: its look without the blank columns between glyphs, for
// comparing shapes and their order.
#ifndef LUMIGRID_TESTS_INKEDCOLUMNS_H
#define LUMIGRID_TESTS_INKEDCOLUMNS_H

#include <cstdint>
#include <string>
#include <vector>

#include "text/TextLayout.h"

inline std::vector<std::string> InkedColumns(const TextStrip& strip) {
    std::vector<std::string> shown;
    for (std::int64_t x = 0; x < static_cast<std::int64_t>(strip.Width()); ++x) {
        std::string column;
        for (unsigned y = 0; y < strip.Height(); ++y) column += strip.Lit(x, y) ? '#' : '.';
        if (column.find('#') != std::string::npos) shown.push_back(column);
    }
    return shown;
}

#endif

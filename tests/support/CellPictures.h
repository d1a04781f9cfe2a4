// Frames written and read as rows of text, '#' lit and '.' dark, so that a
// test shows the picture it expects.
#ifndef LUMIGRID_TESTS_CELLPICTURES_H
#define LUMIGRID_TESTS_CELLPICTURES_H

#include <string>
#include <vector>

#include "drawing/CellMask.h"
#include "pattern/document/LedPattern.h"

typedef std::vector<std::string> Picture;

inline Picture PictureOf(const LedPattern& pattern, std::uint32_t frame = 0) {
    Picture rows(pattern.rows, std::string(pattern.columns, '.'));
    for (unsigned y = 0; y < pattern.rows; ++y)
        for (unsigned x = 0; x < pattern.columns; ++x)
            if (pattern.GetPixel(frame, x, y)) rows[y][x] = '#';
    return rows;
}

inline Picture PictureOf(const CellMask& cells) {
    Picture rows(cells.Rows(), std::string(cells.Columns(), '.'));
    for (int y = 0; y < cells.Rows(); ++y)
        for (int x = 0; x < cells.Columns(); ++x)
            if (cells.Has(x, y)) rows[y][x] = '#';
    return rows;
}

// A one-frame pattern of the picture's size, lit where it has '#'.
inline void MakePattern(LedPattern& pattern, const Picture& picture) {
    pattern.Create(static_cast<std::uint8_t>(picture[0].size()), static_cast<std::uint8_t>(picture.size()));
    for (unsigned y = 0; y < picture.size(); ++y)
        for (unsigned x = 0; x < picture[y].size(); ++x)
            if (picture[y][x] == '#') pattern.SetPixel(0, x, y);
    pattern.modified = false;
}

#endif

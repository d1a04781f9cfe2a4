// Frames as text rows, '#' lit and '.' dark, for writing frames out
// literally in a test and comparing with what was made.
#ifndef LUMIGRID_TESTS_FRAMEROWS_H
#define LUMIGRID_TESTS_FRAMEROWS_H

#include <memory>
#include <string>
#include <vector>

#include "pattern/document/LedPattern.h"

typedef std::vector<std::string> FrameRows;

inline FrameRows RowsOf(const LedPattern& pattern, std::uint32_t frame) {
    FrameRows rows;
    for (unsigned y = 0; y < pattern.rows; ++y) {
        std::string row;
        for (unsigned x = 0; x < pattern.columns; ++x) row += pattern.GetPixel(frame, x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// A pattern of these frames, all of one size.
inline std::unique_ptr<LedPattern> PatternOfRows(const std::vector<FrameRows>& frames) {
    std::unique_ptr<LedPattern> pattern(new LedPattern());
    pattern->Create(static_cast<std::uint8_t>(frames[0][0].size()), static_cast<std::uint8_t>(frames[0].size()));
    pattern->SetFrameCount(static_cast<std::uint32_t>(frames.size()));
    for (std::uint32_t f = 0; f < frames.size(); ++f)
        for (unsigned y = 0; y < frames[f].size(); ++y)
            for (unsigned x = 0; x < frames[f][y].size(); ++x)
                if (frames[f][y][x] == '#') pattern->SetPixel(f, x, y);
    return pattern;
}

#endif

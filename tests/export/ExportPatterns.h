// Patterns and bytes for the export tests: frames drawn as rows of # and .,
// and the worked example of the exporter's documentation.
#ifndef LUMIGRID_TESTS_EXPORTPATTERNS_H
#define LUMIGRID_TESTS_EXPORTPATTERNS_H

#include <cstdint>
#include <string>
#include <vector>

#include "export/ExportOptions.h"
#include "export/LayoutPresets.h"
#include "pattern/document/LedPattern.h"

typedef std::vector<std::uint8_t> Bytes;

// A pattern of the frames, each given as its rows (# lit).
inline void DrawFrames(LedPattern& pattern, const std::vector<std::vector<std::string>>& frames) {
    const std::vector<std::string>& first = frames.front();
    pattern.Create(static_cast<std::uint8_t>(first.front().size()), static_cast<std::uint8_t>(first.size()));
    pattern.SetFrameCount(static_cast<std::uint32_t>(frames.size()));
    for (std::uint32_t f = 0; f < frames.size(); ++f)
        for (unsigned y = 0; y < frames[f].size(); ++y)
            for (unsigned x = 0; x < frames[f][y].size(); ++x)
                if (frames[f][y][x] == '#') pattern.SetPixel(f, x, y);
}

// The worked example: 10 x 3, lit at (0,0), (1,0), (9,0), (2,1), (9,2).
inline std::vector<std::string> ExampleRows() { return {"##.......#", "..#.......", ".........#"}; }

inline PictureCanvas CanvasOf(const std::vector<std::string>& rows) {
    PictureCanvas canvas(static_cast<unsigned>(rows.front().size()), static_cast<unsigned>(rows.size()));
    for (unsigned y = 0; y < rows.size(); ++y)
        for (unsigned x = 0; x < rows[y].size(); ++x) canvas.Set(x, y, rows[y][x] == '#');
    return canvas;
}

inline ExportOptions OptionsFor(const char* preset, Planes planes = Planes::One) {
    ExportOptions options;
    options.layout.planes = planes;
    ApplyLayoutPreset(*FindLayoutPreset(preset), options.layout);
    options.name = "sign";
    return options;
}

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

#endif

// PatternRender: frames of a pattern drawn as the editor's grid shows them,
// into an RGB picture: on white, each LED a cell of scale x scale pixels with
// black grid lines between the cells and a round LED with a black outline,
// yellow when lit and grey when not. Below MinRoundScale a cell is too small
// for a round LED and is filled with the LED's colour alone, so at scale 1
// each pixel of the picture is one LED.
//
// Several frames are laid out left to right in rows of a given number of
// frames, one cell's width of white between neighbours. There is no margin
// around the whole picture.
#ifndef LUMIGRID_PICTURE_PATTERNRENDER_H
#define LUMIGRID_PICTURE_PATTERNRENDER_H

#include <cstdint>
#include <vector>

#include "LedPattern.h"

struct RgbColour {
    std::uint8_t red, green, blue;
};

// The editor's colours.
extern const RgbColour LitLedColour;       // 255, 255, 0
extern const RgbColour UnlitLedColour;     // 127, 127, 127
extern const RgbColour OutlineColour;      // black: grid lines and LED outlines
extern const RgbColour BackgroundColour;   // white

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;   // 3 bytes a pixel, row-major from the top
};

enum class RenderStatus { Rendered, NoPixels, TooLarge, OutOfMemory };

constexpr unsigned MinRoundScale = 7;
constexpr unsigned MaxScale = 64;
// Bounds of the picture, so that a large pattern asks for a clear refusal
// rather than gigabytes: each side, and all pixels together.
constexpr std::uint64_t MaxPictureSide = 32768;
constexpr std::uint64_t MaxPicturePixels = 64ull * 1024 * 1024;

// The size of the picture of count frames; may exceed the bounds above.
void RenderedSize(const LedPattern& pattern, std::uint32_t count, unsigned scale, unsigned framesPerRow,
                  std::uint64_t* width, std::uint64_t* height);

// Draws frames first .. first + count - 1 (all in range, count at least 1),
// framesPerRow to a row, at 1 <= scale <= MaxScale.
RenderStatus RenderFrames(const LedPattern& pattern, std::uint32_t first, std::uint32_t count, unsigned scale,
                          unsigned framesPerRow, RgbPicture* picture);

#endif

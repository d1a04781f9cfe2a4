// PatternRender: frames of a pattern drawn into an RGB picture, each LED a
// cell of scale x scale pixels, in one of two styles:
//   - Sign (the default of lumigrid-cli render and preview): as a lit board
//     looks, for people who judge it at a glance: round LEDs filling most of
//     their cell, bright amber when lit and dim when not, on a dark ground,
//     their edges smoothed; no grid. Round from MinSignRoundScale up.
//   - Editor: as the editor's grid shows them: on white, black grid lines
//     between the cells and a round LED with a black outline, yellow when
//     lit and grey when not. Round from MinRoundScale up.
// Below its round scale a cell is filled with the LED's colour alone, so at
// scale 1 each pixel of the picture is one LED (lit pixels are bright enough
// for import to read them back as lit, in both styles).
//
// Several frames are laid out left to right in rows of a given number of
// frames, one cell's width of background between neighbours. There is no
// margin around the whole picture.
#ifndef LUMIGRID_PICTURE_PATTERNRENDER_H
#define LUMIGRID_PICTURE_PATTERNRENDER_H

#include <cstdint>
#include <vector>

#include "pattern/document/LedPattern.h"

struct RgbColour {
    std::uint8_t red, green, blue;
};

// The editor's colours.
extern const RgbColour LitLedColour;       // 255, 255, 0
extern const RgbColour UnlitLedColour;     // 127, 127, 127
extern const RgbColour OutlineColour;      // black: grid lines and LED outlines
extern const RgbColour BackgroundColour;   // white

// The sign's colours.
extern const RgbColour SignLitColour;          // 255, 190, 30
extern const RgbColour SignUnlitColour;        // 58, 42, 22
extern const RgbColour SignBackgroundColour;   // 18, 18, 18

enum class RenderStyle { Sign, Editor };
// What lumigrid-cli render, decode --render, preview and the editor's
// Export Picture draw unless told otherwise.
constexpr RenderStyle DefaultRenderStyle = RenderStyle::Sign;

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;   // 3 bytes a pixel, row-major from the top
};

enum class RenderStatus { Rendered, NoPixels, TooLarge, OutOfMemory };

constexpr unsigned MinRoundScale = 7;
constexpr unsigned MinSignRoundScale = 4;
constexpr unsigned MaxScale = 64;
// Bounds of the picture, so that a large pattern asks for a clear refusal
// rather than gigabytes: each side, and all pixels together.
constexpr std::uint64_t MaxPictureSide = 32768;
constexpr std::uint64_t MaxPicturePixels = 64ull * 1024 * 1024;

// The size of the picture of count frames; may exceed the bounds above.
void RenderedSize(const LedPattern& pattern, std::uint32_t count, unsigned scale, unsigned framesPerRow,
                  std::uint64_t* width, std::uint64_t* height, RenderStyle style);

// Draws frames first .. first + count - 1 (all in range, count at least 1),
// framesPerRow to a row, at 1 <= scale <= MaxScale.
RenderStatus RenderFrames(const LedPattern& pattern, std::uint32_t first, std::uint32_t count, unsigned scale,
                          unsigned framesPerRow, RgbPicture* picture, RenderStyle style);

#endif

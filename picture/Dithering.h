// Dithering: a fitted picture turned into one bit per LED. A pixel with less
// alpha than OpaqueAlpha is where the picture has nothing and is never lit.
// Opaque pixels are lit
//
//   None            when their luminance is at or above the threshold
//                   (below it, inverted);
//   FloydSteinberg  by error diffusion (serpentine), which keeps the average
//                   brightness of every area: for photos;
//   Ordered         by an 8 x 8 Bayer matrix laid from the frame's top left,
//                   so that a still area lights the same LEDs in every frame
//                   of an animation, where error diffusion would flicker.
//
// The dithers work on the same luminance as the threshold, on the sRGB
// values, so that the share of lit LEDs follows the brightness the eye sees
// in the picture: a mid grey lights half of them. (In linear light a mid grey
// would light a fifth, and faces and lettering on a 64 x 32 board sink into
// the dark.) Inverting takes the brightness from full. The threshold is for
// None alone: error diffusion keeps the brightness whatever the threshold,
// and the matrix is the threshold.
#ifndef LUMIGRID_PICTURE_DITHERING_H
#define LUMIGRID_PICTURE_DITHERING_H

#include <cstdint>
#include <vector>

#include "picture/PictureFit.h"

enum class Dither { None, FloydSteinberg, Ordered };

struct ToneOptions {
    Dither dither = Dither::None;
    unsigned threshold = 128;
    bool invert = false;
};

// Pixels with less alpha than this count as transparent.
constexpr unsigned OpaqueAlpha = 128;

// Luminance of an sRGB colour, 0 .. 255 (ITU-R BT.601 weights on the sRGB
// values, rounded): what the threshold is compared with.
unsigned Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// One byte a pixel, row-major from the top: 1 lit, 0 dark.
std::vector<std::uint8_t> LitPixels(const RgbaPicture& picture, const ToneOptions& options);

#endif

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
// The two dithers work on the light the pixel gives (linear luminance, from
// the sRGB values), since a board seen from afar mixes the light of its LEDs:
// a mid grey lights about a fifth of them, not half. Inverting takes the
// light from full. The threshold is for None alone: error diffusion keeps the
// brightness whatever the threshold, and the matrix is the threshold.
#ifndef LUMIGRID_PICTURE_DITHERING_H
#define LUMIGRID_PICTURE_DITHERING_H

#include <cstdint>
#include <vector>

#include "PictureFit.h"

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

// The light of an sRGB colour, 0 .. 1 (ITU-R BT.709 weights in linear light).
float LinearLuminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// One byte a pixel, row-major from the top: 1 lit, 0 dark.
std::vector<std::uint8_t> LitPixels(const RgbaPicture& picture, const ToneOptions& options);

#endif

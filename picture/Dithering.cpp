#include "picture/Dithering.h"

#include <algorithm>
#include <utility>

namespace {

// Bayer's matrix of order 8: each threshold step lights the LEDs furthest
// from those lit before.
const std::uint8_t BayerMatrix[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},   {63, 31, 55, 23, 61, 29, 53, 21},
};

bool Opaque(const std::uint8_t* pixel) { return pixel[3] >= OpaqueAlpha; }

// The pixel's brightness from 0 to 1: the luminance the threshold is
// compared with, unrounded.
float Brightness(const std::uint8_t* pixel, bool invert) {
    const float brightness = (299.0f * pixel[0] + 587.0f * pixel[1] + 114.0f * pixel[2]) / 255000.0f;
    return invert ? 1.0f - brightness : brightness;
}

void Threshold(const RgbaPicture& picture, const ToneOptions& options, std::vector<std::uint8_t>* lit) {
    for (std::size_t i = 0; i < lit->size(); ++i) {
        const std::uint8_t* pixel = &picture.pixels[i * 4];
        const bool bright = Luminance(pixel[0], pixel[1], pixel[2]) >= options.threshold;
        (*lit)[i] = Opaque(pixel) && bright != options.invert;
    }
}

void Ordered(const RgbaPicture& picture, bool invert, std::vector<std::uint8_t>* lit) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * picture.width + x;
            const std::uint8_t* pixel = &picture.pixels[i * 4];
            // A brightness of k / 64 lights the k cells numbered below k.
            (*lit)[i] = Opaque(pixel) && Brightness(pixel, invert) * 64.0f > BayerMatrix[y % 8][x % 8] + 0.5f;
        }
}

// Each row's error goes to the next pixel along the row and to three below;
// rows run left to right and right to left by turns. A transparent pixel
// takes no error and passes none on.
void FloydSteinberg(const RgbaPicture& picture, bool invert, std::vector<std::uint8_t>* lit) {
    const int width = picture.width;
    // One spare place at each end, so that the error spilling over an edge needs no test.
    std::vector<float> here(width + 2, 0.0f), below(width + 2, 0.0f);
    for (int y = 0; y < picture.height; ++y) {
        const bool rightwards = y % 2 == 0;
        const int step = rightwards ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = rightwards ? i : width - 1 - i;
            const std::size_t at = static_cast<std::size_t>(y) * width + x;
            const std::uint8_t* pixel = &picture.pixels[at * 4];
            if (!Opaque(pixel)) continue;
            const float wanted = Brightness(pixel, invert) + here[x + 1];
            const bool on = wanted >= 0.5f;
            (*lit)[at] = on;
            const float error = wanted - (on ? 1.0f : 0.0f);
            here[x + 1 + step] += error * 7.0f / 16.0f;
            below[x + 1 - step] += error * 3.0f / 16.0f;
            below[x + 1] += error * 5.0f / 16.0f;
            below[x + 1 + step] += error * 1.0f / 16.0f;
        }
        std::swap(here, below);
        std::fill(below.begin(), below.end(), 0.0f);
    }
}

}  // namespace

unsigned Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (299u * red + 587u * green + 114u * blue + 500u) / 1000u;
}

std::vector<std::uint8_t> LitPixels(const RgbaPicture& picture, const ToneOptions& options) {
    std::vector<std::uint8_t> lit(static_cast<std::size_t>(picture.width) * picture.height, 0);
    switch (options.dither) {
    case Dither::None: Threshold(picture, options, &lit); break;
    case Dither::FloydSteinberg: FloydSteinberg(picture, options.invert, &lit); break;
    case Dither::Ordered: Ordered(picture, options.invert, &lit); break;
    }
    return lit;
}

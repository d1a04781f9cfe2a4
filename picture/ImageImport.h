// ImageImport: pictures to a pattern. Every picture file is one frame, and
// every frame of an animated GIF one of its own, in order. A pixel is lit when
// it is opaque and its luminance is at or above the threshold; inverted, when
// it is opaque and below. Transparent pixels are never lit: they are where the
// picture has nothing.
//
// All frames must share one size of at most 255 x 255, and there are at most
// LedPattern::MaxFrames of them; otherwise nothing is made. The pattern has
// the header a new pattern gets (add-to-list flag 0) with the chosen control
// code and wait.
#ifndef LUMIGRID_PICTURE_IMAGEIMPORT_H
#define LUMIGRID_PICTURE_IMAGEIMPORT_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LedPattern.h"

struct ImportOptions {
    std::uint8_t controlCode = ControlAnimation;
    std::uint8_t wait = 1;
    unsigned threshold = 128;
    bool invert = false;
};

struct ImportResult {
    std::unique_ptr<LedPattern> pattern;   // null when refused
    std::string problem;                   // one line for the user when refused
};

// Pixels with less alpha than this count as transparent.
constexpr unsigned OpaqueAlpha = 128;

// Luminance of an sRGB colour, 0 .. 255 (ITU-R BT.601 weights, rounded).
unsigned Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

ImportResult ImportImages(const std::vector<std::string>& paths, const ImportOptions& options);

#endif

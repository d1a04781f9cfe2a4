// Pictures: what the sign shows at one moment. The display program carries
// frames in pairs, frames 2i and 2i + 1 after one command word with one wait,
// and the sign shows the two side by side as picture i: plane 0 on the left,
// plane 1 on the right, a canvas of 2W x H for frames of W x H. With one
// plane a picture is one frame.
//
// Everything that makes or shows moving content (text, effects, imported
// animations, previews, exported code) works on pictures through these
// functions, so that the rule lives here alone.
#ifndef LUMIGRID_PATTERN_PICTURECANVAS_H
#define LUMIGRID_PATTERN_PICTURECANVAS_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pattern/document/LedPattern.h"

enum class Planes : std::uint8_t { One = 1, Two = 2 };

inline unsigned PlaneCount(Planes planes) { return static_cast<unsigned>(planes); }

// Pictures of a pattern of frameCount frames: an odd last frame is a picture
// of its own, with a dark partner.
inline std::uint32_t PictureCount(std::uint32_t frameCount, Planes planes) {
    return (frameCount + PlaneCount(planes) - 1) / PlaneCount(planes);
}
// The frame width that holds a canvas of canvasWidth columns: half of it,
// rounded up, with two planes (an odd width leaves a dark column at the
// right of plane 1).
inline unsigned FrameWidthFor(unsigned canvasWidth, Planes planes) {
    return (canvasWidth + PlaneCount(planes) - 1) / PlaneCount(planes);
}

// One picture's LEDs, row-major, most significant bit leftmost, 1 = lit, as
// a frame's; up to 2 x 255 columns wide. Cells outside are dark and ignored.
class PictureCanvas {
public:
    PictureCanvas() = default;
    PictureCanvas(unsigned width, unsigned height);

    unsigned Width() const { return width_; }
    unsigned Height() const { return height_; }
    std::size_t RowBytes() const { return rowBytes_; }

    bool Get(unsigned x, unsigned y) const;
    void Set(unsigned x, unsigned y, bool lit);
    bool Empty() const;

    // Row y's bytes; the bits past the width are 0.
    const std::uint8_t* Row(unsigned y) const { return bits_.data() + y * rowBytes_; }
    std::uint8_t* Row(unsigned y) { return bits_.data() + y * rowBytes_; }

    bool operator==(const PictureCanvas& other) const;
    bool operator!=(const PictureCanvas& other) const { return !(*this == other); }

private:
    unsigned width_ = 0;
    unsigned height_ = 0;
    std::size_t rowBytes_ = 0;
    std::vector<std::uint8_t> bits_;
};

// Picture i of the pattern: its planes' frames side by side, a frame past the
// last one dark.
PictureCanvas PictureOf(const LedPattern& pattern, std::uint32_t picture, Planes planes);

// Plane p of the canvas as the bits of a frame of columns x rows, rowBytes
// a row: the canvas's columns p x columns .. p x columns + columns - 1, the
// columns and rows past the canvas dark, the spare bits of each row clear.
void WritePlane(const PictureCanvas& canvas, unsigned plane, unsigned columns, unsigned rows, std::size_t rowBytes,
                std::uint8_t* bits);

// Splits canvas into the frames of picture i, which must exist in the
// pattern (a partner past the last frame is dropped). Plane p takes the
// columns p x W .. p x W + W - 1; columns past the canvas are dark, and a
// canvas wider than the picture is cut at its right.
void SetPicture(LedPattern& pattern, std::uint32_t picture, const PictureCanvas& canvas, Planes planes);

// Makes the pattern hold pictures whole: pictures x planes frames, at most
// LedPattern::MaxFrames. False when that many do not fit or cannot be had.
bool SetPictureCount(LedPattern& pattern, std::uint32_t pictures, Planes planes);

// The frame count after ReplacePicture of picture i by count frames.
std::uint64_t FramesAfterReplacing(const LedPattern& pattern, std::uint32_t picture, std::uint32_t count,
                                   Planes planes);
// The frames of picture i (fewer than the planes at an odd end) give way to
// frames 0 .. count - 1 of source, which has the pattern's frame size; the
// frames before and after stay. False, changing nothing, when the picture
// is not in the pattern, the count would be 0 or pass LedPattern::MaxFrames,
// or memory runs out.
bool ReplacePicture(LedPattern& pattern, std::uint32_t picture, const LedPattern& source, std::uint32_t count,
                    Planes planes);

#endif

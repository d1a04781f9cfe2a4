// FrameBitmap: one frame between its two arrangements, the pattern's rows
// (row-major, rows x row bytes, most significant bit leftmost, 1 = lit) and
// the display program's bitmap (column by column from the left, each column
// from the top row down, 1 = not lit, bits running on across columns, the
// last byte padded with zeros).
//
// Both directions turn 8 x 8 bit blocks at a time, so a frame costs a few
// operations per byte instead of a call per pixel; the bitmaps are written
// sixteen rows at a time where the processor has SSE2.
#ifndef LUMIGRID_PATTERN_FRAMEBITMAP_H
#define LUMIGRID_PATTERN_FRAMEBITMAP_H

#include <cstddef>
#include <cstdint>

#include "pattern/program/FrameBitmapParts.h"

// Bytes of one frame's bitmap: columns x rows bits, rounded up.
std::uint32_t FrameProgramBytes(std::uint8_t columns, std::uint8_t rows);

// The largest bitmap, of 255 x 255 pixels.
constexpr std::size_t MaxFrameProgramBytes = (255 * 255 + 7) / 8;

// Writes the bitmap of a frame of rows x ceil(columns / 8) bytes to bitmap
// (FrameProgramBytes of room); a null frame is written as all unlit. The
// bits of a row after its last column are not looked at. Returns the length.
std::size_t WriteFrameBitmap(const std::uint8_t* frame, std::uint8_t columns, std::uint8_t rows,
                             std::uint8_t* bitmap);

// The bitmaps of many frames of one size, each as WriteFrameBitmap writes
// it, with the size's arithmetic done once: a list of small frames has tens
// of thousands of them.
class FrameBitmapWriter {
public:
    // Fastest takes the vector unit where there is one; Portable never does
    // (the two give the same bytes).
    enum class Method { Fastest, Portable };

    FrameBitmapWriter(std::uint8_t columns, std::uint8_t rows, Method method = Method::Fastest);

    std::size_t FrameBytes() const { return geometry_.frameBytes; }
    std::size_t BitmapBytes() const { return geometry_.bitmapBytes; }
    // Writes the bitmaps of count frames that lie one after another (FrameBytes
    // apart) to bitmaps, one after another (count x BitmapBytes of room);
    // null frames are all unlit. Returns the bytes written.
    std::size_t Write(const std::uint8_t* frames, std::size_t count, std::uint8_t* bitmaps) const;

private:
    FrameGeometry geometry_;
    bool vector_;
};

// Reads a bitmap of FrameProgramBytes bytes back into the rows of a frame;
// the bits of a row after its last column are left 0, and the padding after
// the bitmap's last pixel is ignored.
void ReadFrameBitmap(const std::uint8_t* bitmap, std::uint8_t columns, std::uint8_t rows, std::uint8_t* frame);

// Whether the bits after the bitmap's last pixel are 0, as WriteFrameBitmap
// leaves them.
bool BitmapPaddingIsClear(const std::uint8_t* bitmap, std::uint8_t columns, std::uint8_t rows);

#endif

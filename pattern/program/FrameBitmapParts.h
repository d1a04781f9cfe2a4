// The parts that FrameBitmap.cpp and the SSE2 frame writer share: a frame
// size's arithmetic, done once, and the packing of whole column bytes into a
// bitmap whose columns do not end on a byte.
#ifndef LUMIGRID_PATTERN_FRAMEBITMAPPARTS_H
#define LUMIGRID_PATTERN_FRAMEBITMAPPARTS_H

#include <cstddef>
#include <cstdint>

struct FrameGeometry {
    unsigned columns;
    unsigned rows;
    std::size_t rowBytes;       // of a frame row
    unsigned columnBytes;       // of a column as whole bytes from the top
    std::size_t frameBytes;     // rows x rowBytes
    std::size_t bitmapBytes;    // FrameProgramBytes
    bool aligned;               // rows % 8 == 0: each column is whole bytes in the bitmap
};

// Apart in a column buffer: the most column bytes, of 255 rows and then some.
constexpr std::size_t ColumnStride = 32;
// A column buffer holds every column of the widest frame.
constexpr std::size_t ColumnBufferBytes = 256 * ColumnStride;

// Packs the columns of a frame, each held as whole bytes from the top,
// ColumnStride apart (the bits past the last row are not looked at), into
// bitmap with the bits running on across columns; returns the length.
std::size_t PackColumns(const std::uint8_t* columnBuffer, const FrameGeometry& geometry, std::uint8_t* bitmap);

#if defined(__SSE2__)
// Writes the bitmaps of count frames, frame after frame, with sixteen rows
// at a time in the vector unit; columnBuffer is ColumnBufferBytes of room,
// aligned to 16. The same bytes as the portable path.
std::size_t WriteFrameBitmapsSse2(const FrameGeometry& geometry, const std::uint8_t* frames, std::size_t count,
                                  std::uint8_t* bitmaps, std::uint8_t* columnBuffer);
#endif

#endif

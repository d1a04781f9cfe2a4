#include "pattern/document/FrameResize.h"

#include <cstddef>
#include <new>

namespace {

// How far the old LEDs move: none, half the change, or all of it.
int Offset(int oldSize, int newSize, int anchorPlace) { return (newSize - oldSize) * anchorPlace / 2; }

}  // namespace

bool ResizeFrames(LedPattern& pattern, int columns, int rows, ResizeAnchor anchor) {
    if (columns < 1 || columns > 255 || rows < 1 || rows > 255) return false;
    if (columns == pattern.columns && rows == pattern.rows) return false;
    const std::uint8_t rowBytes = LedPattern::RowBytesFor(static_cast<std::uint8_t>(columns));
    const std::size_t frameSize = static_cast<std::size_t>(rows) * rowBytes;
    const std::size_t bytes = frameSize * pattern.frameCount;
    std::unique_ptr<std::uint8_t[]> resized(new (std::nothrow) std::uint8_t[bytes ? bytes : 1]());
    if (!resized) return false;

    const int place = static_cast<int>(anchor);
    const int dx = Offset(pattern.columns, columns, place % 3);
    const int dy = Offset(pattern.rows, rows, place / 3);
    for (std::uint32_t frame = 0; frame < pattern.frameCount; ++frame) {
        std::uint8_t* target = resized.get() + frame * frameSize;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x) {
                const int fromX = x - dx, fromY = y - dy;
                if (fromX < 0 || fromX >= pattern.columns || fromY < 0 || fromY >= pattern.rows) continue;
                if (pattern.GetPixel(frame, static_cast<unsigned>(fromX), static_cast<unsigned>(fromY)))
                    target[static_cast<std::size_t>(y) * rowBytes + (x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
            }
    }
    pattern.frames = std::move(resized);
    pattern.columns = static_cast<std::uint8_t>(columns);
    pattern.rows = static_cast<std::uint8_t>(rows);
    pattern.rowBytes = rowBytes;
    pattern.header.columns = pattern.columns;
    pattern.header.rows = pattern.rows;
    pattern.header.rowBytes = rowBytes;
    pattern.modified = true;
    return true;
}

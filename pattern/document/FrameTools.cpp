#include "pattern/document/FrameTools.h"

#include <cstring>
#include <vector>

namespace {

std::uint8_t* FrameBytes(LedPattern& pattern, std::uint32_t frame) {
    return pattern.frames.get() + static_cast<std::size_t>(frame) * pattern.FrameSize();
}

bool PixelOf(const std::vector<std::uint8_t>& frame, std::uint8_t rowBytes, int x, int y) {
    return (frame[static_cast<std::size_t>(y) * rowBytes + (x >> 3)] & (0x80 >> (x & 7))) != 0;
}

// Grows the pattern by one frame with the frames from index on moved back
// one place; the frame at index is then the caller's to fill.
bool OpenGap(LedPattern& pattern, std::uint32_t index) {
    const std::uint32_t count = pattern.frameCount;
    if (count >= LedPattern::MaxFrames || index > count) return false;
    pattern.SetFrameCount(count + 1);
    if (pattern.frameCount != count + 1) return false;
    const std::size_t size = pattern.FrameSize();
    std::memmove(FrameBytes(pattern, index + 1), FrameBytes(pattern, index), (count - index) * size);
    return true;
}

}  // namespace

bool ShiftFrame(LedPattern& pattern, std::uint32_t frame, ShiftDirection direction) {
    if (frame >= pattern.frameCount) return false;
    std::uint8_t* bytes = FrameBytes(pattern, frame);
    const std::vector<std::uint8_t> before(bytes, bytes + pattern.FrameSize());
    int dx = 0, dy = 0;
    switch (direction) {
    case ShiftDirection::Up: dy = 1; break;
    case ShiftDirection::Down: dy = -1; break;
    case ShiftDirection::Left: dx = 1; break;
    case ShiftDirection::Right: dx = -1; break;
    }
    // Each LED takes the state of its neighbour on the side it moves from.
    for (int y = 0; y < pattern.rows; ++y)
        for (int x = 0; x < pattern.columns; ++x) {
            const int fromX = x + dx, fromY = y + dy;
            const bool lit = fromX >= 0 && fromX < pattern.columns && fromY >= 0 && fromY < pattern.rows &&
                             PixelOf(before, pattern.rowBytes, fromX, fromY);
            std::uint8_t& byte = bytes[static_cast<std::size_t>(y) * pattern.rowBytes + (x >> 3)];
            const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
            byte = static_cast<std::uint8_t>(lit ? byte | mask : byte & ~mask);
        }
    pattern.modified = true;
    return true;
}

bool InsertBlankFrame(LedPattern& pattern, std::uint32_t index) {
    if (!OpenGap(pattern, index)) return false;
    std::memset(FrameBytes(pattern, index), 0, pattern.FrameSize());
    return true;
}

bool DuplicateFrame(LedPattern& pattern, std::uint32_t frame) {
    if (frame >= pattern.frameCount || !OpenGap(pattern, frame + 1)) return false;
    std::memcpy(FrameBytes(pattern, frame + 1), FrameBytes(pattern, frame), pattern.FrameSize());
    return true;
}

bool DeleteFrame(LedPattern& pattern, std::uint32_t frame) {
    const std::uint32_t count = pattern.frameCount;
    if (count <= 1 || frame >= count) return false;
    const std::size_t size = pattern.FrameSize();
    std::vector<std::uint8_t> removed(FrameBytes(pattern, frame), FrameBytes(pattern, frame) + size);
    std::memmove(FrameBytes(pattern, frame), FrameBytes(pattern, frame + 1), (count - frame - 1) * size);
    pattern.SetFrameCount(count - 1);
    if (pattern.frameCount == count - 1) return true;
    // No memory for the smaller block: put the frame back where it was.
    std::memmove(FrameBytes(pattern, frame + 1), FrameBytes(pattern, frame), (count - frame - 1) * size);
    std::memcpy(FrameBytes(pattern, frame), removed.data(), size);
    return false;
}

void ReplaceFrames(LedPattern& pattern, LedPattern& source) {
    pattern.frames = std::move(source.frames);
    pattern.frameCount = source.frameCount;
    pattern.columns = source.columns;
    pattern.rows = source.rows;
    pattern.rowBytes = source.rowBytes;
    pattern.header.columns = source.columns;
    pattern.header.rows = source.rows;
    pattern.header.rowBytes = source.rowBytes;
    pattern.header.SetFrameCount(static_cast<std::uint16_t>(source.frameCount));
    pattern.modified = true;
    source.frameCount = 0;
}

#include "LedPattern.h"

#include <cstring>
#include <new>

LedPattern::LedPattern() : frameCount(0), rows(0), rowBytes(0), columns(0), modified(false) {
    std::memset(&header, 0, sizeof header);
}

LedPattern::~LedPattern() { Release(); }

std::uint8_t LedPattern::RowBytesFor(std::uint8_t columns) {
    return static_cast<std::uint8_t>((columns >> 3) + ((columns & 7) ? 1 : 0));
}

void LedPattern::Create(std::uint8_t newColumns, std::uint8_t newRows) {
    Release();
    columns = newColumns;
    rows = newRows;
    rowBytes = RowBytesFor(newColumns);
    frames[0].reset(new (std::nothrow) std::uint8_t[FrameSize()]());
    frameCount = frames[0] ? 1 : 0;
    modified = false;
    std::memcpy(header.magic, LedFileHeader::Magic, sizeof header.magic);
    header.controlCode = ControlAnimation;
    header.wait = 0;
    header.SetFrameCount(0);
    header.rows = rows;
    header.rowBytes = rowBytes;
    header.columns = columns;
    header.addToList = 0;
}

void LedPattern::Release() {
    fileName.reset();
    for (std::uint32_t i = 0; i < frameCount; ++i) frames[i].reset();
    frameCount = 0;
}

std::uint8_t* LedPattern::PixelByte(std::uint32_t frame, unsigned x, unsigned y) const {
    if (frame >= frameCount) return nullptr;
    return frames[frame].get() + static_cast<std::size_t>(y) * rowBytes + (x >> 3);
}

static std::uint8_t maskFor(unsigned x) { return static_cast<std::uint8_t>(0x80 >> (x & 7)); }

void LedPattern::TogglePixel(std::uint32_t frame, unsigned x, unsigned y) {
    if (std::uint8_t* byte = PixelByte(frame, x, y)) {
        *byte ^= maskFor(x);
        modified = true;
    }
}

void LedPattern::SetPixel(std::uint32_t frame, unsigned x, unsigned y) {
    if (std::uint8_t* byte = PixelByte(frame, x, y)) {
        *byte |= maskFor(x);
        modified = true;
    }
}

bool LedPattern::GetPixel(std::uint32_t frame, unsigned x, unsigned y) const {
    const std::uint8_t* byte = PixelByte(frame, x, y);
    return byte && (*byte & maskFor(x));
}

void LedPattern::InvertFrame(std::uint32_t frame) {
    if (frame >= frameCount) return;
    std::uint8_t* bytes = frames[frame].get();
    for (std::size_t i = 0; i < FrameSize(); ++i) bytes[i] = static_cast<std::uint8_t>(~bytes[i]);
    modified = true;
}

void LedPattern::ClearFrame(std::uint32_t frame) {
    if (frame >= frameCount) return;
    std::memset(frames[frame].get(), 0, FrameSize());
    modified = true;
}

void LedPattern::PasteFrame(std::uint32_t frame, const std::uint8_t* source) {
    if (frame >= frameCount) return;
    std::memcpy(frames[frame].get(), source, FrameSize());
    modified = true;
}

void LedPattern::CopyFrame(std::uint32_t frame, std::uint8_t* destination) const {
    if (frame >= frameCount) return;
    std::memcpy(destination, frames[frame].get(), FrameSize());
}

const std::uint8_t* LedPattern::Frame(std::uint32_t frame) const {
    return frame < frameCount ? frames[frame].get() : nullptr;
}

void LedPattern::SetFrameCount(std::uint32_t count) {
    if (count > MaxFrames) count = MaxFrames;
    for (std::uint32_t i = count; i < frameCount; ++i) frames[i].reset();
    std::uint32_t reached = count < frameCount ? count : frameCount;
    while (reached < count) {
        frames[reached].reset(new (std::nothrow) std::uint8_t[FrameSize()]());
        if (!frames[reached]) break;
        ++reached;
    }
    frameCount = reached;
    header.SetFrameCount(static_cast<std::uint16_t>(frameCount));
    modified = true;
}

void LedPattern::SetFileName(const char* path) {
    if (!path) {
        fileName.reset();
        return;
    }
    std::size_t length = std::strlen(path);
    std::unique_ptr<char[]> copy(new (std::nothrow) char[length + 1]);
    if (!copy) return;
    std::memcpy(copy.get(), path, length + 1);
    fileName = std::move(copy);
}

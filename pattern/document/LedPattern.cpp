#include "pattern/document/LedPattern.h"

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
    frames = NewFrames(1);
    frameCount = frames ? 1 : 0;
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
    frames.reset();
    frameCount = 0;
}

std::uint8_t* LedPattern::PixelByte(std::uint32_t frame, unsigned x, unsigned y) const {
    if (frame >= frameCount) return nullptr;
    return frames.get() + frame * FrameSize() + static_cast<std::size_t>(y) * rowBytes + (x >> 3);
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
    std::uint8_t* bytes = frames.get() + frame * FrameSize();
    for (std::size_t i = 0; i < FrameSize(); ++i) bytes[i] = static_cast<std::uint8_t>(~bytes[i]);
    modified = true;
}

void LedPattern::ClearFrame(std::uint32_t frame) {
    if (frame >= frameCount) return;
    std::memset(frames.get() + frame * FrameSize(), 0, FrameSize());
    modified = true;
}

void LedPattern::PasteFrame(std::uint32_t frame, const std::uint8_t* source) {
    if (frame >= frameCount) return;
    std::memcpy(frames.get() + frame * FrameSize(), source, FrameSize());
    modified = true;
}

void LedPattern::CopyFrame(std::uint32_t frame, std::uint8_t* destination) const {
    if (frame >= frameCount) return;
    std::memcpy(destination, frames.get() + frame * FrameSize(), FrameSize());
}

const std::uint8_t* LedPattern::Frame(std::uint32_t frame) const {
    return frame < frameCount ? frames.get() + frame * FrameSize() : nullptr;
}

void LedPattern::SetFrameCount(std::uint32_t count) {
    if (count > MaxFrames) count = MaxFrames;
    if (count != frameCount) {
        std::unique_ptr<std::uint8_t[]> resized = NewFrames(count);
        if (resized) {
            std::uint32_t kept = count < frameCount ? count : frameCount;
            if (kept) std::memcpy(resized.get(), frames.get(), kept * FrameSize());
            frames = std::move(resized);
            frameCount = count;
        }
    }
    header.SetFrameCount(static_cast<std::uint16_t>(frameCount));
    modified = true;
}

// A zero-filled block for count frames; never empty, so that a frame of no
// bytes still has an address to copy from and to.
std::unique_ptr<std::uint8_t[]> LedPattern::NewFrames(std::uint32_t count) const {
    std::size_t bytes = count * FrameSize();
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[bytes ? bytes : 1]());
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

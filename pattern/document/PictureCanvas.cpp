#include "pattern/document/PictureCanvas.h"

#include <algorithm>
#include <cstring>
#include <new>

PictureCanvas::PictureCanvas(unsigned width, unsigned height)
    : width_(width), height_(height), rowBytes_((width + 7) / 8), bits_(rowBytes_ * height) {}

bool PictureCanvas::Get(unsigned x, unsigned y) const {
    if (x >= width_ || y >= height_) return false;
    return bits_[y * rowBytes_ + x / 8] & (0x80u >> (x % 8));
}

void PictureCanvas::Set(unsigned x, unsigned y, bool lit) {
    if (x >= width_ || y >= height_) return;
    std::uint8_t& byte = bits_[y * rowBytes_ + x / 8];
    std::uint8_t mask = static_cast<std::uint8_t>(0x80u >> (x % 8));
    byte = static_cast<std::uint8_t>(lit ? byte | mask : byte & ~mask);
}

bool PictureCanvas::Empty() const {
    return std::all_of(bits_.begin(), bits_.end(), [](std::uint8_t byte) { return byte == 0; });
}

bool PictureCanvas::operator==(const PictureCanvas& other) const {
    return width_ == other.width_ && height_ == other.height_ && bits_ == other.bits_;
}

namespace {

// Copies count bits from source at bit offset from to target at bit offset to,
// most significant bit first, as rows of frames and canvases hold them.
void CopyBits(const std::uint8_t* source, unsigned from, std::uint8_t* target, unsigned to, unsigned count) {
    unsigned i = 0;
    if (from % 8 == 0 && to % 8 == 0) {
        // Whole bytes where both sides are aligned, as with planes of whole bytes.
        std::memcpy(target + to / 8, source + from / 8, count / 8);
        i = count / 8 * 8;
    }
    for (; i < count; ++i) {
        unsigned s = from + i, t = to + i;
        std::uint8_t mask = static_cast<std::uint8_t>(0x80u >> (t % 8));
        if (source[s / 8] & (0x80u >> (s % 8))) target[t / 8] |= mask;
        else target[t / 8] = static_cast<std::uint8_t>(target[t / 8] & ~mask);
    }
}

}  // namespace

PictureCanvas PictureOf(const LedPattern& pattern, std::uint32_t picture, Planes planes) {
    unsigned columns = pattern.columns;
    PictureCanvas canvas(columns * PlaneCount(planes), pattern.rows);
    for (unsigned plane = 0; plane < PlaneCount(planes); ++plane) {
        std::uint64_t frame = static_cast<std::uint64_t>(picture) * PlaneCount(planes) + plane;
        const std::uint8_t* bits = frame < pattern.frameCount ? pattern.Frame(static_cast<std::uint32_t>(frame)) : nullptr;
        if (!bits) continue;
        for (unsigned y = 0; y < pattern.rows; ++y)
            CopyBits(bits + y * pattern.rowBytes, 0, canvas.Row(y), plane * columns, columns);
    }
    return canvas;
}

void WritePlane(const PictureCanvas& canvas, unsigned plane, unsigned columns, unsigned rows, std::size_t rowBytes,
                std::uint8_t* bits) {
    std::fill(bits, bits + rows * rowBytes, std::uint8_t{0});
    const unsigned first = plane * columns;
    const unsigned shown = canvas.Width() > first ? std::min(columns, canvas.Width() - first) : 0;
    const unsigned copied = std::min(rows, canvas.Height());
    for (unsigned y = 0; y < copied; ++y) CopyBits(canvas.Row(y), first, bits + y * rowBytes, 0, shown);
}

void SetPicture(LedPattern& pattern, std::uint32_t picture, const PictureCanvas& canvas, Planes planes) {
    std::vector<std::uint8_t> bits(pattern.FrameSize());
    for (unsigned plane = 0; plane < PlaneCount(planes); ++plane) {
        std::uint64_t frame = static_cast<std::uint64_t>(picture) * PlaneCount(planes) + plane;
        if (frame >= pattern.frameCount) return;
        WritePlane(canvas, plane, pattern.columns, pattern.rows, pattern.rowBytes, bits.data());
        pattern.PasteFrame(static_cast<std::uint32_t>(frame), bits.data());
    }
}

bool SetPictureCount(LedPattern& pattern, std::uint32_t pictures, Planes planes) {
    std::uint64_t frames = static_cast<std::uint64_t>(pictures) * PlaneCount(planes);
    if (frames == 0 || frames > LedPattern::MaxFrames) return false;
    pattern.SetFrameCount(static_cast<std::uint32_t>(frames));
    return pattern.frameCount == frames;
}

namespace {

// The frames picture i holds in the pattern, a partner past the last frame not counted.
std::uint32_t FramesOfPicture(const LedPattern& pattern, std::uint32_t picture, Planes planes) {
    const std::uint64_t first = static_cast<std::uint64_t>(picture) * PlaneCount(planes);
    if (first >= pattern.frameCount) return 0;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(PlaneCount(planes), pattern.frameCount - first));
}

}  // namespace

std::uint64_t FramesAfterReplacing(const LedPattern& pattern, std::uint32_t picture, std::uint32_t count,
                                   Planes planes) {
    return static_cast<std::uint64_t>(pattern.frameCount) - FramesOfPicture(pattern, picture, planes) + count;
}

bool ReplacePicture(LedPattern& pattern, std::uint32_t picture, const LedPattern& source, std::uint32_t count,
                    Planes planes) {
    const std::uint32_t replaced = FramesOfPicture(pattern, picture, planes);
    const std::uint64_t total = FramesAfterReplacing(pattern, picture, count, planes);
    if (replaced == 0 || count == 0 || count > source.frameCount || source.FrameSize() != pattern.FrameSize() ||
        total > LedPattern::MaxFrames)
        return false;
    const std::size_t size = pattern.FrameSize();
    const std::uint32_t first = picture * PlaneCount(planes);
    const std::uint32_t kept = pattern.frameCount - first - replaced;
    // The frames after the picture, kept aside while the block changes size.
    std::vector<std::uint8_t> after;
    try {
        after.resize(kept * size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (std::uint32_t frame = 0; frame < kept; ++frame) pattern.CopyFrame(first + replaced + frame, after.data() + frame * size);
    // A block that cannot be had leaves the frames as they were.
    pattern.SetFrameCount(static_cast<std::uint32_t>(total));
    if (pattern.frameCount != total) return false;
    for (std::uint32_t frame = 0; frame < count; ++frame) pattern.PasteFrame(first + frame, source.Frame(frame));
    for (std::uint32_t frame = 0; frame < kept; ++frame) pattern.PasteFrame(first + count + frame, after.data() + frame * size);
    return true;
}

#include "pattern/document/PatternFrameReader.h"

#include <cstring>
#include <new>

namespace {

// About this much of the file is read at a time.
const std::size_t ChunkBytes = 64 * 1024;

// Reads until count bytes are in or the file yields nothing more.
std::size_t ReadFully(CFile& file, std::uint8_t* into, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const unsigned long got = file.Read(into + done, static_cast<unsigned long>(count - done));
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace

PatternFrameReader::PatternFrameReader()
    : file_(PatternFileFilter), pattern_(nullptr), frameSize_(0), next_(0), left_(0), held_(0), taken_(0) {}

PatternLoadResult PatternFrameReader::Open(const char* path) {
    LedFileHeader header;
    std::memset(&header, 0, sizeof header);
    if (!path || file_.Open(path, 1) != 1) return PatternLoadResult{nullptr, PatternLoadStatus::CannotOpen, header, 0, false};
    const std::uint64_t size = file_.GetSize();
    const bool headerRead =
        ReadFully(file_, reinterpret_cast<std::uint8_t*>(&header), LedFileHeader::Size) == LedFileHeader::Size;
    const std::uint32_t count = header.FrameCount();
    const bool checked = headerRead && header.HasMagic() && count <= LedPattern::MaxFrames &&
                         header.rowBytes == LedPattern::RowBytesFor(header.columns);
    const std::uint64_t frames = static_cast<std::uint64_t>(header.rows) * header.rowBytes * count;
    std::unique_ptr<LedPattern> pattern(checked ? new (std::nothrow) LedPattern : nullptr);
    if (pattern) {
        pattern->Create(header.columns, header.rows);
        frameSize_ = pattern->FrameSize();
        // No more frames than the pattern has: most are far smaller than a chunk.
        const std::uint32_t held = count != 0 && count < ChunkFrames() ? count : ChunkFrames();
        frames_.reset(new (std::nothrow) std::uint8_t[held * (frameSize_ ? frameSize_ : 1)]);
    }
    if (!pattern || !frames_ || size < LedFileHeader::Size + frames) {
        // Refused, short, or of no size that can be told: the whole read
        // decides, as it always has.
        file_.Close();
        PatternLoadResult whole = ReadPatternFile(path);
        pattern_ = whole.pattern.get();
        return whole;
    }
    // Its frames are NextFrame's.
    pattern->frames.reset();
    pattern->frameCount = 0;
    pattern->header.SetFrameCount(static_cast<std::uint16_t>(count));
    pattern->header.controlCode = header.controlCode;
    pattern->header.wait = header.wait;
    pattern->SetFileName(file_.GetFilename());
    pattern->modified = false;
    left_ = count;
    return PatternLoadResult{std::move(pattern), PatternLoadStatus::Loaded, header, count, false};
}

std::uint32_t PatternFrameReader::ChunkFrames() const {
    return frameSize_ == 0 || frameSize_ >= ChunkBytes ? 1 : static_cast<std::uint32_t>(ChunkBytes / frameSize_);
}

const std::uint8_t* PatternFrameReader::NextFrame() {
    std::uint32_t got;
    return NextFrames(1, &got);
}

const std::uint8_t* PatternFrameReader::NextFrames(std::uint32_t wanted, std::uint32_t* got) {
    if (wanted == 0) wanted = 1;
    const std::uint32_t frame = next_;
    if (pattern_) {
        const std::uint32_t held = frame < pattern_->frameCount ? pattern_->frameCount - frame : 0;
        *got = held == 0 || wanted < held ? wanted : held;
        next_ += *got;
        return pattern_->Frame(frame);
    }
    if (taken_ == held_) {
        held_ = left_ < ChunkFrames() ? left_ : ChunkFrames();
        if (held_ == 0) held_ = 1;   // past the last frame: a blank one
        left_ -= left_ < held_ ? left_ : held_;
        taken_ = 0;
        // A file cut short while it is read leaves the rest blank.
        const std::size_t bytes = held_ * frameSize_;
        const std::size_t read = ReadFully(file_, frames_.get(), bytes);
        if (read < bytes) std::memset(frames_.get() + read, 0, bytes - read);
    }
    *got = held_ - taken_ < wanted ? held_ - taken_ : wanted;
    const std::uint8_t* frames = frames_.get() + taken_ * frameSize_;
    taken_ += *got;
    next_ += *got;
    return frames;
}

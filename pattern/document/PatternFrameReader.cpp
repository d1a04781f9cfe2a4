#include "pattern/document/PatternFrameReader.h"

#include <cstring>
#include <new>

namespace {

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

PatternFrameReader::PatternFrameReader() : file_(PatternFileFilter), pattern_(nullptr), frameSize_(0), next_(0) {}

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
        frame_.reset(new (std::nothrow) std::uint8_t[frameSize_ ? frameSize_ : 1]);
    }
    if (!pattern || !frame_ || size < LedFileHeader::Size + frames) {
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
    return PatternLoadResult{std::move(pattern), PatternLoadStatus::Loaded, header, count, false};
}

const std::uint8_t* PatternFrameReader::NextFrame() {
    const std::uint32_t frame = next_++;
    if (pattern_) return pattern_->Frame(frame);
    // A file cut short while it is read leaves the rest of the frame blank.
    const std::size_t got = ReadFully(file_, frame_.get(), frameSize_);
    if (got < frameSize_) std::memset(frame_.get() + got, 0, frameSize_ - got);
    return frame_.get();
}

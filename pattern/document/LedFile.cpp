#include "pattern/document/LedFile.h"

#include <cstring>
#include <new>

#include "pattern/files/ReplacementFile.h"

const char PatternFileFilter[] = "Lumigrid Data (*.led)\0*.led\0All Files (*.*)\0*.*\0";
const char PatternFileExtension[] = "led";

namespace {

PatternLoadResult Refused(PatternLoadStatus status, const LedFileHeader& header) {
    PatternLoadResult result{nullptr, status, header, 0, false};
    return result;
}

// Reads until count bytes are in or the file yields nothing more.
unsigned long ReadFully(CFile& file, std::uint8_t* into, unsigned long count) {
    unsigned long done = 0;
    while (done < count) {
        unsigned long got = file.Read(into + done, count - done);
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace

PatternLoadResult ReadPatternFile(const char* path) {
    CFile file(PatternFileFilter);
    if (!path || file.Open(path, 1) != 1) {
        LedFileHeader none;
        std::memset(&none, 0, sizeof none);
        return Refused(PatternLoadStatus::CannotOpen, none);
    }
    return ReadPatternFile(file);
}

PatternLoadResult ReadPatternFile(CFile& file) {
    struct Closer {
        CFile& file;
        ~Closer() { file.Close(); }
    } closer{file};

    LedFileHeader header;
    std::memset(&header, 0, sizeof header);
    if (ReadFully(file, reinterpret_cast<std::uint8_t*>(&header), LedFileHeader::Size) != LedFileHeader::Size ||
        !header.HasMagic())
        return Refused(PatternLoadStatus::NotPatternFile, header);
    const std::uint32_t count = header.FrameCount();
    if (count > LedPattern::MaxFrames) return Refused(PatternLoadStatus::TooManyFrames, header);
    if (header.rowBytes != LedPattern::RowBytesFor(header.columns))
        return Refused(PatternLoadStatus::RowBytesMismatch, header);

    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (!pattern) return Refused(PatternLoadStatus::OutOfMemory, header);
    pattern->Create(header.columns, header.rows);
    pattern->SetFrameCount(count);
    if (pattern->frameCount != count) return Refused(PatternLoadStatus::OutOfMemory, header);
    pattern->SetFileName(file.GetFilename());

    // All frames in one piece, straight into the pattern's block. A file
    // that ends inside a frame gives that frame its surviving bytes followed
    // by the rest of the frame before it (zeros for frame 0), as a reader
    // with one frame-sized scratch buffer would; the frames after it stay
    // blank.
    const std::size_t frameSize = pattern->FrameSize();
    const std::size_t total = frameSize * count;
    std::uint8_t* frames = pattern->frames.get();
    const std::size_t got = total ? ReadFully(file, frames, static_cast<unsigned long>(total)) : 0;

    std::uint32_t framesRead = 0;
    if (frameSize == 0) {
        framesRead = count;
    } else {
        const std::uint32_t whole = static_cast<std::uint32_t>(got / frameSize);
        framesRead = whole;
        const std::size_t rest = got % frameSize;
        if (rest) {
            std::uint8_t* partial = frames + whole * frameSize;
            if (whole > 0) std::memcpy(partial + rest, partial - frameSize + rest, frameSize - rest);
            ++framesRead;
        }
    }

    PatternLoadResult result{nullptr, PatternLoadStatus::EndsEarly, header, framesRead,
                             frameSize != 0 && got % frameSize != 0};
    if (framesRead == count) {
        pattern->header.controlCode = header.controlCode;
        pattern->header.wait = header.wait;
        pattern->modified = false;
        result.status = PatternLoadStatus::Loaded;
    }
    result.pattern = std::move(pattern);
    return result;
}

std::unique_ptr<LedPattern> LoadPattern(HWND owner, const char* path) {
    CFile file(PatternFileFilter);
    if (owner) {
        file.Open(owner, 1);
    } else if (path) {
        file.Open(path, 1);
    }
    if (!file.GetFilename()[0]) return nullptr;
    return ReadPatternFile(file).pattern;
}

void WritePatternContents(ReplacementFile& output, const LedPattern& pattern) {
    output.Write(&pattern.header, LedFileHeader::Size);
    for (std::uint32_t i = 0; i < pattern.frameCount; ++i) output.Write(pattern.Frame(i), pattern.FrameSize());
}

bool SavePatternFile(LedPattern& pattern, const char* path) {
    ReplacementFile output;
    if (!output.Create(path)) return false;
    WritePatternContents(output, pattern);
    if (!output.Commit()) return false;
    pattern.SetFileName(path);
    pattern.modified = false;
    return true;
}

const char* ControlCodeName(std::uint8_t controlCode) {
    switch (controlCode) {
    case ControlNormal: return "Normal";
    case ControlAnimation: return "Animation";
    case ControlScroll: return "Scroll";
    case ControlOnOff: return "On-Off";
    default: return nullptr;
    }
}

const char* DescribePatternLoadStatus(PatternLoadStatus status) {
    switch (status) {
    case PatternLoadStatus::Loaded: return "loaded";
    case PatternLoadStatus::EndsEarly: return "the file ends before its last frame";
    case PatternLoadStatus::CannotOpen: return "cannot open the file";
    case PatternLoadStatus::NotPatternFile: return "not a pattern file";
    case PatternLoadStatus::TooManyFrames: return "more frames than a pattern can hold (2048)";
    case PatternLoadStatus::RowBytesMismatch: return "its row bytes do not match its columns";
    case PatternLoadStatus::OutOfMemory: return "not enough memory to load it";
    }
    return "unknown";
}

#include "ImageImport.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "ImageCodec.h"
#include "panekit/File.h"

namespace {

const int MaxSide = 255;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

// The whole file, through CFile like every file the program touches. False
// with a problem when it cannot be read or is too large to decode.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes, std::string* problem) {
    CFile file(nullptr);
    if (file.Open(path.c_str(), 1) != 1) {
        *problem = "cannot open " + Quoted(path);
        return false;
    }
    struct Closer {
        CFile& file;
        ~Closer() { file.Close(); }
    } closer{file};
    const unsigned long chunk = 64 * 1024;
    try {
        for (;;) {
            if (bytes->size() > MaxImageBytes) {
                *problem = Quoted(path) + " is larger than " + std::to_string(MaxImageBytes >> 20) + " MiB";
                return false;
            }
            const std::size_t had = bytes->size();
            bytes->resize(had + chunk);
            unsigned long got = file.Read(bytes->data() + had, chunk);
            bytes->resize(had + got);
            if (got == 0) break;
        }
    } catch (const std::bad_alloc&) {
        *problem = "not enough memory to read " + Quoted(path);
        return false;
    }
    // A failed read empties the name; the end of the file does not.
    if (!file.GetFilename()[0]) {
        *problem = "cannot read " + Quoted(path);
        return false;
    }
    return true;
}

// Collects the frames in one block that grows only when more frames come
// than were expected, and makes the pattern of them once at the end, so that
// the time to import grows with the frame count, not its square.
class PatternBuilder {
public:
    PatternBuilder(const ImportOptions& options, std::size_t expectedFrames)
        : options_(options), expectedFrames_(std::min<std::size_t>(expectedFrames, LedPattern::MaxFrames)) {}

    // Adds one decoded frame; false with a problem when it does not fit.
    bool AddFrame(const std::uint8_t* rgba, int width, int height, const std::string& path) {
        if (frames_ == 0) {
            columns_ = static_cast<std::uint8_t>(width);
            rows_ = static_cast<std::uint8_t>(height);
            rowBytes_ = LedPattern::RowBytesFor(columns_);
            frameSize_ = static_cast<std::size_t>(rows_) * rowBytes_;
            try {
                bytes_.reserve(expectedFrames_ * frameSize_);
            } catch (const std::bad_alloc&) {
                return OutOfMemory();
            }
        } else if (width != columns_ || height != rows_) {
            problem_ = Quoted(path) + " is " + SizeText(width, height) + " pixels, but the frames before it are " +
                       SizeText(columns_, rows_);
            return false;
        }
        if (frames_ == LedPattern::MaxFrames) {
            problem_ = "more than " + std::to_string(LedPattern::MaxFrames) + " frames (the most a pattern holds), " +
                       "reached in " + Quoted(path);
            return false;
        }
        const std::size_t at = bytes_.size();
        try {
            bytes_.resize(at + frameSize_);
        } catch (const std::bad_alloc&) {
            return OutOfMemory();
        }
        std::uint8_t* frame = bytes_.data() + at;
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* pixel = rgba + static_cast<std::size_t>(y) * width * 4;
            std::uint8_t* row = frame + static_cast<std::size_t>(y) * rowBytes_;
            // A row byte at a time, its pixels from the top bit down.
            for (int x = 0; x < width; x += 8) {
                const int count = width - x < 8 ? width - x : 8;
                unsigned byte = 0;
                for (int i = 0; i < count; ++i, pixel += 4) byte = byte << 1 | IsLit(pixel);
                row[x / 8] = static_cast<std::uint8_t>(byte << (8 - count));
            }
        }
        ++frames_;
        return true;
    }

    // The pattern of the frames added, or null (with a problem) when there
    // is no memory for it.
    std::unique_ptr<LedPattern> Finish() {
        std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
        if (!pattern) {
            OutOfMemory();
            return nullptr;
        }
        pattern->Create(columns_, rows_);
        // Create leaves the header's frame count to SetFrameCount.
        pattern->SetFrameCount(frames_);
        if (pattern->frameCount != frames_) {
            OutOfMemory();
            return nullptr;
        }
        if (!bytes_.empty()) std::memcpy(pattern->frames.get(), bytes_.data(), bytes_.size());
        pattern->header.controlCode = options_.controlCode;
        pattern->header.wait = options_.wait;
        pattern->header.addToList = 0;
        return pattern;
    }

    const std::string& Problem() const { return problem_; }
    std::uint32_t Frames() const { return frames_; }

private:
    unsigned IsLit(const std::uint8_t* pixel) const {
        const bool bright = Luminance(pixel[0], pixel[1], pixel[2]) >= options_.threshold;
        return (pixel[3] >= OpaqueAlpha) & (bright != options_.invert);
    }
    bool OutOfMemory() {
        problem_ = "not enough memory for the pattern";
        return false;
    }

    const ImportOptions& options_;
    const std::size_t expectedFrames_;
    std::uint8_t columns_ = 0, rows_ = 0, rowBytes_ = 0;
    std::size_t frameSize_ = 0;
    std::vector<std::uint8_t> bytes_;   // frame after frame
    std::uint32_t frames_ = 0;
    std::string problem_;
};

std::string DescribeRefusal(const ImageDecodeResult& result, const std::string& path) {
    const std::string reason = result.reason.empty() ? "" : " (" + result.reason + ")";
    switch (result.status) {
    case ImageDecodeStatus::NotAnImage:
        return "cannot read " + Quoted(path) + ": not a PNG, BMP, GIF or JPEG picture, or damaged" + reason;
    case ImageDecodeStatus::Damaged:
        return "cannot read " + Quoted(path) + ": damaged after frame " + std::to_string(result.frames) + reason;
    case ImageDecodeStatus::TooLarge:
        return Quoted(path) + (result.width ? " is " + SizeText(result.width, result.height) + " pixels" : " is too large") +
               "; a pattern holds at most " + SizeText(MaxSide, MaxSide);
    case ImageDecodeStatus::NoPixels:
        return Quoted(path) + " has no pixels";
    case ImageDecodeStatus::OutOfMemory:
        return "not enough memory to read " + Quoted(path);
    case ImageDecodeStatus::Decoded:
    case ImageDecodeStatus::Stopped:
        break;
    }
    return "cannot read " + Quoted(path);
}

}  // namespace

unsigned Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (299u * red + 587u * green + 114u * blue + 500u) / 1000u;
}

ImportResult ImportImages(const std::vector<std::string>& paths, const ImportOptions& options) {
    ImportResult result;
    // Each file is at least one frame.
    PatternBuilder builder(options, paths.size());
    for (const std::string& path : paths) {
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(path, &bytes, &result.problem)) return result;
        ImageDecodeResult decoded =
            DecodeImage(bytes.data(), bytes.size(), MaxSide, [&](const std::uint8_t* rgba, int width, int height) {
                return builder.AddFrame(rgba, width, height, path);
            });
        if (decoded.status == ImageDecodeStatus::Stopped) {
            result.problem = builder.Problem();
            return result;
        }
        if (decoded.status != ImageDecodeStatus::Decoded) {
            result.problem = DescribeRefusal(decoded, path);
            return result;
        }
    }
    if (builder.Frames() == 0) {
        result.problem = "no picture given";
        return result;
    }
    result.pattern = builder.Finish();
    if (!result.pattern) result.problem = builder.Problem();
    return result;
}

#include "ImageImport.h"

#include <algorithm>
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

class PatternBuilder {
public:
    explicit PatternBuilder(const ImportOptions& options) : options_(options) {}

    // Adds one decoded frame; false with a problem when it does not fit.
    bool AddFrame(const std::uint8_t* rgba, int width, int height, const std::string& path) {
        if (!pattern_) {
            pattern_.reset(new (std::nothrow) LedPattern);
            if (!pattern_) return OutOfMemory();
            pattern_->Create(static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(height));
            row_.assign(pattern_->FrameSize(), 0);
        } else if (width != pattern_->columns || height != pattern_->rows) {
            problem_ = Quoted(path) + " is " + SizeText(width, height) + " pixels, but the frames before it are " +
                       SizeText(pattern_->columns, pattern_->rows);
            return false;
        }
        if (frames_ == LedPattern::MaxFrames) {
            problem_ = "more than " + std::to_string(LedPattern::MaxFrames) + " frames (the most a pattern holds), " +
                       "reached in " + Quoted(path);
            return false;
        }
        if (frames_ > 0) {
            pattern_->SetFrameCount(frames_ + 1);
            if (pattern_->frameCount != frames_ + 1) return OutOfMemory();
        }
        std::fill(row_.begin(), row_.end(), 0);
        const std::size_t rowBytes = pattern_->rowBytes;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* pixel = rgba + (static_cast<std::size_t>(y) * width + x) * 4;
                if (IsLit(pixel)) row_[y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
            }
        pattern_->PasteFrame(frames_, row_.data());
        ++frames_;
        return true;
    }

    std::unique_ptr<LedPattern> Finish() {
        // Create leaves the header's frame count to SetFrameCount.
        pattern_->SetFrameCount(frames_);
        pattern_->header.controlCode = options_.controlCode;
        pattern_->header.wait = options_.wait;
        pattern_->header.addToList = 0;
        return std::move(pattern_);
    }

    const std::string& Problem() const { return problem_; }
    std::uint32_t Frames() const { return frames_; }

private:
    bool IsLit(const std::uint8_t* pixel) const {
        if (pixel[3] < OpaqueAlpha) return false;
        const bool bright = Luminance(pixel[0], pixel[1], pixel[2]) >= options_.threshold;
        return bright != options_.invert;
    }
    bool OutOfMemory() {
        problem_ = "not enough memory for the pattern";
        return false;
    }

    const ImportOptions& options_;
    std::unique_ptr<LedPattern> pattern_;
    std::vector<std::uint8_t> row_;
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
    PatternBuilder builder(options);
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
    return result;
}

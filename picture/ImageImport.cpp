#include "picture/ImageImport.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "panekit/File.h"
#include "picture/ImageCodec.h"

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

ImportProblem MakeProblem(ImportProblemKind kind, const std::string& path = std::string(), int width = 0, int height = 0) {
    ImportProblem problem;
    problem.kind = kind;
    problem.path = path;
    problem.width = width;
    problem.height = height;
    return problem;
}

// The whole file, through CFile like every file the program touches. False
// with a problem when it cannot be read or is too large to decode.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes, ImportProblem* problem) {
    CFile file(nullptr);
    if (file.Open(path.c_str(), 1) != 1) {
        *problem = MakeProblem(ImportProblemKind::CannotOpen, path);
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
                *problem = MakeProblem(ImportProblemKind::FileTooLarge, path);
                return false;
            }
            const std::size_t had = bytes->size();
            bytes->resize(had + chunk);
            unsigned long got = file.Read(bytes->data() + had, chunk);
            bytes->resize(had + got);
            if (got == 0) break;
        }
    } catch (const std::bad_alloc&) {
        *problem = MakeProblem(ImportProblemKind::OutOfMemory, path);
        return false;
    }
    // A failed read empties the name; the end of the file does not.
    if (!file.GetFilename()[0]) {
        *problem = MakeProblem(ImportProblemKind::CannotRead, path);
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
        : options_(options), expectedFrames_(std::min<std::size_t>(expectedFrames, LedPattern::MaxFrames)) {
        tone_.dither = options.dither;
        tone_.threshold = options.threshold;
        tone_.invert = options.invert;
    }

    // Adds one decoded frame; false with a problem when it does not fit.
    bool AddFrame(const std::uint8_t* rgba, int width, int height, const std::string& path) {
        const PictureRect region = options_.cropped ? options_.crop : PictureRect{0, 0, width, height};
        if (!RegionInside(region, width, height))
            return Refuse(MakeProblem(ImportProblemKind::CropOutside, path, width, height));
        const bool sized = options_.columns > 0 && options_.rows > 0;
        const int columns = sized ? options_.columns : region.width;
        const int rows = sized ? options_.rows : region.height;
        if (columns > MaxPatternSide || rows > MaxPatternSide) {
            ImportProblem problem = MakeProblem(ImportProblemKind::TooLargeForPattern, path, columns, rows);
            problem.cropped = !sized;
            return Refuse(problem);
        }
        if (frames_ == 0) {
            columns_ = static_cast<std::uint8_t>(columns);
            rows_ = static_cast<std::uint8_t>(rows);
            rowBytes_ = LedPattern::RowBytesFor(columns_);
            frameSize_ = static_cast<std::size_t>(rows_) * rowBytes_;
            // The frames go into one block reserved once, so that adding a
            // frame never copies the ones before it.
            try {
                bytes_.reserve(expectedFrames_ * frameSize_);
            } catch (const std::bad_alloc&) {
                return Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
            }
        } else if (columns != columns_ || rows != rows_) {
            ImportProblem problem = MakeProblem(ImportProblemKind::SizeDiffers, path, columns, rows);
            problem.columns = columns_;
            problem.rows = rows_;
            return Refuse(problem);
        }
        if (frames_ == LedPattern::MaxFrames) return Refuse(MakeProblem(ImportProblemKind::TooManyFrames, path));
        if (!FitPicture(rgba, width, height, region, columns, rows, options_.fit, options_.alignment, &fitted_))
            return Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
        const std::vector<std::uint8_t> lit = LitPixels(fitted_, tone_);
        const std::size_t at = bytes_.size();
        try {
            bytes_.resize(at + frameSize_);
        } catch (const std::bad_alloc&) {
            return Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
        }
        std::uint8_t* frame = bytes_.data() + at;
        for (int y = 0; y < rows; ++y) {
            const std::uint8_t* pixel = lit.data() + static_cast<std::size_t>(y) * columns;
            std::uint8_t* row = frame + static_cast<std::size_t>(y) * rowBytes_;
            // A row byte at a time, its pixels from the top bit down.
            for (int x = 0; x < columns; x += 8) {
                const int count = columns - x < 8 ? columns - x : 8;
                unsigned byte = 0;
                for (int i = 0; i < count; ++i, ++pixel) byte = byte << 1 | (*pixel != 0);
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
            Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
            return nullptr;
        }
        pattern->Create(columns_, rows_);
        // Create leaves the header's frame count to SetFrameCount.
        pattern->SetFrameCount(frames_);
        if (pattern->frameCount != frames_) {
            Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
            return nullptr;
        }
        if (!bytes_.empty()) std::memcpy(pattern->frames.get(), bytes_.data(), bytes_.size());
        pattern->header.controlCode = options_.controlCode;
        pattern->header.wait = options_.wait;
        pattern->header.addToList = 0;
        return pattern;
    }

    const ImportProblem& Problem() const { return problem_; }
    std::uint32_t Frames() const { return frames_; }

private:
    bool Refuse(const ImportProblem& problem) {
        problem_ = problem;
        return false;
    }

    const ImportOptions& options_;
    const std::size_t expectedFrames_;
    ToneOptions tone_;
    RgbaPicture fitted_;
    std::uint8_t columns_ = 0, rows_ = 0, rowBytes_ = 0;
    std::size_t frameSize_ = 0;
    std::vector<std::uint8_t> bytes_;   // frame after frame
    std::uint32_t frames_ = 0;
    ImportProblem problem_;
};

ImportProblem DecodeProblem(const ImageDecodeResult& result, const std::string& path, bool patternLimit) {
    ImportProblem problem = MakeProblem(ImportProblemKind::CannotRead, path, result.width, result.height);
    problem.frames = result.frames;
    problem.reason = result.reason;
    switch (result.status) {
    case ImageDecodeStatus::NotAnImage: problem.kind = ImportProblemKind::NotAPicture; break;
    case ImageDecodeStatus::Damaged: problem.kind = ImportProblemKind::Damaged; break;
    case ImageDecodeStatus::TooLarge:
        problem.kind = patternLimit ? ImportProblemKind::TooLargeForPattern : ImportProblemKind::TooLargeToRead;
        break;
    case ImageDecodeStatus::NoPixels: problem.kind = ImportProblemKind::NoPixels; break;
    case ImageDecodeStatus::OutOfMemory: problem.kind = ImportProblemKind::OutOfMemory; break;
    case ImageDecodeStatus::Decoded:
    case ImageDecodeStatus::Stopped: break;
    }
    return problem;
}

}  // namespace

ImportResult ImportImages(const std::vector<std::string>& paths, const ImportOptions& options) {
    ImportResult result;
    // Each file is at least one frame.
    PatternBuilder builder(options, paths.size());
    // Without a size or a crop nothing larger than a pattern can be used, and
    // is refused before it is decoded.
    const bool patternLimit = !options.cropped && (options.columns <= 0 || options.rows <= 0);
    const int maxSide = patternLimit ? MaxPatternSide : MaxImageSide;
    for (const std::string& path : paths) {
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(path, &bytes, &result.problem)) return result;
        ImageDecodeResult decoded =
            DecodeImage(bytes.data(), bytes.size(), maxSide, [&](const std::uint8_t* rgba, int width, int height) {
                return builder.AddFrame(rgba, width, height, path);
            });
        if (decoded.status == ImageDecodeStatus::Stopped) {
            result.problem = builder.Problem();
            return result;
        }
        if (decoded.status != ImageDecodeStatus::Decoded) {
            result.problem = DecodeProblem(decoded, path, patternLimit);
            return result;
        }
    }
    if (builder.Frames() == 0) {
        result.problem = MakeProblem(ImportProblemKind::NoPicture);
        return result;
    }
    result.pattern = builder.Finish();
    if (!result.pattern) result.problem = builder.Problem();
    return result;
}

std::string DescribeImportProblem(const ImportProblem& problem) {
    const std::string path = Quoted(problem.path);
    const std::string reason = problem.reason.empty() ? "" : " (" + problem.reason + ")";
    const std::string size = SizeText(problem.width, problem.height);
    switch (problem.kind) {
    case ImportProblemKind::None: break;
    case ImportProblemKind::NoPicture: return "no picture given";
    case ImportProblemKind::CannotOpen: return "cannot open " + path;
    case ImportProblemKind::CannotRead: return "cannot read " + path;
    case ImportProblemKind::FileTooLarge:
        return path + " is larger than " + std::to_string(MaxImageBytes >> 20) + " MiB";
    case ImportProblemKind::NotAPicture:
        return "cannot read " + path + ": not a PNG, BMP, GIF or JPEG picture, or damaged" + reason;
    case ImportProblemKind::Damaged:
        return "cannot read " + path + ": damaged after frame " + std::to_string(problem.frames) + reason;
    case ImportProblemKind::TooLargeForPattern:
        return path + (problem.width ? " is " + size + " pixels" : " is too large") +
               (problem.cropped ? " as cropped" : "") + "; a pattern holds at most " +
               SizeText(MaxPatternSide, MaxPatternSide);
    case ImportProblemKind::TooLargeToRead:
        return path + (problem.width ? " is " + size + " pixels" : " is too large") + "; pictures of at most " +
               SizeText(MaxImageSide, MaxImageSide) + " and " + std::to_string(MaxImagePixels) +
               " pixels in all are read";
    case ImportProblemKind::NoPixels: return path + " has no pixels";
    case ImportProblemKind::CropOutside: return "the crop does not lie inside " + path + " (" + size + " pixels)";
    case ImportProblemKind::SizeDiffers:
        return path + " is " + size + " pixels, but the frames before it are " +
               SizeText(problem.columns, problem.rows);
    case ImportProblemKind::TooManyFrames:
        return "more than " + std::to_string(LedPattern::MaxFrames) + " frames (the most a pattern holds), " +
               "reached in " + path;
    case ImportProblemKind::OutOfMemory:
        return problem.path.empty() ? "not enough memory for the pattern" : "not enough memory to read " + path;
    }
    return std::string();
}

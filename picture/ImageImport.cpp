#include "ImageImport.h"

#include <algorithm>
#include <new>
#include <utility>

#include "ImageCodec.h"
#include "panekit/File.h"

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

class PatternBuilder {
public:
    explicit PatternBuilder(const ImportOptions& options) : options_(options) {
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
        if (!pattern_) {
            pattern_.reset(new (std::nothrow) LedPattern);
            if (!pattern_) return Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
            pattern_->Create(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
            row_.assign(pattern_->FrameSize(), 0);
        } else if (columns != pattern_->columns || rows != pattern_->rows) {
            ImportProblem problem = MakeProblem(ImportProblemKind::SizeDiffers, path, columns, rows);
            problem.columns = pattern_->columns;
            problem.rows = pattern_->rows;
            return Refuse(problem);
        }
        if (frames_ == LedPattern::MaxFrames) return Refuse(MakeProblem(ImportProblemKind::TooManyFrames, path));
        if (frames_ > 0) {
            pattern_->SetFrameCount(frames_ + 1);
            if (pattern_->frameCount != frames_ + 1) return Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
        }
        if (!FitPicture(rgba, width, height, region, columns, rows, options_.fit, options_.alignment, &fitted_))
            return Refuse(MakeProblem(ImportProblemKind::OutOfMemory));
        const std::vector<std::uint8_t> lit = LitPixels(fitted_, tone_);
        std::fill(row_.begin(), row_.end(), 0);
        const std::size_t rowBytes = pattern_->rowBytes;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                if (lit[static_cast<std::size_t>(y) * columns + x])
                    row_[y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
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

    const ImportProblem& Problem() const { return problem_; }
    std::uint32_t Frames() const { return frames_; }

private:
    bool Refuse(const ImportProblem& problem) {
        problem_ = problem;
        return false;
    }

    const ImportOptions& options_;
    ToneOptions tone_;
    std::unique_ptr<LedPattern> pattern_;
    RgbaPicture fitted_;
    std::vector<std::uint8_t> row_;
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
    PatternBuilder builder(options);
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

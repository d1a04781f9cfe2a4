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
    try {
        for (;;) {
            if (bytes->size() > MaxImageBytes) {
                *problem = MakeProblem(ImportProblemKind::FileTooLarge, path);
                return false;
            }
            const std::size_t had = bytes->size();
            // Small reads while the file is small: most pictures of signs are.
            const unsigned long chunk = had < 64 * 1024 ? 4 * 1024 : 64 * 1024;
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
    PatternBuilder(const ImportOptions& options, std::size_t expectedPictures)
        : options_(options),
          planes_(PlaneCount(options.planes)),
          expectedFrames_(std::min<std::size_t>(expectedPictures * planes_, LedPattern::MaxFrames)) {
        tone_.dither = options.dither;
        tone_.threshold = options.threshold;
        tone_.invert = options.invert;
    }

    // Adds one decoded picture as its frames; false with a problem when it
    // does not fit.
    bool AddPicture(const std::uint8_t* rgba, int width, int height, const std::string& path) {
        const PictureRect region = options_.cropped ? options_.crop : PictureRect{0, 0, width, height};
        if (!RegionInside(region, width, height))
            return Refuse(ProblemOf(ImportProblemKind::CropOutside, path, width, height));
        if (!TakeSize(region, path)) return false;
        if (frames_ + planes_ > LedPattern::MaxFrames) return Refuse(ProblemOf(ImportProblemKind::TooManyFrames, path));
        // Fitted and dithered as one canvas, so that the planes meet as the
        // picture does.
        if (!FitPicture(rgba, width, height, region, canvasWidth_, canvasHeight_, options_.fit, options_.alignment,
                        &fitted_))
            return Refuse(ProblemOf(ImportProblemKind::OutOfMemory));
        const std::vector<std::uint8_t> lit = LitPixels(fitted_, tone_);
        PictureCanvas canvas(static_cast<unsigned>(canvasWidth_), static_cast<unsigned>(canvasHeight_));
        for (int y = 0; y < canvasHeight_; ++y) {
            const std::uint8_t* pixel = lit.data() + static_cast<std::size_t>(y) * canvasWidth_;
            std::uint8_t* row = canvas.Row(static_cast<unsigned>(y));
            // A row byte at a time, its pixels from the top bit down.
            for (int x = 0; x < canvasWidth_; x += 8) {
                const int count = canvasWidth_ - x < 8 ? canvasWidth_ - x : 8;
                unsigned byte = 0;
                for (int i = 0; i < count; ++i, ++pixel) byte = byte << 1 | (*pixel != 0);
                row[x / 8] = static_cast<std::uint8_t>(byte << (8 - count));
            }
        }
        const std::size_t at = bytes_.size();
        try {
            bytes_.resize(at + planes_ * frameSize_);
        } catch (const std::bad_alloc&) {
            return Refuse(ProblemOf(ImportProblemKind::OutOfMemory));
        }
        for (unsigned plane = 0; plane < planes_; ++plane)
            WritePlane(canvas, plane, columns_, rows_, rowBytes_, bytes_.data() + at + plane * frameSize_);
        frames_ += planes_;
        return true;
    }

    // The pattern of the frames added, or null (with a problem) when there
    // is no memory for it.
    std::unique_ptr<LedPattern> Finish() {
        std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
        if (!pattern) {
            Refuse(ProblemOf(ImportProblemKind::OutOfMemory));
            return nullptr;
        }
        pattern->Create(columns_, rows_);
        // Create leaves the header's frame count to SetFrameCount.
        pattern->SetFrameCount(frames_);
        if (pattern->frameCount != frames_) {
            Refuse(ProblemOf(ImportProblemKind::OutOfMemory));
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
    ImportProblem ProblemOf(ImportProblemKind kind, const std::string& path = std::string(), int width = 0,
                            int height = 0) const {
        ImportProblem problem = MakeProblem(kind, path, width, height);
        problem.planes = options_.planes;
        return problem;
    }

    // The canvas and the frame size of a picture whose region is used: the
    // first one's sets them, the others must agree.
    bool TakeSize(const PictureRect& region, const std::string& path) {
        const bool sized = options_.columns > 0 && options_.rows > 0;
        const int columns = sized ? options_.columns
                                  : static_cast<int>(FrameWidthFor(static_cast<unsigned>(region.width), options_.planes));
        const int rows = sized ? options_.rows : region.height;
        if (columns > MaxPatternSide || rows > MaxPatternSide) {
            ImportProblem problem = ProblemOf(ImportProblemKind::TooLargeForPattern, path, sized ? columns : region.width,
                                              rows);
            problem.cropped = !sized;
            return Refuse(problem);
        }
        const int canvasWidth = sized ? columns * static_cast<int>(planes_) : region.width;
        const int canvasHeight = rows;
        if (frames_ == 0) {
            canvasWidth_ = canvasWidth;
            canvasHeight_ = canvasHeight;
            columns_ = static_cast<std::uint8_t>(columns);
            rows_ = static_cast<std::uint8_t>(canvasHeight);
            rowBytes_ = LedPattern::RowBytesFor(columns_);
            frameSize_ = static_cast<std::size_t>(rows_) * rowBytes_;
            // The frames go into one block reserved once, so that adding a
            // frame never copies the ones before it.
            try {
                bytes_.reserve(expectedFrames_ * frameSize_);
            } catch (const std::bad_alloc&) {
                return Refuse(ProblemOf(ImportProblemKind::OutOfMemory));
            }
        } else if (canvasWidth != canvasWidth_ || canvasHeight != canvasHeight_) {
            ImportProblem problem = ProblemOf(ImportProblemKind::SizeDiffers, path, canvasWidth, canvasHeight);
            problem.columns = canvasWidth_;
            problem.rows = canvasHeight_;
            return Refuse(problem);
        }
        return true;
    }

    bool Refuse(const ImportProblem& problem) {
        problem_ = problem;
        return false;
    }

    const ImportOptions& options_;
    const unsigned planes_;
    const std::size_t expectedFrames_;
    ToneOptions tone_;
    RgbaPicture fitted_;
    int canvasWidth_ = 0, canvasHeight_ = 0;
    std::uint8_t columns_ = 0, rows_ = 0, rowBytes_ = 0;
    std::size_t frameSize_ = 0;
    std::vector<std::uint8_t> bytes_;   // frame after frame
    std::uint32_t frames_ = 0;
    ImportProblem problem_;
};

ImportProblem DecodeProblem(const ImageDecodeResult& result, const std::string& path, bool patternLimit,
                            Planes planes) {
    ImportProblem problem = MakeProblem(ImportProblemKind::CannotRead, path, result.width, result.height);
    problem.planes = planes;
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
    // Each file is at least one picture.
    PatternBuilder builder(options, paths.size());
    // Without a size or a crop nothing larger than a picture can be used, and
    // is refused before it is decoded (its height at the frame's limit after).
    const bool patternLimit = !options.cropped && (options.columns <= 0 || options.rows <= 0);
    const int maxSide = patternLimit ? MaxPatternSide * static_cast<int>(PlaneCount(options.planes)) : MaxImageSide;
    for (const std::string& path : paths) {
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(path, &bytes, &result.problem)) return result;
        ImageDecodeResult decoded =
            DecodeImage(bytes.data(), bytes.size(), maxSide, [&](const std::uint8_t* rgba, int width, int height) {
                return builder.AddPicture(rgba, width, height, path);
            });
        if (decoded.status == ImageDecodeStatus::Stopped) {
            result.problem = builder.Problem();
            return result;
        }
        if (decoded.status != ImageDecodeStatus::Decoded) {
            result.problem = DecodeProblem(decoded, path, patternLimit, options.planes);
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
    const bool twoPlanes = problem.planes == Planes::Two;
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
               (problem.cropped ? " as cropped" : "") +
               (twoPlanes ? "; a picture of two planes holds at most " : "; a pattern holds at most ") +
               SizeText(MaxPatternSide * static_cast<int>(PlaneCount(problem.planes)), MaxPatternSide);
    case ImportProblemKind::TooLargeToRead:
        return path + (problem.width ? " is " + size + " pixels" : " is too large") + "; pictures of at most " +
               SizeText(MaxImageSide, MaxImageSide) + " and " + std::to_string(MaxImagePixels) +
               " pixels in all are read";
    case ImportProblemKind::NoPixels: return path + " has no pixels";
    case ImportProblemKind::CropOutside: return "the crop does not lie inside " + path + " (" + size + " pixels)";
    case ImportProblemKind::SizeDiffers:
        return path + " is " + size + " pixels, but the " + (twoPlanes ? "pictures" : "frames") + " before it are " +
               SizeText(problem.columns, problem.rows);
    case ImportProblemKind::TooManyFrames:
        return "more than " + std::to_string(LedPattern::MaxFrames) + " frames (the most a pattern holds), " +
               "reached in " + path;
    case ImportProblemKind::OutOfMemory:
        return problem.path.empty() ? "not enough memory for the pattern" : "not enough memory to read " + path;
    }
    return std::string();
}

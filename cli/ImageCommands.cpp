#include "ImageCommands.h"

#include "Cli.h"
#include "CommandLine.h"
#include "ImageCodec.h"
#include "ImageImport.h"
#include "LedFile.h"
#include "PatternPicture.h"

namespace {

const unsigned DefaultScale = 8;
const unsigned DefaultFramesPerRow = 8;

}  // namespace

int RunImport(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    std::vector<std::string> images;
    std::string output, problem;
    bool haveOutput = false;
    ImportOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        unsigned long number = 0;
        if (MatchesOption(arg, "-o") || MatchesOption(arg, "--output")) {
            if (!TakeOptionValue(args, i, arg[1] == 'o' ? "-o" : "--output", &output) || output.empty())
                return PrintUsageError(err, "import: -o needs the pattern file to write");
            haveOutput = true;
        } else if (MatchesOption(arg, "--mode")) {
            std::string mode;
            if (!TakeOptionValue(args, i, "--mode", &mode)) return PrintUsageError(err, "import: --mode needs a mode");
            if (!ParseMode(mode, &options.controlCode))
                return PrintUsageError(err, "import: unknown mode " + QuotedName(mode) +
                                                " (normal, animation, scroll or onoff)");
        } else if (MatchesOption(arg, "--wait")) {
            if (!TakeNumber(args, i, "import", "--wait", 1, 255, &number, &problem))
                return PrintUsageError(err, problem);
            options.wait = static_cast<std::uint8_t>(number);
        } else if (MatchesOption(arg, "--threshold")) {
            if (!TakeNumber(args, i, "import", "--threshold", 0, 255, &number, &problem))
                return PrintUsageError(err, problem);
            options.threshold = static_cast<unsigned>(number);
        } else if (arg == "--invert") {
            options.invert = true;
        } else if (IsOptionLike(arg)) {
            return PrintUsageError(err, "import: unknown option " + QuotedName(arg));
        } else if (arg.empty()) {
            return PrintUsageError(err, "import: an empty file name");
        } else {
            images.push_back(arg);
        }
    }
    if (images.empty()) return PrintUsageError(err, "import: no picture given");
    if (!haveOutput) return PrintUsageError(err, "import: no pattern file given (-o PATTERN.led)");

    ImportResult imported = ImportImages(images, options);
    if (!imported.pattern) return PrintFailure(err, DescribeImportProblem(imported.problem));
    LedPattern& pattern = *imported.pattern;
    if (!SavePatternFile(pattern, output.c_str())) return PrintFailure(err, "cannot write " + QuotedName(output));
    if (pattern.frameCount % 2 != 0)
        PrintNote(err, std::to_string(pattern.frameCount) + (pattern.frameCount == 1 ? " frame" : " frames") +
                           ": the display program shows frames in pairs and leaves the last one out");
    return CliSuccess;
}

int RunRender(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    std::string patternPath, output, problem;
    bool havePattern = false, haveOutput = false, haveFrame = false;
    unsigned long frame = 0, scale = DefaultScale, framesPerRow = DefaultFramesPerRow;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (MatchesOption(arg, "-o") || MatchesOption(arg, "--output")) {
            if (!TakeOptionValue(args, i, arg[1] == 'o' ? "-o" : "--output", &output) || output.empty())
                return PrintUsageError(err, "render: -o needs the picture file to write");
            haveOutput = true;
        } else if (MatchesOption(arg, "--frame")) {
            if (!TakeNumber(args, i, "render", "--frame", 0, LedPattern::MaxFrames - 1, &frame, &problem))
                return PrintUsageError(err, problem);
            haveFrame = true;
        } else if (MatchesOption(arg, "--scale")) {
            if (!TakeNumber(args, i, "render", "--scale", 1, MaxScale, &scale, &problem))
                return PrintUsageError(err, problem);
        } else if (MatchesOption(arg, "--columns")) {
            if (!TakeNumber(args, i, "render", "--columns", 1, LedPattern::MaxFrames, &framesPerRow, &problem))
                return PrintUsageError(err, problem);
        } else if (IsOptionLike(arg)) {
            return PrintUsageError(err, "render: unknown option " + QuotedName(arg));
        } else if (havePattern) {
            return PrintUsageError(err, "render: one pattern file only");
        } else {
            patternPath = arg;
            havePattern = true;
        }
    }
    if (!havePattern || patternPath.empty()) return PrintUsageError(err, "render: no pattern file given");
    if (!haveOutput) return PrintUsageError(err, "render: no picture file given (-o IMAGE.png)");

    PatternLoadResult loaded = ReadPatternFile(patternPath.c_str());
    if (!loaded.pattern)
        return PrintFailure(err, "cannot load " + QuotedName(patternPath) + ": " +
                                     DescribePatternLoadStatus(loaded.status));
    const LedPattern& pattern = *loaded.pattern;
    if (pattern.frameCount == 0) return PrintFailure(err, QuotedName(patternPath) + " has no frames");
    if (pattern.columns == 0 || pattern.rows == 0)
        return PrintFailure(err, QuotedName(patternPath) + " has no pixels (" + std::to_string(pattern.columns) +
                                     " x " + std::to_string(pattern.rows) + ")");
    if (haveFrame && frame >= pattern.frameCount)
        return PrintFailure(err, QuotedName(patternPath) + " has " + std::to_string(pattern.frameCount) +
                                     (pattern.frameCount == 1 ? " frame" : " frames") + "; --frame takes 0 to " +
                                     std::to_string(pattern.frameCount - 1));
    const std::uint32_t first = haveFrame ? static_cast<std::uint32_t>(frame) : 0;
    const std::uint32_t count = haveFrame ? 1 : pattern.frameCount;

    switch (WritePatternPicture(pattern, first, count, scale, framesPerRow, output.c_str())) {
    case PictureFileStatus::Written: break;
    case PictureFileStatus::TooLarge: {
        std::uint64_t width = 0, height = 0;
        RenderedSize(pattern, count, scale, framesPerRow, &width, &height);
        return PrintFailure(err, "the picture would be " + std::to_string(width) + " x " + std::to_string(height) +
                                     " pixels; at most " + std::to_string(MaxPictureSide) + " on a side and " +
                                     std::to_string(MaxPicturePixels) +
                                     " in all (try a smaller --scale, other --columns, or --frame)");
    }
    case PictureFileStatus::NoPixels: return PrintFailure(err, QuotedName(patternPath) + " has no pixels");
    case PictureFileStatus::OutOfMemory: return PrintFailure(err, "not enough memory for the picture");
    case PictureFileStatus::CannotWrite: return PrintFailure(err, "cannot write " + QuotedName(output));
    }
    return CliSuccess;
}

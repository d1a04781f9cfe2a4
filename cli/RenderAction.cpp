// lumigrid-cli render, once its arguments are read: the pattern loaded and
// drawn to a PNG.
#include "cli/RenderCommand.h"

#include <string>

#include "cli/Cli.h"
#include "cli/StandardInput.h"
#include "pattern/document/LedFile.h"
#include "picture/ImageCodec.h"
#include "picture/PatternPicture.h"

int RunRender(const RenderArguments& arguments, std::ostream& err) {
    const std::string& patternPath = arguments.pattern;
    const PatternLoadResult loaded = LoadPatternArgument(patternPath, err);
    if (!loaded.pattern) return CliFailure;
    const LedPattern& pattern = *loaded.pattern;
    if (pattern.frameCount == 0) return PrintFailure(err, QuotedName(patternPath) + " has no frames");
    if (pattern.columns == 0 || pattern.rows == 0)
        return PrintFailure(err, QuotedName(patternPath) + " has no pixels (" + std::to_string(pattern.columns) +
                                     " x " + std::to_string(pattern.rows) + ")");
    if (arguments.haveFrame && arguments.frame >= pattern.frameCount)
        return PrintFailure(err, QuotedName(patternPath) + " has " + std::to_string(pattern.frameCount) +
                                     (pattern.frameCount == 1 ? " frame" : " frames") + "; --frame takes 0 to " +
                                     std::to_string(pattern.frameCount - 1));
    const std::uint32_t first = arguments.haveFrame ? static_cast<std::uint32_t>(arguments.frame) : 0;
    const std::uint32_t count = arguments.haveFrame ? 1 : pattern.frameCount;
    const unsigned scale = arguments.scale;
    const unsigned framesPerRow = static_cast<unsigned>(arguments.framesPerRow);

    const RenderStyle style = arguments.style;
    switch (WritePatternPicture(pattern, first, count, scale, framesPerRow, arguments.output.c_str(), style)) {
    case PictureFileStatus::Written: break;
    case PictureFileStatus::TooLarge: {
        std::uint64_t width = 0, height = 0;
        RenderedSize(pattern, count, scale, framesPerRow, &width, &height, style);
        return PrintFailure(err, "the picture would be " + std::to_string(width) + " x " + std::to_string(height) +
                                     " pixels; at most " + std::to_string(MaxPictureSide) + " on a side and " +
                                     std::to_string(MaxPicturePixels) +
                                     " in all (try a smaller --scale, other --columns, or --frame)");
    }
    case PictureFileStatus::NoPixels: return PrintFailure(err, QuotedName(patternPath) + " has no pixels");
    case PictureFileStatus::OutOfMemory: return PrintFailure(err, "not enough memory for the picture");
    case PictureFileStatus::CannotWrite: return PrintFailure(err, CannotWrite(arguments.output));
    }
    return CliSuccess;
}

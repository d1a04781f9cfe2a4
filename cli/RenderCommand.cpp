#include "cli/RenderCommand.h"

#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "cli/StandardInput.h"
#include "pattern/document/LedFile.h"
#include "picture/ImageCodec.h"
#include "picture/PatternPicture.h"

namespace {

const char RenderHelp[] =
    "Draws a pattern as a sign shows it, to a PNG: one frame with --frame N\n"
    "(from 0), else all frames, --columns to a row (default 8); each LED\n"
    "--scale pixels (1-64, default 8; from 4 up drawn round). --style\n"
    "editor draws it as the editor's grid shows it (round from 7 up).";

const unsigned DefaultScale = 8;
const unsigned DefaultFramesPerRow = 8;

struct RenderArguments {
    std::string pattern, output;
    RenderStyle style = DefaultRenderStyle;
    unsigned long frame = 0, framesPerRow = DefaultFramesPerRow;
    unsigned scale = DefaultScale;
    bool haveFrame = false;
};

int Render(const RenderArguments& arguments, std::ostream& err) {
    const std::string& patternPath = arguments.pattern;
    StandardInputFile input;
    std::string problem;
    const std::string file = input.PathFor(patternPath, &problem);
    if (file.empty()) return PrintFailure(err, problem);
    PatternLoadResult loaded = ReadPatternFile(file.c_str());
    if (!loaded.pattern)
        return PrintFailure(err, "cannot load " + QuotedName(patternPath) + ": " +
                                     DescribePatternLoadStatus(loaded.status));
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

}  // namespace

void AddRenderCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<RenderArguments>();
    CLI::App* command = program.add_subcommand("render", RenderHelp);
    command->add_option("PATTERN.led", arguments->pattern, "the pattern file; - reads standard input")
        ->required()
        ->check(NotEmpty("a pattern file"));
    AddOutputOption(command, arguments->output, "IMAGE.png", "the PNG file to write; - writes standard output",
                    "the picture file to write");
    AddNumberOption(command, "--frame", arguments->frame, 0, LedPattern::MaxFrames - 1, "draws frame N alone (from 0)")
        ->each([arguments](const std::string&) { arguments->haveFrame = true; });
    AddScaleOption(command, arguments->scale, "pixels a LED, 1 to 64 (default 8)");
    AddNumberOption(command, "--columns", arguments->framesPerRow, 1, LedPattern::MaxFrames,
                    "frames to a row (default 8)");
    AddStyleOption(command, arguments->style);
    SetAction(command, context, [arguments, &context]() { return Render(*arguments, context.err); });
}

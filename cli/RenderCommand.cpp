#include "cli/RenderCommand.h"

#include <memory>
#include <string>

#include "cli/Cli.h"
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
    std::string pattern, output, style = "sign";
    unsigned long frame = 0, scale = DefaultScale, framesPerRow = DefaultFramesPerRow;
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
    const unsigned scale = static_cast<unsigned>(arguments.scale);
    const unsigned framesPerRow = static_cast<unsigned>(arguments.framesPerRow);

    const RenderStyle style = StyleNamed(arguments.style);
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
    CLI::App* command = AddCommand(program, "render", RenderHelp);
    command->add_option("PATTERN.led", arguments->pattern, "the pattern file; - reads standard input")
        ->required()
        ->check(NotEmpty("a pattern file"));
    command->add_option("-o,--output", arguments->output, "the PNG file to write; - writes standard output")
        ->required()
        ->type_name("IMAGE.png")
        ->check(NotEmpty("the picture file to write"));
    command->add_option("--frame", arguments->frame, "draws frame N alone (from 0)")
        ->type_name("N")
        ->check(NumberFrom(0, LedPattern::MaxFrames - 1))
        ->each([arguments](const std::string&) { arguments->haveFrame = true; });
    command->add_option("--scale", arguments->scale, "pixels a LED, 1 to 64 (default 8)")
        ->type_name("N")
        ->check(NumberFrom(1, MaxScale));
    command->add_option("--columns", arguments->framesPerRow, "frames to a row (default 8)")
        ->type_name("N")
        ->check(NumberFrom(1, LedPattern::MaxFrames));
    AddStyleOption(command, arguments->style);
    SetAction(command, context, [arguments, &context]() { return Render(*arguments, context.err); });
}

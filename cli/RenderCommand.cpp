#include "cli/RenderCommand.h"

#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"

namespace {

const char RenderHelp[] =
    "Draws a pattern as a sign shows it, to a PNG: one frame with --frame N\n"
    "(from 0), else all frames, --columns to a row (default 8); each LED\n"
    "--scale pixels (1-64, default 8; from 4 up drawn round). --style\n"
    "editor draws it as the editor's grid shows it (round from 7 up).";

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
    SetMediaAction(command, context,
                   [arguments, &context](const MediaActions& media) { return media.render(*arguments, context.err); });
}

#include "cli/PreviewCommand.h"

#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "picture/PreviewAnimation.h"

namespace {

const char PreviewHelp[] =
    "Writes one pass of the display program of a list (.ll, its patterns\n"
    "read as build reads them) or of a HEX file (.hex) as an animated GIF.\n"
    "A tick is --tick milliseconds (10-60000, default 100; GIF delays are\n"
    "in hundredths of a second, so it is rounded to them). Normal shows a\n"
    "picture wait ticks (0 counts as 1), Animation and scroll blocks one\n"
    "tick a picture, On-Off wait ticks lit and wait ticks dark, a reset one\n"
    "dark tick. Each picture is its two planes side by side, drawn as render\n"
    "draws them (--planes one: a sign of one plane shows each frame in turn,\n"
    "each as long as its picture would be). A HEX file is read at --size\n"
    "(default 16x16); a list's sign has its first pattern's size, and its\n"
    "patterns of other sizes are left out. --loop N plays it N times (0,\n"
    "the default, for ever).";


}  // namespace

void AddPreviewCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<PreviewArguments>();
    CLI::App* command = program.add_subcommand("preview", PreviewHelp);
    command->add_option("LIST.ll|FILE.hex", arguments->program, "the display list or HEX file")
        ->required()
        ->check(NotEmpty("a list or HEX file"));
    AddOutputOption(command, arguments->output, "OUT.gif", "the GIF file to write");
    AddNumberOption(command, "--tick", arguments->tick, MinTickMilliseconds, MaxTickMilliseconds,
                    "milliseconds a tick, 10 to 60000 (default 100)")
        ->type_name("MS");
    AddScaleOption(command, arguments->scale, "pixels a LED, 1 to 64 (default 8)");
    AddSizeOption(command, arguments->size, "the sign's frame size (a HEX file: default 16x16)");
    AddNumberOption(command, "--loop", arguments->loop, 0, 65536, "times the GIF plays, 0 for ever (default 0)");
    AddPlanesOption(command, arguments->planes,
                    "the sign's planes: two, side by side (the\ndefault), or one, each frame in turn");
    AddStyleOption(command, arguments->style);
    SetMediaAction(command, context, [arguments, &context](const MediaActions& media) {
        return media.preview(*arguments, context.out, context.err);
    });
}

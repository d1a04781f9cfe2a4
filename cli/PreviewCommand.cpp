#include "cli/PreviewCommand.h"

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "pattern/list/DisplayList.h"
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

const unsigned DefaultSide = 16;

struct PreviewArguments {
    std::string program, output;
    FrameSize size;   // 0 x 0: a HEX file's default, a list's first pattern's
    Planes planes = Planes::Two;
    RenderStyle style = DefaultRenderStyle;
    unsigned long tick = 100, loop = 0;
    unsigned scale = 8;
};

bool IsHexFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".hex";
}

std::string Seconds(std::uint64_t hundredths) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%02u s", static_cast<unsigned long long>(hundredths / 100),
                  static_cast<unsigned>(hundredths % 100));
    return text;
}

int Preview(const PreviewArguments& arguments, std::ostream& out, std::ostream& err) {
    unsigned columns = arguments.size.columns, rows = arguments.size.rows;
    PlaybackLoad load;
    if (IsHexFile(arguments.program)) {
        if (columns == 0) columns = rows = DefaultSide;
        load = LoadHexPlayback(arguments.program.c_str(), static_cast<std::uint8_t>(columns),
                               static_cast<std::uint8_t>(rows), arguments.planes);
    } else {
        DisplayList list;
        if (!list.SelectFile(arguments.program.c_str(), false))
            return PrintFailure(err, "cannot read the list " + QuotedName(arguments.program));
        load = LoadListPlayback(list, static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows),
                                arguments.planes);
        for (const SkippedEntry& entry : load.skipped)
            PrintNote(err, "entry " + std::to_string(entry.index) + " (" + entry.text + ") is left out: " + entry.why);
    }
    if (!load.loaded) return PrintFailure(err, QuotedName(arguments.program) + ": " + load.problem);
    const ProgramPlayback& playback = load.playback;
    if (playback.ticks == 0) return PrintFailure(err, QuotedName(arguments.program) + " shows nothing");

    PreviewOptions options;
    options.tickMilliseconds = static_cast<unsigned>(arguments.tick);
    options.scale = arguments.scale;
    options.planes = PlaneCount(arguments.planes);
    options.plays = static_cast<unsigned>(arguments.loop);
    options.style = arguments.style;
    const std::uint32_t tick = TickHundredths(options.tickMilliseconds);
    if (tick * 10 != options.tickMilliseconds)
        PrintNote(err, "GIF delays are in hundredths of a second: each tick of " + std::to_string(arguments.tick) +
                           " ms is written as " + std::to_string(tick) + "/100 s");
    const PreviewGifResult result = WritePreviewGif(playback, options, arguments.output.c_str());
    switch (result.status) {
    case PreviewGifStatus::Written: break;
    case PreviewGifStatus::TooLarge:
        return PrintFailure(err, "the pictures would be larger than " + std::to_string(MaxPictureSide) +
                                     " pixels on a side or " + std::to_string(MaxPicturePixels) +
                                     " in all (try a smaller --scale)");
    case PreviewGifStatus::NothingShown: return PrintFailure(err, QuotedName(arguments.program) + " shows nothing");
    case PreviewGifStatus::OutOfMemory: return PrintFailure(err, result.problem);
    case PreviewGifStatus::CannotWrite:
        return PrintFailure(err, CannotWrite(arguments.output));
    }
    if (arguments.output != "-")
        out << arguments.output << ": " << result.gifFrames << (result.gifFrames == 1 ? " frame, " : " frames, ")
            << playback.ticks << (playback.ticks == 1 ? " tick" : " ticks") << " of " << tick << "/100 s, "
            << Seconds(result.hundredths) << " a pass, " << static_cast<unsigned>(playback.listing.columns) << "x"
            << static_cast<unsigned>(playback.listing.rows) << "\n";
    return CliSuccess;
}

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
    SetAction(command, context, [arguments, &context]() { return Preview(*arguments, context.out, context.err); });
}

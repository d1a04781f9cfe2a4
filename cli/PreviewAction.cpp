// lumigrid-cli preview, once its arguments are read: the display program
// played and written as an animated GIF.
#include "cli/PreviewCommand.h"

#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "pattern/list/DisplayList.h"
#include "picture/PreviewAnimation.h"

namespace {

const unsigned DefaultSide = 16;

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

}  // namespace

int RunPreview(const PreviewArguments& arguments, std::ostream& out, std::ostream& err) {
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

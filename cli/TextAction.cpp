// lumigrid-cli text, once its arguments are read: the fonts opened, the
// text laid out and the pattern written.
#include "cli/TextCommand.h"

#include <memory>
#include <utility>

#include "cli/Cli.h"
#include "pattern/document/LedFile.h"
#include "text/FontChoice.h"
#include "text/Utf8.h"

namespace {

std::string MissingList(const std::u32string& missing) {
    std::string list;
    for (std::size_t i = 0; i < missing.size(); ++i) list += (i ? ", " : "") + DescribeCharacter(missing[i]);
    return list;
}

std::string SizeText(const TextFrameOptions& frames) {
    return std::to_string(frames.columns) + "x" + std::to_string(frames.rows);
}

// Why the text does not fit between the frame's top and bottom.
std::string TallerText(const TextStrip& strip, const TextFrameOptions& frames) {
    const std::string height = std::to_string(strip.Height()), rows = std::to_string(frames.rows);
    if (strip.Height() <= frames.rows)
        return "the text is " + height + " rows high: from row " + std::to_string(frames.top) +
               " (--offset) it reaches below the " + rows + " rows of the frame";
    if (strip.LineCount() == 1)
        return "the font is " + height + " pixels high, taller than the " + rows + " rows of the frame (--size, --pixels)";
    return "the " + std::to_string(strip.LineCount()) + " lines are " + height + " rows high, taller than the " + rows +
           " rows of the frame (--size, --pixels, --line-spacing)";
}

}  // namespace

int RunText(TextArguments& parsed, std::ostream& err) {
    std::string problem;
    TextFrameOptions frames;
    frames.columns = parsed.size.columns;
    frames.rows = parsed.size.rows;
    frames.controlCode = parsed.mode;
    frames.wait = static_cast<std::uint8_t>(parsed.wait);
    frames.invert = parsed.invert;
    frames.planes = parsed.planes;
    if (parsed.step > frames.columns)
        return PrintUsageError(err, "text: --step takes 1 to the frame's " + std::to_string(frames.columns) + " columns");
    frames.step = static_cast<unsigned>(parsed.step);
    if (parsed.command->get_option("--offset")->count() > 0) {
        if (parsed.offset >= frames.rows)
            return PrintUsageError(err, "text: --offset takes 0 to " + std::to_string(frames.rows - 1) +
                                            ", a row of the frame's " + std::to_string(frames.rows));
        frames.top = static_cast<int>(parsed.offset);
    }
    frames.align = parsed.align;
    TextStyle style;
    style.spacing = parsed.spacing;
    style.lineSpacing = static_cast<unsigned>(parsed.lineSpacing);
    const bool skipMissing = parsed.skipMissing;

    std::u32string characters;
    if (!DecodeUtf8(parsed.text, &characters)) return PrintFailure(err, "the TEXT is not valid UTF-8");
    FontChain fonts;
    if (parsed.fonts.empty()) parsed.fonts.push_back(std::string());   // the default font
    for (const std::string& name : parsed.fonts) {
        FontRequest request;
        request.name = name;
        request.pixels = parsed.pixels;
        request.rows = frames.rows;
        std::unique_ptr<GlyphSource> font = OpenFont(request, &problem);
        if (!font) return PrintFailure(err, problem);
        fonts.Add(std::move(font));
    }

    TextStrip strip;
    if (!strip.LayOut(fonts, characters, style, skipMissing))
        return PrintFailure(err, (fonts.Size() > 1 ? "none of the fonts has a glyph for " : "the font has no glyph for ") +
                                     MissingList(strip.Missing()) + " (--missing skip leaves them out)");
    if (!strip.Missing().empty())
        PrintNote(err, std::string(fonts.Size() > 1 ? "left out, in none of the fonts: " : "left out, not in the font: ") +
                           MissingList(strip.Missing()));

    TextPatternResult made = MakeTextPattern(strip, frames);
    switch (made.status) {
    case TextPatternStatus::Made: break;
    case TextPatternStatus::TallerThanFrame: return PrintFailure(err, TallerText(strip, frames));
    case TextPatternStatus::TooManyFrames: {
        return PrintFailure(
            err, "the text needs " + std::to_string(TextFrameCount(strip.Width(), frames)) +
                     " frames, more than 2048: at " + SizeText(frames) +
                     (frames.step ? " with step " + std::to_string(frames.step) : std::string(" without --step")) +
                     " it may be at most " + std::to_string(MaxStripWidth(frames)) +
                     " columns wide, and it is " + std::to_string(strip.Width()));
    }
    case TextPatternStatus::OutOfMemory: return PrintFailure(err, "not enough memory for the pattern");
    }
    if (!SavePatternFile(*made.pattern, parsed.output.c_str()))
        return PrintFailure(err, CannotWrite(parsed.output));
    return CliSuccess;
}

#include "TextCommand.h"

#include <utility>

#include "Cli.h"
#include "CommandLine.h"
#include "FontChoice.h"
#include "LedFile.h"
#include "TextLayout.h"

namespace {

const char TextUsage[] =
    "Usage: lumigrid-cli text TEXT -o PATTERN.led [--font FILE] [--pixels N] [--size COLUMNSxROWS]\n"
    "                         [--mode scroll|animation|normal|onoff] [--wait N] [--step N] [--invert]\n"
    "                         [--missing skip]\n";

const char TextHelp[] =
    "\n"
    "Makes a pattern of TEXT (UTF-8), laid out as one strip: each glyph advanced\n"
    "by its own width, no spacing, the strip centred between top and bottom.\n"
    "Without --step the strip is cut into frame-wide pieces, the last padded\n"
    "dark. With --step N (1 to the columns) the text enters from the right and\n"
    "moves N columns a frame until it has left on the left. The frame count is\n"
    "rounded up to even with a dark frame, and may be at most 2048.\n"
    "\n"
#ifdef _WIN32
    "  --font FONT     a Unifont .hex file, or the face name of an installed\n"
    "                  font, drawn by GDI. Default: the face MS Gothic.\n"
#else
    "  --font FILE     a Unifont .hex file, or a font file that FreeType reads\n"
    "                  (BDF, PCF, TrueType, OpenType). Default: /usr/share/\n"
    "                  unifont/unifont_jp.hex, else unifont.hex (Debian package\n"
    "                  unifont).\n"
#endif
    "  --pixels N      the font's height: a bitmap font's size (default the\n"
    "                  tallest that fits), an outline font's cell (default the\n"
    "                  rows). .hex fonts are 16 pixels.\n"
    "  --size CxR      frame columns x rows, 1 to 255 each (default 16x16)\n"
    "  --mode M        the display mode (default scroll); --wait N 1-255 (default 1)\n"
    "  --invert        lights the background instead of the text\n"
    "  --missing skip  leaves out characters the font lacks (else an error)\n";

const unsigned MaxSide = 255;
const unsigned long MaxPixels = 255;

std::vector<std::string> unicodeArguments;

bool ParseSize(const std::string& text, unsigned* columns, unsigned* rows) {
    const std::size_t x = text.find_first_of("xX");
    unsigned long c = 0, r = 0;
    if (x == std::string::npos || !ParseDecimal(text.substr(0, x), MaxSide, &c) ||
        !ParseDecimal(text.substr(x + 1), MaxSide, &r) || c == 0 || r == 0)
        return false;
    *columns = static_cast<unsigned>(c);
    *rows = static_cast<unsigned>(r);
    return true;
}

std::string MissingList(const std::u32string& missing) {
    std::string list;
    for (std::size_t i = 0; i < missing.size(); ++i) list += (i ? ", " : "") + DescribeCharacter(missing[i]);
    return list;
}

struct TextArguments {
    std::string text, output;
    FontRequest font;
    TextFrameOptions frames;
    bool haveText = false, haveOutput = false, skipMissing = false;
};

// Reads the arguments; a usage error's status, or -1 to go on.
int ParseTextArguments(const std::vector<std::string>& args, TextArguments* parsed, std::ostream& out,
                       std::ostream& err) {
    std::string problem;
    unsigned long number = 0, step = 0;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options || !IsOptionLike(arg)) {
            if (parsed->haveText) return PrintUsageError(err, "text: one TEXT only (quote it if it has spaces)");
            parsed->text = arg;
            // The same argument from the Unicode command line, when main has it.
            if (unicodeArguments.size() == args.size() + 2) parsed->text = unicodeArguments[i + 2];
            parsed->haveText = true;
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--help" || arg == "-h") {
            out << TextUsage << TextHelp;
            return CliSuccess;
        } else if (MatchesOption(arg, "-o") || MatchesOption(arg, "--output")) {
            if (!TakeOptionValue(args, i, arg[1] == 'o' ? "-o" : "--output", &parsed->output) ||
                parsed->output.empty())
                return PrintUsageError(err, "text: -o needs the pattern file to write");
            parsed->haveOutput = true;
        } else if (MatchesOption(arg, "--font")) {
            if (!TakeOptionValue(args, i, "--font", &parsed->font.name) || parsed->font.name.empty())
                return PrintUsageError(err, "text: --font needs a font");
        } else if (MatchesOption(arg, "--pixels")) {
            if (!TakeNumber(args, i, "text", "--pixels", 1, MaxPixels, &number, &problem))
                return PrintUsageError(err, problem);
            parsed->font.pixels = static_cast<unsigned>(number);
        } else if (MatchesOption(arg, "--size")) {
            std::string size;
            if (!TakeOptionValue(args, i, "--size", &size) ||
                !ParseSize(size, &parsed->frames.columns, &parsed->frames.rows))
                return PrintUsageError(err, "text: --size takes COLUMNSxROWS, each 1 to 255 (such as 16x16)");
        } else if (MatchesOption(arg, "--mode")) {
            std::string mode;
            if (!TakeOptionValue(args, i, "--mode", &mode) || !ParseMode(mode, &parsed->frames.controlCode))
                return PrintUsageError(err, "text: --mode takes scroll, animation, normal or onoff");
        } else if (MatchesOption(arg, "--wait")) {
            if (!TakeNumber(args, i, "text", "--wait", 1, 255, &number, &problem)) return PrintUsageError(err, problem);
            parsed->frames.wait = static_cast<std::uint8_t>(number);
        } else if (MatchesOption(arg, "--step")) {
            if (!TakeNumber(args, i, "text", "--step", 1, MaxSide, &step, &problem)) return PrintUsageError(err, problem);
        } else if (arg == "--invert") {
            parsed->frames.invert = true;
        } else if (MatchesOption(arg, "--missing")) {
            std::string missing;
            if (!TakeOptionValue(args, i, "--missing", &missing) || missing != "skip")
                return PrintUsageError(err, "text: --missing takes skip");
            parsed->skipMissing = true;
        } else {
            return PrintUsageError(err, "text: unknown option " + QuotedName(arg));
        }
    }
    if (!parsed->haveText) return PrintUsageError(err, "text: no TEXT given");
    if (parsed->text.empty()) return PrintUsageError(err, "text: the TEXT is empty");
    if (!parsed->haveOutput) return PrintUsageError(err, "text: no pattern file given (-o PATTERN.led)");
    if (step > parsed->frames.columns)
        return PrintUsageError(err, "text: --step takes 1 to the frame's " + std::to_string(parsed->frames.columns) +
                                        " columns");
    parsed->frames.step = static_cast<unsigned>(step);
    parsed->font.rows = parsed->frames.rows;
    return -1;
}

std::string SizeText(const TextFrameOptions& frames) {
    return std::to_string(frames.columns) + "x" + std::to_string(frames.rows);
}

}  // namespace

void UseUnicodeArguments(std::vector<std::string> arguments) { unicodeArguments = std::move(arguments); }

int RunText(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TextArguments parsed;
    const int status = ParseTextArguments(args, &parsed, out, err);
    if (status >= 0) return status;

    std::u32string characters;
    if (!DecodeUtf8(parsed.text, &characters)) return PrintFailure(err, "the TEXT is not valid UTF-8");
    std::string problem;
    std::unique_ptr<GlyphSource> font = OpenFont(parsed.font, &problem);
    if (!font) return PrintFailure(err, problem);
    if (font->Height() > parsed.frames.rows)
        return PrintFailure(err, "the font is " + std::to_string(font->Height()) + " pixels high, taller than the " +
                                     std::to_string(parsed.frames.rows) + " rows of the frame (--size, --pixels)");

    TextStrip strip;
    if (!strip.LayOut(*font, characters, parsed.skipMissing))
        return PrintFailure(err, "the font has no glyph for " + MissingList(strip.Missing()) +
                                     " (--missing skip leaves them out)");
    if (!strip.Missing().empty()) PrintNote(err, "left out, not in the font: " + MissingList(strip.Missing()));

    TextPatternResult made = MakeTextPattern(strip, parsed.frames);
    switch (made.status) {
    case TextPatternStatus::Made: break;
    case TextPatternStatus::TallerThanFrame: return PrintFailure(err, "the font is taller than the frame");
    case TextPatternStatus::TooManyFrames: {
        const TextFrameOptions& frames = parsed.frames;
        return PrintFailure(
            err, "the text needs " + std::to_string(TextFrameCount(strip.Width(), frames.columns, frames.step)) +
                     " frames, more than 2048: at " + SizeText(frames) +
                     (frames.step ? " with step " + std::to_string(frames.step) : std::string(" without --step")) +
                     " it may be at most " + std::to_string(MaxStripWidth(frames.columns, frames.step)) +
                     " columns wide, and it is " + std::to_string(strip.Width()));
    }
    case TextPatternStatus::OutOfMemory: return PrintFailure(err, "not enough memory for the pattern");
    }
    if (!SavePatternFile(*made.pattern, parsed.output.c_str()))
        return PrintFailure(err, "cannot write " + QuotedName(parsed.output));
    return CliSuccess;
}

#include "cli/TextCommand.h"

#include <memory>
#include <utility>

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "pattern/document/LedFile.h"
#include "text/TextLayout.h"

namespace {

const char TextHelp[] =
    "Makes a pattern of TEXT (UTF-8). Each character comes from the first\n"
    "--font that has it. A newline starts a new line; the block of lines is\n"
    "centred between top and bottom, or has its top at --offset. Characters\n"
    "follow each other at their own advance, --spacing columns apart; marks\n"
    "are drawn over their base, and right-to-left text is ordered and joined.\n"
    "A screen is a picture of the sign: in the normal, animation and onoff\n"
    "modes its two planes, two frames side by side (--planes one: a frame);\n"
    "in scroll mode, where the sign moves the frames along, a frame.\n"
    "Without --step the text is cut into screens, each line placed by\n"
    "--align within them, the last screen padded dark. With --step N (1 to\n"
    "the columns) the lines enter from the right together and move N columns\n"
    "a screen until they have left on the left (right-to-left text: from the\n"
    "left). The frame count is rounded up to even with a dark frame, and may\n"
    "be at most 2048.";

const unsigned long MaxPixels = 255;

std::vector<std::string> unicodeArguments;

const Choice<TextAlign>& TextAlignments() {
    static const Choice<TextAlign> choice = {
        {"left", TextAlign::Left}, {"center", TextAlign::Center}, {"right", TextAlign::Right}};
    return choice;
}

const Choice<bool>& Missing() {
    static const Choice<bool> choice = {{"skip", true}};
    return choice;
}

// --spacing: -1 (a column taken from between characters) to 255, for CLI11
// to convert in plain digits.
CLI::Validator SpacingNumber() {
    return CLI::Validator(
        [](std::string& text) {
            unsigned long value = 0;
            if (text == "-1") return std::string();
            if (!ParseDecimal(text, TextStyle::MaxSpacing, &value)) return std::string("takes a number from -1 to 255");
            text = std::to_string(value);
            return std::string();
        },
        std::string());
}

void DefineTextArguments(CLI::App* command, TextArguments& parsed) {
    parsed.command = command;
    // A text that starts with a dash and is none of the options is the
    // text: the parser leaves it over, and Take TEXT takes it.
    command->allow_extras();
    command->add_option("TEXT", parsed.text,
                        "the text; one that is also an option (-h, --font)\n"
                        "follows --, as in: text -o x.led -- --font");
    AddOutputOption(command, parsed.output, "PATTERN.led", "the pattern file to write; - writes standard output");
#ifdef _WIN32
    command->add_option("--font", parsed.fonts,
                        "a Unifont .hex file, or the face name of an installed\n"
                        "font, drawn by GDI. Again for a font that draws what\n"
                        "the ones before it lack. Default: the face MS Gothic.")
        ->type_name("FONT")
#else
    command->add_option("--font", parsed.fonts,
                        "a Unifont .hex file, or a font file that FreeType reads\n"
                        "(BDF, PCF, TrueType, OpenType). Again for a font that\n"
                        "draws what the ones before it lack. Default: /usr/share/\n"
                        "unifont/unifont_jp.hex, else unifont.hex (Debian package\n"
                        "unifont).")
        ->type_name("FILE")
#endif
        ->allow_extra_args(false)
        ->check(NotEmpty("a font"));
    AddNumberOption(command, "--pixels", parsed.pixels, 1, MaxPixels,
                    "the fonts' height: a bitmap font's size (default the\n"
                    "tallest that fits), an outline font's cell (default the\n"
                    "rows). .hex fonts are 16 pixels.");
    command->add_option("--spacing", parsed.spacing, "empty columns between characters, -1 to 255 (default 0)")
        ->type_name("N")
        ->transform(SpacingNumber());
    AddNumberOption(command, "--line-spacing", parsed.lineSpacing, 0, TextStyle::MaxLineSpacing,
                    "empty rows between lines, 0 to 255 (default 0)");
    AddNumberOption(command, "--offset", parsed.offset, 0, 254, "the row of the text's top (default: centred)");
    AddChoiceOption(command, "--align", parsed.align, TextAlignments(),
                    "each line within the screens: left, center or right\n"
                    "(default left; right for right-to-left text)");
    AddSizeOption(command, parsed.size, "frame columns x rows, 1 to 255 each (default 16x16)");
    AddModeOption(command, parsed.mode, {ControlScroll, ControlAnimation, ControlNormal, ControlOnOff});
    AddWaitOption(command, parsed.wait);
    AddNumberOption(command, "--step", parsed.step, 1, 255, "columns the text moves a frame, 1 to the columns");
    AddPlanesOption(command, parsed.planes,
                    "a screen: two frames side by side (two, the\ndefault) or one frame (one); scroll mode: one");
    command->add_flag("--invert", parsed.invert, "lights the background instead of the text");
    AddChoiceOption(command, "--missing", parsed.skipMissing, Missing(),
                    "skip leaves out characters the font lacks (else an error)");
}

// The TEXT, given as the argument or left over by the parser as an unknown
// option; a usage problem when there is none, or more than one.
std::string TakeText(TextArguments& parsed) {
    std::vector<std::string> leftOver;
    for (const std::string& argument : parsed.command->remaining())
        if (argument != "--") leftOver.push_back(argument);
    bool haveText = parsed.command->get_option("TEXT")->count() > 0;
    if (!haveText && leftOver.size() == 1) {
        parsed.text = leftOver.front();
        return std::string();
    }
    if (leftOver.empty()) return haveText ? std::string() : "no TEXT given";
    const std::string& first = leftOver.front();
    if (first.size() > 1 && first[0] == '-')
        return "unknown option " + QuotedName(first) + " (a TEXT that is an option follows --)";
    return "one TEXT only (quote it if it has spaces)";
}

// The same TEXT from the Unicode command line, when main has it: on Windows
// the narrow arguments have lost every character outside the code page.
std::string UnicodeText(const std::string& narrowText) {
    if (unicodeArguments.size() < 2) return narrowText;
    CLI::App program;
    SetCommonSettings(program);
    TextArguments parsed;
    DefineTextArguments(program.add_subcommand("text", std::string()), parsed);
    std::vector<std::string> arguments(unicodeArguments.rbegin(), unicodeArguments.rend() - 1);
    try {
        program.parse(arguments);
    } catch (const CLI::Error&) {
        return narrowText;
    }
    return TakeText(parsed).empty() ? parsed.text : narrowText;
}

}  // namespace

void UseUnicodeArguments(std::vector<std::string> arguments) { unicodeArguments = std::move(arguments); }

void AddTextCommand(CLI::App& program, CliContext& context) {
    auto parsed = std::make_shared<TextArguments>();
    DefineTextArguments(program.add_subcommand("text", TextHelp), *parsed);
    SetMediaAction(parsed->command, context, [parsed, &context](const MediaActions& media) {
        const std::string problem = TakeText(*parsed);
        if (!problem.empty()) return PrintUsageError(context.err, "text: " + problem);
        parsed->text = UnicodeText(parsed->text);
        if (parsed->text.empty()) return PrintUsageError(context.err, "text: the TEXT is empty");
        return media.text(*parsed, context.err);
    });
}

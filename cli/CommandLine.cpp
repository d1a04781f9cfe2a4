#include "cli/CommandLine.h"

#include <cstdio>
#include <utility>

#include "cli/Cli.h"
#include "panekit/File.h"

namespace {

const char ProgramPrefix[] = "lumigrid-cli: ";

// The --mode names, in ControlCode order.
const char* const ModeOptionNames[] = {"normal", "animation", "scroll", "onoff"};

const unsigned MaxSide = 255;

}  // namespace

CLI::App* AddCommand(CLI::App& parent, const std::string& name, const std::string& help) {
    CLI::App* command = parent.add_subcommand(name, help);
    command->set_help_flag("-h,--help", "prints this help");
    // On Windows too a word that starts with '/' is a path or a text, not an option.
    command->allow_windows_style_options(false);
    // An option given twice takes the last value, as a later word overrides
    // an earlier one in a script.
    command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    return command;
}

void SetAction(CLI::App* command, CliContext& context, std::function<int()> run) {
    command->callback([&context, run]() { context.action = run; });
}

CLI::Validator NumberFrom(unsigned long min, unsigned long max) {
    const std::string problem = "takes a number from " + std::to_string(min) + " to " + std::to_string(max);
    return CLI::Validator(
        [min, max, problem](std::string& text) {
            unsigned long value = 0;
            return ParseDecimal(text, max, &value) && value >= min ? std::string() : problem;
        },
        std::string());
}

CLI::Validator OneOf(std::vector<std::string> names, const std::string& choices) {
    const std::string problem = "takes " + choices;
    return CLI::Validator(
        [names, problem](std::string& text) {
            for (const std::string& name : names)
                if (text == name) return std::string();
            return problem;
        },
        std::string());
}

CLI::Validator FrameSizeText() {
    return CLI::Validator(
        [](std::string& text) {
            unsigned columns = 0, rows = 0;
            return ParseFrameSize(text, &columns, &rows)
                       ? std::string()
                       : std::string("takes COLUMNSxROWS, each 1 to 255 (such as 16x16)");
        },
        std::string());
}

CLI::Validator NotEmpty(const std::string& what) {
    const std::string problem = "needs " + what;
    return CLI::Validator([problem](std::string& text) { return text.empty() ? problem : std::string(); },
                          std::string());
}

int PrintUsageError(std::ostream& err, const std::string& problem) {
    err << ProgramPrefix << problem << " (see lumigrid-cli --help)\n";
    return CliUsageError;
}

int PrintFailure(std::ostream& err, const std::string& problem) {
    err << ProgramPrefix << problem << "\n";
    return CliFailure;
}

void PrintNote(std::ostream& err, const std::string& note) { err << ProgramPrefix << "note: " << note << "\n"; }

std::string QuotedName(const std::string& text) { return "'" + text + "'"; }

std::string Printable(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte >= 0x20 && byte != 0x7F && !c1) {
            shown += text[i];
            continue;
        }
        const unsigned char escaped = c1 ? static_cast<unsigned char>(text[++i]) : byte;
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", escaped);
        shown += code;
    }
    return shown;
}

std::string SystemReason() {
    char text[256];
    CFile::DescribeError(CFile::LastErrorCode(), text, sizeof text);
    return text;
}

std::string CannotWrite(const std::string& name) { return "cannot write " + QuotedName(name) + ": " + SystemReason(); }

bool ParseDecimal(const std::string& text, unsigned long max, unsigned long* value) {
    if (text.empty() || text.size() > 10) return false;
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    if (number > max) return false;
    *value = static_cast<unsigned long>(number);
    return true;
}

bool ParseFrameSize(const std::string& text, unsigned* columns, unsigned* rows) {
    const std::size_t cross = text.find_first_of("xX");
    unsigned long c = 0, r = 0;
    if (cross == std::string::npos || !ParseDecimal(text.substr(0, cross), MaxSide, &c) ||
        !ParseDecimal(text.substr(cross + 1), MaxSide, &r) || c == 0 || r == 0)
        return false;
    *columns = static_cast<unsigned>(c);
    *rows = static_cast<unsigned>(r);
    return true;
}

bool ParseMode(const std::string& text, std::uint8_t* controlCode) {
    for (std::uint8_t code = 0; code < sizeof ModeOptionNames / sizeof ModeOptionNames[0]; ++code)
        if (text == ModeOptionNames[code]) {
            *controlCode = code;
            return true;
        }
    return false;
}

void AddStyleOption(CLI::App* command, std::string& style) {
    command->add_option("--style", style, "sign (round LEDs lit on a dark ground, the\ndefault) or editor (the editor's grid)")
        ->type_name("sign|editor")
        ->check(OneOf({"sign", "editor"}, "sign or editor"));
}

RenderStyle StyleNamed(const std::string& style) { return style == "editor" ? RenderStyle::Editor : DefaultRenderStyle; }

CLI::Option* AddPlanesOption(CLI::App* command, std::string& planes, const std::string& help) {
    planes = "two";
    return command->add_option("--planes", planes, help)
        ->type_name("one|two")
        ->check(OneOf({"one", "two"}, "one or two"));
}

Planes PlanesNamed(const std::string& planes) { return planes == "one" ? Planes::One : Planes::Two; }

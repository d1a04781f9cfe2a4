#include "cli/ExportCommand.h"

#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/LayoutOptions.h"
#include "cli/StandardInput.h"
#include "export/CodeExport.h"
#include "export/FlashFit.h"
#include "export/Identifier.h"
#include "pattern/document/LedFile.h"

namespace {

const char ExportHelp[] =
    "Writes the pattern's pictures as code for other hardware: C/C++\n"
    "(PROGMEM on AVR), Python, JSON, XBM, Rust, the bytes alone (binary) or\n"
    "data-only Intel HEX, in the byte layout a library reads (--layout, then\n"
    "the generic options that change it). The language comes from -o's\n"
    "extension (.h .hpp .c .py .json .xbm .rs .bin .hex) or --language. The\n"
    "output is read back and compared with the pictures before it is\n"
    "written. The bytes a frame, the total and, with --mcu, the share of\n"
    "that controller's flash go to standard error.";

const NameMap<CodeLanguage> LanguageNames = {
    {"c", CodeLanguage::C},       {"python", CodeLanguage::Python}, {"json", CodeLanguage::Json}, {"xbm", CodeLanguage::Xbm},
    {"rust", CodeLanguage::Rust}, {"binary", CodeLanguage::Binary}, {"hex", CodeLanguage::Hex}};
const NameMap<NumberBase> BaseNames = {{"hex", NumberBase::Hex}, {"dec", NumberBase::Dec}, {"bin", NumberBase::Bin}};
const NameMap<HexFormat> FormatNames = {{"8bit", HexFormat::EightBit},
                                          {"16bit", HexFormat::SixteenBit},
                                          {"20bit", HexFormat::SegmentAddress20},
                                          {"32bit", HexFormat::Linear32}};

struct ExportArguments {
    std::string pattern, output, name, pictures, mcu;
    LayoutArguments layout;
    CodeLanguage language = CodeLanguage::C;
    CLI::Option* languageOption = nullptr;
    NumberBase base = NumberBase::Hex;
    unsigned long tick = DefaultTickMilliseconds;
    std::uint32_t address = 0;
    HexFormat format = HexFormat::EightBit;
    bool noArt = false;
};

NameMap<std::string> ControllerNameMap() {
    NameMap<std::string> names;
    for (std::size_t i = 0; i < ControllerCount; ++i) names[Controllers[i].name] = Controllers[i].name;
    return names;
}

// A decimal or 0x-hex number of 32 bits, handed on in decimal.
CLI::Validator AddressText() {
    return CLI::Validator(
        [](std::string& text) {
            const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
            const std::string digits = hex ? text.substr(2) : text;
            const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
            if (digits.empty() || digits.size() > (hex ? 8u : 10u) || digits.find_first_not_of(allowed) != std::string::npos)
                return std::string("takes a decimal or 0x-hex number of 32 bits");
            const unsigned long long value = std::stoull(digits, nullptr, hex ? 16 : 10);
            if (value > 0xFFFFFFFFull) return std::string("takes a decimal or 0x-hex number of 32 bits");
            text = std::to_string(value);
            return std::string();
        },
        std::string());
}

CLI::Validator PictureRangeText() {
    return CLI::Validator(
        [](std::string& text) {
            PictureRange range;
            return ParsePictureRange(text, &range) ? std::string() : "takes N or FIRST-LAST, pictures numbered from 0";
        },
        std::string());
}

// The options as the core takes them; empty problem when they are complete.
ExportOptions OptionsOf(const ExportArguments& arguments, std::string* problem) {
    ExportOptions options;
    options.layout = LayoutOf(arguments.layout);
    if (arguments.languageOption->count() > 0) {
        options.language = arguments.language;
    } else if (arguments.output == "-") {
        *problem = "-o - needs --language";
    } else if (!LanguageForPath(arguments.output, &options.language)) {
        *problem = "cannot tell the language from " + QuotedName(arguments.output) +
                   " (.h .hpp .c .py .json .xbm .rs .bin .hex): give --language";
    }
    options.name = arguments.name;
    // A pattern read from standard input has no name of its own.
    if (options.name.empty()) options.name = arguments.pattern == "-" ? DefaultIdentifier : FileStem(arguments.pattern);
    if (!arguments.pictures.empty()) ParsePictureRange(arguments.pictures, &options.pictures);
    options.tickMilliseconds = static_cast<unsigned>(arguments.tick);
    options.base = arguments.base;
    options.art = !arguments.noArt;
    options.mcu = arguments.mcu;
    options.address = arguments.address;
    options.hexFormat = arguments.format;
    return options;
}

int Export(const ExportArguments& arguments, std::ostream& err) {
    std::string problem;
    const ExportOptions options = OptionsOf(arguments, &problem);
    if (!problem.empty()) return PrintUsageError(err, "export: " + problem);
    StandardInputFile input;
    const std::string file = input.PathFor(arguments.pattern, &problem);
    if (file.empty()) return PrintFailure(err, problem);
    PatternLoadResult loaded = ReadPatternFile(file.c_str());
    if (!loaded.pattern)
        return PrintFailure(err, "cannot load " + QuotedName(arguments.pattern) + ": " +
                                     DescribePatternLoadStatus(loaded.status));
    const ExportResult result = WriteExportFile(*loaded.pattern, options, arguments.output.c_str());
    if (result.writeFailed) return PrintFailure(err, CannotWrite(arguments.output));
    if (!result.Made()) return PrintFailure(err, "export: " + result.error + "; nothing is written");
    PrintNote(err, result.summary);
    for (const std::string& warning : result.warnings) PrintNote(err, "warning: " + warning);
    return CliSuccess;
}

void AddOutputOptions(CLI::App* command, ExportArguments& arguments) {
    arguments.languageOption = command->add_option("--language", arguments.language, "the output's language (default: by -o's extension)")
                                   ->type_name("c|python|json|xbm|rust|binary|hex")
                                   ->transform(NameChoice(LanguageNames));
    command->add_option("--name", arguments.name, "the name the code uses (default: the pattern's\nfile name), made an identifier")
        ->type_name("NAME")
        ->check(NotEmpty("a name"));
    command->add_option("--pictures", arguments.pictures, "the pictures to export, from 0 (default all)")
        ->type_name("N|FIRST-LAST")
        ->check(PictureRangeText());
    command->add_option("--base", arguments.base, "how values are written (default hex; bin needs\nC++14 or GNU C)")
        ->type_name("hex|dec|bin")
        ->transform(NameChoice(BaseNames));
    command->add_option("--tick", arguments.tick, "milliseconds of a wait step, 1 to 65535 (default 100)")
        ->type_name("MS")
        ->check(NumberFrom(1, 65535));
    command->add_option("--mcu", arguments.mcu, "the controller whose flash the data go to:\n" + ControllerNames())
        ->type_name("NAME")
        ->transform(NameChoice(ControllerNameMap()));
    command->add_option("--address", arguments.address, "HEX: where the first byte goes (default 0)")
        ->type_name("ADDRESS")
        ->transform(AddressText());
    command->add_option("--format", arguments.format, "HEX: the record format (default 8bit)")
        ->type_name("8bit|16bit|20bit|32bit")
        ->transform(NameChoice(FormatNames));
    command->add_flag("--no-art", arguments.noArt, "leaves out the pictures in comments");
}

}  // namespace

void AddExportCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<ExportArguments>();
    CLI::App* command = AddCommand(program, "export", ExportHelp);
    command->add_option("PATTERN.led", arguments->pattern, "the pattern; - reads standard input")
        ->required()
        ->check(NotEmpty("a pattern file"));
    command->add_option("-o,--output", arguments->output, "the file to write; - writes standard output")
        ->required()
        ->type_name("OUT")
        ->check(NotEmpty("the file to write; - writes standard output"));
    AddPlanesOption(command, arguments->layout.given.planes);
    AddLayoutOptions(command, arguments->layout, true);
    AddOutputOptions(command, *arguments);
    SetAction(command, context, [arguments, &context]() { return Export(*arguments, context.err); });
}

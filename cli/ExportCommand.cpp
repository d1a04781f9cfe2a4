#include "cli/ExportCommand.h"

#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
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

const Choice<CodeLanguage>& Languages() {
    static const Choice<CodeLanguage> choice = {
        {"c", CodeLanguage::C},       {"python", CodeLanguage::Python}, {"json", CodeLanguage::Json}, {"xbm", CodeLanguage::Xbm},
        {"rust", CodeLanguage::Rust}, {"binary", CodeLanguage::Binary}, {"hex", CodeLanguage::Hex}};
    return choice;
}

const Choice<NumberBase>& Bases() {
    static const Choice<NumberBase> choice = {{"hex", NumberBase::Hex}, {"dec", NumberBase::Dec}, {"bin", NumberBase::Bin}};
    return choice;
}

struct ExportArguments {
    std::string pattern, output, name, pictures;
    LayoutArguments layout;
    CodeLanguage language = CodeLanguage::C;
    CLI::Option* languageOption = nullptr;
    NumberBase base = NumberBase::Hex;
    unsigned long tick = DefaultTickMilliseconds;
    std::size_t controller = 0;   // in Controllers
    CLI::Option* controllerOption = nullptr;
    std::uint32_t address = 0;
    HexFormat format = HexFormat::EightBit;
    bool noArt = false;
};

Choice<std::size_t> ControllerChoice() {
    Choice<std::size_t>::Names names;
    for (std::size_t i = 0; i < ControllerCount; ++i) names.emplace_back(Controllers[i].name, i);
    return Choice<std::size_t>(names);
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
    if (arguments.controllerOption->count() > 0) options.mcu = Controllers[arguments.controller].name;
    options.address = arguments.address;
    options.hexFormat = arguments.format;
    return options;
}

int Export(const ExportArguments& arguments, std::ostream& err) {
    std::string problem;
    const ExportOptions options = OptionsOf(arguments, &problem);
    if (!problem.empty()) return PrintUsageError(err, "export: " + problem);
    const PatternLoadResult loaded = LoadPatternArgument(arguments.pattern, err);
    if (!loaded.pattern) return CliFailure;
    const ExportResult result = WriteExportFile(*loaded.pattern, options, arguments.output.c_str());
    if (result.writeFailed) return PrintFailure(err, CannotWrite(arguments.output));
    if (!result.Made()) return PrintFailure(err, "export: " + result.error + "; nothing is written");
    PrintNote(err, result.summary);
    for (const std::string& warning : result.warnings) PrintNote(err, "warning: " + warning);
    return CliSuccess;
}

void AddOutputOptions(CLI::App* command, ExportArguments& arguments) {
    arguments.languageOption = AddChoiceOption(command, "--language", arguments.language, Languages(),
                                               "the output's language (default: by -o's extension)");
    command->add_option("--name", arguments.name, "the name the code uses (default: the pattern's\nfile name), made an identifier")
        ->type_name("NAME")
        ->check(NotEmpty("a name"));
    command->add_option("--pictures", arguments.pictures, "the pictures to export, from 0 (default all)")
        ->type_name("N|FIRST-LAST")
        ->check(PictureRangeText());
    AddChoiceOption(command, "--base", arguments.base, Bases(), "how values are written (default hex; bin needs\nC++14 or GNU C)");
    AddNumberOption(command, "--tick", arguments.tick, 1, 65535, "milliseconds of a wait step, 1 to 65535 (default 100)")
        ->type_name("MS");
    arguments.controllerOption = AddChoiceOption(command, "--mcu", arguments.controller, ControllerChoice(),
                                                 "the controller whose flash the data go to:\n" + ControllerNames(), "NAME");
    command->add_option("--address", arguments.address, "HEX: where the first byte goes (default 0)")
        ->type_name("ADDRESS")
        ->transform(AddressText());
    AddHexFormatOption(command, arguments.format, "HEX: the record format");
    command->add_flag("--no-art", arguments.noArt, "leaves out the pictures in comments");
}

}  // namespace

void AddExportCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<ExportArguments>();
    CLI::App* command = program.add_subcommand("export", ExportHelp);
    command->add_option("PATTERN.led", arguments->pattern, "the pattern; - reads standard input")
        ->required()
        ->check(NotEmpty("a pattern file"));
    AddOutputOption(command, arguments->output, "OUT", "the file to write; - writes standard output");
    AddPlanesOption(command, arguments->layout.given.planes,
                    "two (the default): a picture is frames 2i and\n2i + 1 side by side; one: each frame");
    AddLayoutOptions(command, arguments->layout, true);
    AddOutputOptions(command, *arguments);
    SetAction(command, context, [arguments, &context]() { return Export(*arguments, context.err); });
}

#include "cli/BuildCommand.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "cli/StandardInput.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/hex/HexOptions.h"
#include "pattern/list/DisplayList.h"
#include "pattern/list/ListOmissions.h"
#include "pattern/program/DisplayProgram.h"

namespace {

const char BuildHelp[] =
    "Writes the display program of a display list as an Intel HEX file:\n"
    "the same bytes as the editor's \"Create Hex File...\" with the same\n"
    "choices. --format defaults to 8bit; 20bit is \"16bit + SBA (20bit)\".\n"
    "--start ADDRESS (decimal or 0x-hex) writes a start address record;\n"
    "20bit and 32bit only, at most 0xFFFFF in 20bit; 0 means none.\n"
    "Entries that cannot be emitted are skipped and named on stderr;\n"
    "with --strict they are an error and nothing is written.";

// Entries left out that build names one by one; a count tells the rest.
const std::size_t MaxNamedOmissions = 20;

const Choice<HexFormat> Formats = {{"8bit", HexFormat::EightBit},
                                   {"16bit", HexFormat::SixteenBit},
                                   {"20bit", HexFormat::SegmentAddress20},
                                   {"32bit", HexFormat::Linear32}};

struct BuildArguments {
    std::string list, output;
    HexFormat format = HexFormat::EightBit;
    std::uint32_t start = 0;
    bool strict = false;
};

// Decimal or 0x-hex, of 32 bits.
bool ParseAddress(const std::string& given, std::uint32_t* address) {
    const char* text = given.c_str();
    std::uint64_t value = 0;
    unsigned base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (!*text) return false;
    for (; *text; ++text) {
        unsigned digit;
        char c = *text;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else return false;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return false;
    }
    *address = static_cast<std::uint32_t>(value);
    return true;
}

// The address for CLI11 to convert, in the plain digits it reads as they are.
CLI::Validator StartAddress() {
    return CLI::Validator(
        [](std::string& text) {
            std::uint32_t address = 0;
            if (!ParseAddress(text, &address)) return std::string("takes a decimal or 0x-hex number of 32 bits");
            text = std::to_string(address);
            return std::string();
        },
        std::string());
}

int Build(const BuildArguments& arguments, std::ostream& err) {
    const HexFormat format = arguments.format;
    const std::uint32_t startAddress = arguments.start;
    switch (CheckStartAddress(format, startAddress)) {
    case StartAddressCheck::Accepted: break;
    case StartAddressCheck::NotForThisFormat:
        return PrintUsageError(err, "build: --start is for the 20bit and 32bit formats only");
    case StartAddressCheck::TooLarge:
        return PrintUsageError(err, "build: the start address is too large for 20bit (at most 0xFFFFF)");
    }

    const std::string& listPath = arguments.list;
    const std::string& outputPath = arguments.output;
    StandardInputFile input;
    std::string problem;
    const std::string listFile = input.PathFor(listPath, &problem);
    if (listFile.empty()) return PrintFailure(err, problem);
    DisplayList list;
    if (!list.SelectFile(listFile.c_str(), false))
        return PrintFailure(err, "cannot read list file " + QuotedName(listPath));

    HexImageWriter writer;
    if (!writer.Open(outputPath.c_str(), HexOptions::ForFormat(format, startAddress)))
        return PrintFailure(err, CannotWrite(outputPath));
    ListOmissions omissions;
    BuildDisplayProgram(list, writer, [&](std::size_t index, const DisplayListEntry& entry, const EntryPlan& plan) {
        omissions.Add(index, entry.text.get(), plan);
    });
    std::size_t skipped = 0, named = 0;
    PatternSize commonSize{0, 0};
    omissions.CommonSize(&commonSize);
    const std::vector<EntryOmission> leftOut = omissions.All();
    for (const EntryOmission& omission : leftOut) {
        const bool whole = omission.what == Omission::WholeEntry;
        skipped += whole;
        // A list of many missing files would bury everything else.
        if (++named > MaxNamedOmissions) continue;
        err << "lumigrid-cli: " << (whole ? "skipped entry " : "entry ") << omission.index << " "
            << QuotedName(Printable(omission.text)) << ": " << DescribeOmission(omission, commonSize) << "\n";
    }
    if (named > MaxNamedOmissions)
        PrintNote(err, "and " + std::to_string(named - MaxNamedOmissions) + " more (lumigrid-cli check " +
                           QuotedName(listPath) + " names every entry)");
    if (arguments.strict && skipped > 0) {
        writer.Discard();
        return PrintFailure(err, std::to_string(skipped) + (skipped == 1 ? " entry" : " entries") +
                                     " skipped; nothing written (--strict)");
    }
    if (!writer.Close()) {
        if (writer.Error() != HexExportError::ImageTooLarge) return PrintFailure(err, CannotWrite(outputPath));
        // 64 KiB itself does not fit: an image of a whole number of records
        // ends with an empty data record, which would lie at 10000.
        std::string reason = DescribeHexExportError(writer.Error());
        reason += format == HexFormat::SegmentAddress20 ? " (20bit holds less than 1 MiB; use 32bit)"
                  : format == HexFormat::Linear32        ? ""
                                                          : " (8bit and 16bit hold at most 65535 bytes; use 20bit or 32bit)";
        return PrintFailure(err, "cannot write " + QuotedName(outputPath) + ": " + reason);
    }
    return CliSuccess;
}

}  // namespace

void AddBuildCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<BuildArguments>();
    CLI::App* command = program.add_subcommand("build", BuildHelp);
    command->add_option("LIST.ll", arguments->list, "the display list; - reads standard input")->required()->check(NotEmpty("a list file"));
    AddOutputOption(command, arguments->output, "OUT.hex", "the HEX file to write; - writes standard output",
                    "the output file");
    AddChoiceOption(command, "--format", arguments->format, Formats,
                    "the record format (default " + Formats.NameOf(arguments->format) + ")");
    command->add_option("--start", arguments->start, "the start address; 0 means none")
        ->type_name("ADDRESS")
        ->transform(StartAddress());
    command->add_flag("--strict", arguments->strict, "skipped entries are an error: nothing is written");
    SetAction(command, context, [arguments, &context]() { return Build(*arguments, context.err); });
}

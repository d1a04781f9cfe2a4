#include "BuildCommand.h"

#include <cstdint>
#include <memory>
#include <string>

#include "Cli.h"
#include "DisplayList.h"
#include "DisplayProgram.h"
#include "HexImageWriter.h"
#include "HexOptions.h"

namespace {

const char BuildHelp[] =
    "Writes the display program of a display list as an Intel HEX file:\n"
    "the same bytes as the editor's \"Create Hex File...\" with the same\n"
    "choices. --format defaults to 8bit; 20bit is \"16bit + SBA (20bit)\".\n"
    "--start ADDRESS (decimal or 0x-hex) writes a start address record;\n"
    "20bit and 32bit only, at most 0xFFFFF in 20bit; 0 means none.\n"
    "Entries that cannot be emitted are skipped and named on stderr;\n"
    "with --strict they are an error and nothing is written.";

// The command-line names of the formats, in HexFormat order.
const char* const FormatOptionNames[HexFormatCount] = {"8bit", "16bit", "20bit", "32bit"};

struct BuildArguments {
    std::string list, output, format = FormatOptionNames[0], start;
    bool strict = false;
};

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

CLI::Validator StartAddressText() {
    return CLI::Validator(
        [](std::string& text) {
            std::uint32_t address = 0;
            return ParseAddress(text, &address) ? std::string() : "takes a decimal or 0x-hex number of 32 bits";
        },
        "");
}

int Build(const BuildArguments& arguments, std::ostream& err) {
    int formatIndex = 0;
    for (int i = 0; i < HexFormatCount; ++i)
        if (arguments.format == FormatOptionNames[i]) formatIndex = i;
    const HexFormat format = static_cast<HexFormat>(formatIndex);

    std::uint32_t startAddress = 0;
    if (!arguments.start.empty()) {
        ParseAddress(arguments.start, &startAddress);
        switch (CheckStartAddress(format, startAddress)) {
        case StartAddressCheck::Accepted: break;
        case StartAddressCheck::NotForThisFormat:
            return PrintUsageError(err, "build: --start is for the 20bit and 32bit formats only");
        case StartAddressCheck::TooLarge:
            return PrintUsageError(err, "build: the start address is too large for 20bit (at most 0xFFFFF)");
        }
    }

    const std::string& listPath = arguments.list;
    const std::string& outputPath = arguments.output;
    DisplayList list;
    if (!list.SelectFile(listPath.c_str(), false))
        return PrintFailure(err, "cannot read list file " + QuotedName(listPath));

    HexImageWriter writer;
    if (!writer.Open(outputPath.c_str(), HexOptions::ForFormat(format, startAddress)))
        return PrintFailure(err, "cannot write " + QuotedName(outputPath) + ": " + DescribeHexExportError(writer.Error()));
    std::size_t skipped = 0;
    BuildDisplayProgram(list, writer, [&](std::size_t index, const DisplayListEntry& entry, const EntryPlan& plan) {
        if (plan.kind != EntryKind::Skipped) return;
        ++skipped;
        err << "lumigrid-cli: skipped entry " << index + 1 << " " << QuotedName(entry.text.get()) << ": "
            << DescribeSkip(plan) << "\n";
    });
    if (arguments.strict && skipped > 0) {
        writer.Discard();
        return PrintFailure(err, std::to_string(skipped) + (skipped == 1 ? " entry" : " entries") +
                                     " skipped; nothing written (--strict)");
    }
    if (!writer.Close()) {
        std::string reason = DescribeHexExportError(writer.Error());
        if (writer.Error() == HexExportError::ImageTooLarge)
            reason += format == HexFormat::SegmentAddress20 ? " (20bit holds less than 1 MiB; use 32bit)"
                      : format == HexFormat::Linear32        ? ""
                                                              : " (8bit and 16bit hold 64 KiB; use 20bit or 32bit)";
        return PrintFailure(err, "cannot write " + QuotedName(outputPath) + ": " + reason);
    }
    return CliSuccess;
}

}  // namespace

void AddBuildCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<BuildArguments>();
    CLI::App* command = AddCommand(program, "build", BuildHelp);
    command->add_option("LIST.ll", arguments->list, "the display list")->required()->check(NotEmpty("a list file"));
    command->add_option("-o,--output", arguments->output, "the HEX file to write")
        ->required()
        ->type_name("OUT.hex")
        ->check(NotEmpty("the output file"));
    command->add_option("--format", arguments->format, "the record format (default 8bit)")
        ->type_name("8bit|16bit|20bit|32bit")
        ->check(OneOf({"8bit", "16bit", "20bit", "32bit"}, "8bit, 16bit, 20bit or 32bit"));
    command->add_option("--start", arguments->start, "the start address; 0 means none")
        ->type_name("ADDRESS")
        ->check(StartAddressText());
    command->add_flag("--strict", arguments->strict, "skipped entries are an error: nothing is written");
    SetAction(command, context, [arguments, &context]() { return Build(*arguments, context.err); });
}

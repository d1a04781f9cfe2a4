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
    DefineBuildOptions(command, *arguments);
    SetAction(command, context, [arguments, &context]() { return Build(*arguments, context.err); });
}

void DefineBuildOptions(CLI::App* command, BuildArguments& arguments) {
    command->add_option("LIST.ll", arguments.list, "the display list; - reads standard input")
        ->required()
        ->check(NotEmpty("a list file"));
    AddOutputOption(command, arguments.output, "OUT.hex", "the HEX file to write; - writes standard output",
                    "the output file");
    AddHexFormatOption(command, arguments.format, "the record format");
    command->add_option("--start", arguments.start, "the start address; 0 means none")
        ->type_name("ADDRESS")
        ->transform(AddressText());
    command->add_flag("--strict", arguments.strict, "skipped entries are an error: nothing is written");
}

const PlainShape& BuildShape() {
    static const PlainShape shape = {{{"-o,--output", true}, {"--format", true}, {"--start", true}, {"--strict", false}},
                                     1};
    return shape;
}

bool ReadPlainBuild(int argc, const char* const argv[], BuildArguments* arguments) {
    PlainCommandLine line;
    if (!line.Read(argc, argv, BuildShape())) return false;
    const std::string* output = line.Value("-o,--output");
    const std::string* format = line.Value("--format");
    const std::string* start = line.Value("--start");
    BuildArguments read;
    read.list = line.Positionals()[0];
    if (read.list.empty() || !output || output->empty()) return false;
    read.output = *output;
    if (format && !ParseHexFormat(*format, &read.format)) return false;
    if (start && !ParseAddress(*start, &read.start)) return false;
    read.strict = line.Given("--strict");
    *arguments = read;
    return true;
}

bool RunPlainBuild(int argc, const char* const argv[], CliContext& context, int* status) {
    BuildArguments arguments;
    if (!ReadPlainBuild(argc, argv, &arguments)) return false;
    *status = Build(arguments, context.err);
    return true;
}

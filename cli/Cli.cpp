#include "Cli.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "CommandHelp.h"
#include "DecodeCommand.h"
#include "DisplayList.h"
#include "DisplayProgram.h"
#include "HexImageWriter.h"
#include "HexOptions.h"
#include "ImageCommands.h"
#include "LedFile.h"
#include "ListCommands.h"
#include "ListOmissions.h"
#include "TextCommand.h"

#ifndef LUMIGRID_VERSION
#define LUMIGRID_VERSION "unknown"
#endif

namespace {

const char ProgramName[] = "lumigrid-cli";

const char UsageText[] =
    "Usage:\n"
    "  lumigrid-cli build LIST.ll -o OUT.hex [--format 8bit|16bit|20bit|32bit] [--start ADDRESS] [--strict]\n"
    "  lumigrid-cli show PATTERN.led\n"
    "  lumigrid-cli check LIST.ll\n"
    "  lumigrid-cli import IMAGE... -o PATTERN.led [--mode normal|animation|scroll|onoff] [--wait N]\n"
    "               [--threshold N] [--invert]\n"
    "  lumigrid-cli render PATTERN.led -o IMAGE.png [--frame N] [--scale N] [--columns N]\n"
    "  lumigrid-cli list new LIST.ll\n"
    "  lumigrid-cli list add LIST.ll PATTERN.led... [--at INDEX]\n"
    "  lumigrid-cli list reset LIST.ll [--at INDEX]\n"
    "  lumigrid-cli list remove LIST.ll INDEX\n"
    "  lumigrid-cli list show LIST.ll\n"
    "  lumigrid-cli decode FILE.hex [--size COLUMNSxROWS] [--frames]\n"
    "  lumigrid-cli decode FILE.hex --extract DIR [--size COLUMNSxROWS] [--force]\n"
    "  lumigrid-cli decode FILE.hex --render DIR [--size COLUMNSxROWS] [--scale N] [--force]\n"
    "  lumigrid-cli text TEXT -o PATTERN.led [--font FILE] [--pixels N] [--size COLUMNSxROWS]\n"
    "               [--mode scroll|animation|normal|onoff] [--wait N] [--step N] [--invert] [--missing skip]\n"
    "  lumigrid-cli --help | --version\n";

const char HelpText[] =
    "\n"
    "build  Writes the display program of a display list as an Intel HEX file:\n"
    "       the same bytes as the editor's \"Create Hex File...\" with the same\n"
    "       choices. --format defaults to 8bit; 20bit is \"16bit + SBA (20bit)\".\n"
    "       --start ADDRESS (decimal or 0x-hex) writes a start address record;\n"
    "       20bit and 32bit only, at most 0xFFFFF in 20bit; 0 means none.\n"
    "       Entries that cannot be emitted are skipped and named on stderr;\n"
    "       with --strict they are an error and nothing is written.\n"
    "show   Prints a pattern file's header and every frame (# lit, . dark).\n"
    "check  Prints what each entry of a display list adds to the display\n"
    "       program, or why it would be skipped; exit status 1 if any would be.\n"
    "import Makes a pattern of pictures (PNG, BMP, GIF, JPEG): each picture is a\n"
    "       frame, and each frame of an animated GIF. All of one size, at most\n"
    "       255 x 255, and at most 2048 frames. A pixel is lit when it is opaque\n"
    "       and its luminance is at least --threshold (0-255, default 128); with\n"
    "       --invert when it is opaque and darker. --mode defaults to animation,\n"
    "       --wait (1-255) to 1.\n"
    "render Draws a pattern as the editor shows it, to a PNG: one frame with\n"
    "       --frame N (from 0), else all frames, --columns to a row (default 8);\n"
    "       each LED --scale pixels (1-64, default 8; from 7 up drawn round).\n"
    "list   Makes and edits display lists; entries are counted from 0. add and\n"
    "       reset make a missing list, insert before entry --at or append, and\n"
    "       store patterns by full path; show prints the entries numbered.\n"
    "decode Reads a HEX file back: checks it and lists its display program at a\n"
    "       frame size (default 16x16); --extract DIR recovers the patterns and the\n"
    "       list that build it again, --render DIR draws every frame as a PNG.\n"
    "text   Makes a pattern of a text in a font (default Unifont), cut into\n"
    "       frames or, with --step, scrolled in from the right; see\n"
    "       lumigrid-cli text --help.\n"
    "\n"
    "Exit status: 0 success, 1 failure, 2 usage error. No command leaves a\n"
    "partial output file behind.\n";

// The command-line names of the formats, in HexFormat order.
const char* const FormatOptionNames[HexFormatCount] = {"8bit", "16bit", "20bit", "32bit"};

class Command {
public:
    Command(std::ostream& out, std::ostream& err) : out(out), err(err) {}

    int Usage(const std::string& problem) {
        err << ProgramName << ": " << problem << " (see lumigrid-cli --help)\n";
        return CliUsageError;
    }
    int Failure(const std::string& problem) {
        err << ProgramName << ": " << problem << "\n";
        return CliFailure;
    }

    std::ostream& out;
    std::ostream& err;
};

std::string Quoted(const char* text) { return std::string("'") + text + "'"; }

bool ParseAddress(const char* text, std::uint32_t* address) {
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

// Splits "--name=value" or takes the value from the next argument.
// False when there is no value.
bool OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name, std::string* value) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=') {
        *value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) return false;
    *value = args[++i];
    return true;
}

bool IsOption(const std::string& arg, const char* name) {
    std::size_t length = std::strlen(name);
    return arg.compare(0, length, name) == 0 && (arg.size() == length || arg[length] == '=');
}

std::string ControlCodeText(std::uint8_t controlCode) {
    const char* name = ControlCodeName(controlCode);
    return std::to_string(controlCode) + " (" + (name ? name : "unknown") + ")";
}

int Build(Command& command, const std::vector<std::string>& args) {
    std::string listPath, outputPath, formatName = FormatOptionNames[0], startText;
    bool haveList = false, haveOutput = false, haveStart = false, strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsOption(arg, "-o") || IsOption(arg, "--output")) {
            if (!OptionValue(args, i, arg[1] == 'o' ? "-o" : "--output", &outputPath) || outputPath.empty())
                return command.Usage("build: -o needs the output file");
            haveOutput = true;
        } else if (IsOption(arg, "--format")) {
            if (!OptionValue(args, i, "--format", &formatName)) return command.Usage("build: --format needs a format");
        } else if (IsOption(arg, "--start")) {
            if (!OptionValue(args, i, "--start", &startText)) return command.Usage("build: --start needs an address");
            haveStart = true;
        } else if (arg == "--strict") {
            strict = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return command.Usage("build: unknown option " + Quoted(arg.c_str()));
        } else if (haveList) {
            return command.Usage("build: one list file only");
        } else {
            listPath = arg;
            haveList = true;
        }
    }
    if (!haveList || listPath.empty()) return command.Usage("build: no list file given");
    if (!haveOutput) return command.Usage("build: no output file given (-o OUT.hex)");

    int formatIndex = -1;
    for (int i = 0; i < HexFormatCount; ++i)
        if (formatName == FormatOptionNames[i]) formatIndex = i;
    if (formatIndex < 0)
        return command.Usage("build: unknown format " + Quoted(formatName.c_str()) + " (8bit, 16bit, 20bit or 32bit)");
    const HexFormat format = static_cast<HexFormat>(formatIndex);

    std::uint32_t startAddress = 0;
    if (haveStart) {
        if (!ParseAddress(startText.c_str(), &startAddress))
            return command.Usage("build: the start address " + Quoted(startText.c_str()) +
                                 " is not a decimal or 0x-hex number of 32 bits");
        switch (CheckStartAddress(format, startAddress)) {
        case StartAddressCheck::Accepted: break;
        case StartAddressCheck::NotForThisFormat:
            return command.Usage("build: --start is for the 20bit and 32bit formats only");
        case StartAddressCheck::TooLarge:
            return command.Usage("build: the start address is too large for 20bit (at most 0xFFFFF)");
        }
    }

    DisplayList list;
    if (!list.SelectFile(listPath.c_str(), false))
        return command.Failure("cannot read list file " + Quoted(listPath.c_str()));

    HexImageWriter writer;
    if (!writer.Open(outputPath.c_str(), HexOptions::ForFormat(format, startAddress)))
        return command.Failure("cannot write " + Quoted(outputPath.c_str()) + ": " +
                               DescribeHexExportError(writer.Error()));
    ListOmissions omissions;
    BuildDisplayProgram(list, writer, [&](std::size_t index, const DisplayListEntry& entry, const EntryPlan& plan) {
        omissions.Add(index, entry.text.get(), plan);
    });
    std::size_t skipped = 0;
    PatternSize commonSize{0, 0};
    omissions.CommonSize(&commonSize);
    for (const EntryOmission& omission : omissions.All()) {
        const bool whole = omission.what == Omission::WholeEntry;
        skipped += whole;
        command.err << ProgramName << ": " << (whole ? "skipped entry " : "entry ") << omission.index + 1 << " "
                    << Quoted(omission.text.c_str()) << ": " << DescribeOmission(omission, commonSize) << "\n";
    }
    if (strict && skipped > 0) {
        writer.Discard();
        return command.Failure(std::to_string(skipped) + (skipped == 1 ? " entry" : " entries") +
                               " skipped; nothing written (--strict)");
    }
    if (!writer.Close()) {
        std::string reason = DescribeHexExportError(writer.Error());
        if (writer.Error() == HexExportError::ImageTooLarge)
            reason += format == HexFormat::SegmentAddress20 ? " (20bit holds less than 1 MiB; use 32bit)"
                      : format == HexFormat::Linear32        ? ""
                                                              : " (8bit and 16bit hold 64 KiB; use 20bit or 32bit)";
        return command.Failure("cannot write " + Quoted(outputPath.c_str()) + ": " + reason);
    }
    return CliSuccess;
}

void PrintFrame(std::ostream& out, const LedPattern& pattern, std::uint32_t frame) {
    std::string line;
    for (unsigned y = 0; y < pattern.rows; ++y) {
        line.clear();
        for (unsigned x = 0; x < pattern.columns; ++x) line += pattern.GetPixel(frame, x, y) ? '#' : '.';
        line += '\n';
        out << line;
    }
}

int Show(Command& command, const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return command.Usage("show: give one pattern file");
    const char* path = args[0].c_str();
    PatternLoadResult loaded = ReadPatternFile(path);
    if (!loaded.pattern)
        return command.Failure("cannot load " + Quoted(path) + ": " + DescribePatternLoadStatus(loaded.status));
    const LedPattern& pattern = *loaded.pattern;
    std::ostream& out = command.out;
    out << "file: " << path << "\n"
        << "control code: " << ControlCodeText(pattern.header.controlCode) << "\n"
        << "wait: " << static_cast<unsigned>(pattern.header.wait) << "\n"
        << "frames: " << pattern.frameCount << "\n"
        << "rows: " << static_cast<unsigned>(pattern.rows) << "\n"
        << "columns: " << static_cast<unsigned>(pattern.columns) << "\n"
        << "row bytes: " << static_cast<unsigned>(pattern.rowBytes) << "\n";
    if (loaded.status == PatternLoadStatus::EndsEarly)
        out << "note: the file ends after " << loaded.framesRead << " of " << pattern.frameCount
            << " frames; the rest are blank, and without its end the file counts as Animation with wait 0"
            << " (its header says " << ControlCodeText(loaded.fileHeader.controlCode) << ", wait "
            << static_cast<unsigned>(loaded.fileHeader.wait) << ")\n";
    else if (loaded.lastFrameShort)
        out << "note: the file ends inside its last frame; the rest of that frame repeats the frame before it\n";
    for (std::uint32_t frame = 0; frame < pattern.frameCount; ++frame) {
        out << "frame " << frame << ":\n";
        PrintFrame(out, pattern, frame);
    }
    return CliSuccess;
}

int Check(Command& command, const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') return command.Usage("check: give one list file");
    const char* path = args[0].c_str();
    DisplayList list;
    if (!list.SelectFile(path, false)) return command.Failure("cannot read list file " + Quoted(path));
    std::ostream& out = command.out;
    std::vector<EntryPlan> plans;
    ListOmissions omissions;
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next) {
        plans.push_back(PlanEntry(entry->text.get()));
        omissions.Add(plans.size() - 1, entry->text.get(), plans.back());
    }
    PatternSize commonSize{0, 0};
    omissions.CommonSize(&commonSize);
    const std::vector<EntryOmission> leftOut = omissions.All();
    std::size_t next = 0, index = 0, skipped = 0;
    std::uint64_t imageBytes = 4;   // F0 00 and 00 00
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next, ++index) {
        const EntryPlan& plan = plans[index];
        out << index + 1 << ": " << entry->text.get() << ": ";
        imageBytes += plan.bytes;
        switch (plan.kind) {
        case EntryKind::Reset:
            out << "reset";
            break;
        case EntryKind::Pattern: {
            const char* name = ControlCodeName(plan.header.controlCode);
            out << name << ", " << plan.header.FrameCount() << " frames of " << static_cast<unsigned>(plan.header.columns)
                << " x " << static_cast<unsigned>(plan.header.rows);
            if (plan.header.controlCode != ControlAnimation) out << ", wait " << static_cast<unsigned>(plan.header.wait);
            if (plan.loadStatus == PatternLoadStatus::EndsEarly) out << ", file ends early";
            break;
        }
        case EntryKind::Skipped:
            ++skipped;
            out << "skipped: " << DescribeSkip(plan) << "\n";
            break;
        }
        if (plan.kind != EntryKind::Skipped) out << ", adds " << plan.bytes << (plan.bytes == 1 ? " byte" : " bytes");
        for (; next < leftOut.size() && leftOut[next].index == index; ++next)
            if (leftOut[next].what != Omission::WholeEntry) out << "; " << DescribeOmission(leftOut[next], commonSize);
        if (plan.kind != EntryKind::Skipped) out << "\n";
    }
    out << index << (index == 1 ? " entry, " : " entries, ") << skipped << " skipped; display program of "
        << imageBytes << " bytes\n";
    return skipped ? CliFailure : CliSuccess;
}

}  // namespace

int RunCli(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    Command command(out, err);
    if (argc < 2) return command.Usage("no command given");
    const std::string name = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (name == "--help" || name == "-h" || name == "help") {
        out << UsageText << HelpText;
        return CliSuccess;
    }
    if (name == "--version") {
        out << ProgramName << " " << LUMIGRID_VERSION << "\n";
        return CliSuccess;
    }
    // These read their own options, --help among them (a text after "--"
    // may well be "-h").
    if (name == "decode") return RunDecode(args, out, err);
    if (name == "text") return RunText(args, out, err);
    const std::string commandHelp = AsksForHelp(args) ? CommandHelp(UsageText, HelpText, name) : "";
    if (!commandHelp.empty()) {
        out << commandHelp;
        return CliSuccess;
    }
    if (name == "build") return Build(command, args);
    if (name == "show") return Show(command, args);
    if (name == "check") return Check(command, args);
    if (name == "import") return RunImport(args, out, err);
    if (name == "render") return RunRender(args, out, err);
    if (name == "list") return RunList(args, out, err);
    return command.Usage("unknown command " + Quoted(name.c_str()));
}

#include "cli/ShowCommand.h"

#include <cstdint>
#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/OptionValues.h"
#include "cli/StandardInput.h"
#include "pattern/document/LedFile.h"

namespace {

const char ShowHelp[] = "Prints a pattern file's header and every frame (# lit, . dark).";

std::string ControlCodeText(std::uint8_t controlCode) {
    const char* name = ControlCodeName(controlCode);
    return std::to_string(controlCode) + " (" + (name ? name : "unknown") + ")";
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

int Show(const std::string& path, std::ostream& out, std::ostream& err) {
    const PatternLoadResult loaded = LoadPatternArgument(path, err);
    if (!loaded.pattern) return CliFailure;
    const LedPattern& pattern = *loaded.pattern;
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

}  // namespace

void AddShowCommand(CLI::App& program, CliContext& context) {
    auto path = std::make_shared<std::string>();
    CLI::App* command = program.add_subcommand("show", ShowHelp);
    command->add_option("PATTERN.led", *path, "the pattern file; - reads standard input")->required()->check(NotEmpty("a pattern file"));
    SetAction(command, context, [path, &context]() { return Show(*path, context.out, context.err); });
}

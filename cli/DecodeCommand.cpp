#include "cli/DecodeCommand.h"

#include <cstdint>
#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/DecodeExtract.h"
#include "cli/DecodeListing.h"
#include "cli/DecodedFile.h"
#include "cli/StandardInput.h"

namespace {

const char DecodeHelp[] =
    "Reads a HEX file back: checks every record, then reads the display\n"
    "program in it with frames of COLUMNSxROWS pixels (the image does not\n"
    "say), and lists one line per item and a summary. --extract DIR\n"
    "recovers the patterns and the list that build it again, --render DIR\n"
    "draws every frame as a PNG. DIR is made if it does not exist; files\n"
    "already in it are kept unless --force is given.";

const std::uint8_t DefaultSide = 16;
const unsigned DefaultScale = 8;

struct DecodeOptions {
    std::string hexPath;          // as given, for what is printed
    std::string hexFile;          // what is read: the copy of standard input for "-"
    std::string extractDirectory;
    std::string renderDirectory;
    FrameSize size{DefaultSide, DefaultSide};
    std::uint8_t columns = DefaultSide;
    std::uint8_t rows = DefaultSide;
    unsigned scale = DefaultScale;
    bool haveScale = false;
    bool extract = false;
    bool render = false;
    bool force = false;
    bool frames = false;
};

// What the parser cannot tell by one option alone.
int CheckCombination(DecodeOptions* options, std::ostream& err) {
    options->extract = !options->extractDirectory.empty();
    options->render = !options->renderDirectory.empty();
    if (options->haveScale && !options->render) return PrintUsageError(err, "decode: --scale is for --render");
    if (options->force && !options->extract && !options->render)
        return PrintUsageError(err, "decode: --force is for --extract and --render");
    options->columns = static_cast<std::uint8_t>(options->size.columns);
    options->rows = static_cast<std::uint8_t>(options->size.rows);
    return CliSuccess;
}

int RunDecode(DecodeOptions& options, CliContext& context) {
    std::ostream& out = context.out;
    std::ostream& err = context.err;
    int status = CheckCombination(&options, err);
    if (status != CliSuccess) return status;
    // Frames are drawn by the picture code, which a lean program hands on.
    if (options.render && !context.media) return HandOff(context);
    StandardInputFile input;
    std::string problem;
    options.hexFile = input.PathFor(options.hexPath, &problem);
    if (options.hexFile.empty()) return PrintFailure(err, problem);
    DecodedFile file;
    file.path = options.hexPath;
    file.file = options.hexFile;
    file.columns = options.columns;
    file.rows = options.rows;
    status = ReadDecodedFile(&file, err);
    if (status != CliSuccess) return status;
    if (!options.extract && !options.render) return PrintListing(file, options.frames, out, err);
    if (options.extract &&
        (status = ExtractPatterns(file, options.extractDirectory, options.force, out, err)) != CliSuccess)
        return status;
    if (options.render)
        status = context.media->renderDecodedFrames(file, options.renderDirectory, options.scale, options.force, out, err);
    return status;
}

}  // namespace

void AddDecodeCommand(CLI::App& program, CliContext& context) {
    auto options = std::make_shared<DecodeOptions>();
    CLI::App* command = program.add_subcommand("decode", DecodeHelp);
    command->add_option("FILE.hex", options->hexPath, "the Intel HEX file; - reads standard input")->required()->check(NotEmpty("a file name"));
    AddSizeOption(command, options->size, "frame columns x rows, 1 to 255 each (default 16x16)");
    command->add_flag("--frames", options->frames, "also prints every frame as show does (# lit, . dark)");
    command->add_option("--extract", options->extractDirectory,
                        "writes DIR/pattern-NNN.led and DIR/list.ll, from which build\n"
                        "makes the same image again, and prints that build command line")
        ->type_name("DIR")
        ->check(NotEmpty("a directory"));
    command->add_option("--render", options->renderDirectory,
                        "draws every frame as render does to\nDIR/pattern-NNN-frame-MMMM.png")
        ->type_name("DIR")
        ->check(NotEmpty("a directory"));
    AddScaleOption(command, options->scale, "pixels a LED for --render, 1 to 64 (default 8)")
        ->each([options](const std::string&) { options->haveScale = true; });
    command->add_flag("--force", options->force, "replaces files already in DIR");
    SetAction(command, context, [options, &context]() { return RunDecode(*options, context); });
}

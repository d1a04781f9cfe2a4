#include "ImportCommand.h"

#include <memory>
#include <string>
#include <vector>

#include "Cli.h"
#include "ImageImport.h"
#include "LedFile.h"

namespace {

const char ImportHelp[] =
    "Makes a pattern of pictures (PNG, BMP, GIF, JPEG): each picture is a\n"
    "frame, and each frame of an animated GIF. All of one size, at most\n"
    "255 x 255, and at most 2048 frames. A pixel is lit when it is opaque\n"
    "and its luminance is at least --threshold (0-255, default 128); with\n"
    "--invert when it is opaque and darker. --mode defaults to animation,\n"
    "--wait (1-255) to 1.";

struct ImportArguments {
    std::vector<std::string> images;
    std::string output, mode = "animation";
    unsigned long wait = 1, threshold = 128;
    bool invert = false;
};

int Import(const ImportArguments& arguments, std::ostream& err) {
    ImportOptions options;
    ParseMode(arguments.mode, &options.controlCode);
    options.wait = static_cast<std::uint8_t>(arguments.wait);
    options.threshold = static_cast<unsigned>(arguments.threshold);
    options.invert = arguments.invert;

    ImportResult imported = ImportImages(arguments.images, options);
    if (!imported.pattern) return PrintFailure(err, imported.problem);
    LedPattern& pattern = *imported.pattern;
    if (!SavePatternFile(pattern, arguments.output.c_str()))
        return PrintFailure(err, "cannot write " + QuotedName(arguments.output));
    if (pattern.frameCount % 2 != 0)
        PrintNote(err, std::to_string(pattern.frameCount) + (pattern.frameCount == 1 ? " frame" : " frames") +
                           ": the display program shows frames in pairs and leaves the last one out");
    return CliSuccess;
}

}  // namespace

void AddImportCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<ImportArguments>();
    CLI::App* command = AddCommand(program, "import", ImportHelp);
    command->add_option("IMAGE...", arguments->images, "the pictures, one frame each (every frame of a GIF)")
        ->required()
        ->check(NotEmpty("a file name"));
    command->add_option("-o,--output", arguments->output, "the pattern file to write")
        ->required()
        ->type_name("PATTERN.led")
        ->check(NotEmpty("the pattern file to write"));
    command->add_option("--mode", arguments->mode, "the display mode (default animation)")
        ->type_name("normal|animation|scroll|onoff")
        ->check(OneOf({"normal", "animation", "scroll", "onoff"}, "normal, animation, scroll or onoff"));
    command->add_option("--wait", arguments->wait, "the wait, 1 to 255 (default 1)")
        ->type_name("N")
        ->check(NumberFrom(1, 255));
    command->add_option("--threshold", arguments->threshold, "the luminance from which a pixel is lit,\n0 to 255 (default 128)")
        ->type_name("N")
        ->check(NumberFrom(0, 255));
    command->add_flag("--invert", arguments->invert, "lights the opaque pixels below the threshold instead");
    SetAction(command, context, [arguments, &context]() { return Import(*arguments, context.err); });
}

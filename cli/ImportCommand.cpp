#include "cli/ImportCommand.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/LayoutOptions.h"
#include "cli/StandardInput.h"
#include "export/CodeImport.h"
#include "pattern/document/FrameTools.h"
#include "pattern/document/LedFile.h"
#include "picture/ImageCodec.h"
#include "picture/ImageImport.h"

namespace {

const char ImportHelp[] =
    "Makes a pattern of pictures (PNG, BMP, GIF, JPEG): each picture is a\n"
    "frame, and each frame of an animated GIF; at most 2048 frames. --crop\n"
    "first cuts each picture to X,Y,W,H of its pixels. Without --size the\n"
    "pattern has the pictures' own size, all alike, at most 255 x 255; with\n"
    "--size COLUMNSxROWS every picture, of any size, is fitted to it: --fit\n"
    "contain (the default: all of it, dark bands beside), cover (fills it,\n"
    "the overflow cut off), stretch or none (cut or padded), placed by\n"
    "--align (default centre). A pixel is lit when it is opaque and its\n"
    "luminance is at least --threshold (0-255, default 128), or as --dither\n"
    "floyd-steinberg (photos) or ordered (animations) decides; with --invert\n"
    "the dark ones. --mode defaults to animation, --wait (1-255) to 1. An odd number of frames gets a dark\n"
    "frame after the last, as the display program shows frames in pairs.\n"
    "A file that lumigrid-cli export wrote (C, Python, JSON, XBM, Rust) is\n"
    "read back by its layout line; binary (.bin) and code without that line\n"
    "need --layout (and the options that change it) and --size, the size\n"
    "of a frame of the data.";

// The names of the choices, in the order of their enumerations.
const std::vector<std::string> FitNames = {"contain", "cover", "stretch", "none"};
const std::vector<std::string> AlignmentNames = {"top-left",    "top",    "top-right",
                                                 "left",        "centre", "right",
                                                 "bottom-left", "bottom", "bottom-right"};
const char AmericanCentre[] = "center";
const std::vector<std::string> DitherNames = {"none", "floyd-steinberg", "ordered"};

struct ImportArguments {
    std::vector<std::string> images;
    std::string output, mode = "animation", size, fit = "contain", align = "centre", crop, dither = "none";
    unsigned long wait = 1, threshold = 128;
    bool invert = false;
    LayoutArguments layout;
};

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return 0;
}

// X,Y,W,H in a picture's pixels, W and H at least 1.
bool ParseCrop(const std::string& text, PictureRect* crop) {
    unsigned long values[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
        if (comma == std::string::npos ||
            !ParseDecimal(text.substr(start, comma - start), static_cast<unsigned long>(MaxImageSide), &values[i]))
            return false;
        start = comma + 1;
    }
    if (values[2] == 0 || values[3] == 0) return false;
    *crop = PictureRect{static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                        static_cast<int>(values[3])};
    return true;
}

CLI::Validator CropText() {
    return CLI::Validator(
        [](std::string& text) {
            PictureRect crop;
            return ParseCrop(text, &crop) ? std::string()
                                          : "takes X,Y,W,H in the picture's pixels, W and H at least 1 (such as 0,0,320,160)";
        },
        std::string());
}

// Exported code read back by the export's own reader.
int ImportCode(const ImportArguments& arguments, const std::string& path, const StandardInputFile& input,
               std::ostream& err) {
    ReadHints hints;
    hints.hasLayout = LayoutGiven(arguments.layout);
    hints.layout = LayoutOf(arguments.layout);
    hints.layout.invert = arguments.invert;
    if (!arguments.size.empty()) ParseFrameSize(arguments.size, &hints.size.width, &hints.size.height);
    LedPattern pattern;
    const CodeImport imported = ImportExportedCode(path.c_str(), hints, pattern);
    if (!imported.problem.empty())
        return PrintFailure(err, "cannot read " + QuotedName(arguments.images[0]) + ": " + input.Shown(imported.problem));
    if (!SavePatternFile(pattern, arguments.output.c_str())) return PrintFailure(err, CannotWrite(arguments.output));
    return CliSuccess;
}

int Import(const ImportArguments& arguments, bool thresholdGiven, std::ostream& err) {
    ImportOptions options;
    ParseMode(arguments.mode, &options.controlCode);
    options.wait = static_cast<std::uint8_t>(arguments.wait);
    options.threshold = static_cast<unsigned>(arguments.threshold);
    options.invert = arguments.invert;
    options.dither = static_cast<Dither>(IndexOf(DitherNames, arguments.dither));
    if (thresholdGiven && options.dither != Dither::None)
        return PrintUsageError(err, "import: --threshold applies only to --dither none");
    if (!arguments.size.empty()) {
        unsigned columns = 0, rows = 0;
        ParseFrameSize(arguments.size, &columns, &rows);
        options.columns = static_cast<int>(columns);
        options.rows = static_cast<int>(rows);
    }
    options.fit = static_cast<PictureFit>(IndexOf(FitNames, arguments.fit));
    options.alignment = static_cast<Alignment>(
        arguments.align == AmericanCentre ? IndexOf(AlignmentNames, "centre") : IndexOf(AlignmentNames, arguments.align));
    options.cropped = ParseCrop(arguments.crop, &options.crop);

    StandardInputFile input;
    std::vector<std::string> images;
    std::string problem;
    if (std::count(arguments.images.begin(), arguments.images.end(), StandardInputFile::Name) > 1)
        return PrintUsageError(err, "import: standard input (-) can be read once only");
    for (const std::string& image : arguments.images) {
        images.push_back(input.PathFor(image, &problem));
        if (images.back().empty()) return PrintFailure(err, problem);
    }
    if (images.size() == 1 && (LayoutGiven(arguments.layout) || IsExportedCodeFile(images[0].c_str())))
        return ImportCode(arguments, images[0], input, err);
    ImportResult imported = ImportImages(images, options);
    if (!imported.pattern) return PrintFailure(err, input.Shown(DescribeImportProblem(imported.problem)));
    LedPattern& pattern = *imported.pattern;
    // The display program shows frames in pairs: an odd count gets a dark
    // frame, as text pads its frames.
    const std::uint32_t pictures = pattern.frameCount;
    if (pictures % 2 != 0 && !InsertBlankFrame(pattern, pictures))
        return PrintFailure(err, "not enough memory for the pattern");
    if (!SavePatternFile(pattern, arguments.output.c_str()))
        return PrintFailure(err, CannotWrite(arguments.output));
    if (pictures % 2 != 0)
        PrintNote(err, std::to_string(pictures) + (pictures == 1 ? " frame" : " frames") +
                           ": a dark frame is added after the last, as the display program shows frames in pairs");
    return CliSuccess;
}

}  // namespace

void AddImportCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<ImportArguments>();
    CLI::App* command = AddCommand(program, "import", ImportHelp);
    command->add_option("IMAGE...", arguments->images, "the pictures, one frame each (every frame of a GIF);\n- reads one from standard input")
        ->required()
        ->check(NotEmpty("a file name"));
    command->add_option("-o,--output", arguments->output, "the pattern file to write; - writes standard output")
        ->required()
        ->type_name("PATTERN.led")
        ->check(NotEmpty("the pattern file to write; - writes standard output"));
    command->add_option("--mode", arguments->mode, "the display mode (default animation)")
        ->type_name("normal|animation|scroll|onoff")
        ->check(OneOf({"normal", "animation", "scroll", "onoff"}, "normal, animation, scroll or onoff"));
    command->add_option("--wait", arguments->wait, "the wait, 1 to 255 (default 1)")
        ->type_name("N")
        ->check(NumberFrom(1, 255));
    CLI::Option* size =
        command->add_option("--size", arguments->size, "the pattern's columns x rows, 1 to 255 each; every\npicture is fitted to it (default: the pictures' own size)")
            ->type_name("COLUMNSxROWS")
            ->check(FrameSizeText());
    command->add_option("--fit", arguments->fit, "how a picture fits the size (default contain)")
        ->type_name("contain|cover|stretch|none")
        ->check(OneOf(FitNames, "contain, cover, stretch or none"))
        ->needs(size);
    std::vector<std::string> alignments = AlignmentNames;
    alignments.push_back(AmericanCentre);
    command->add_option("--align", arguments->align, "where the picture, or the part kept, sits\n(default centre)")
        ->type_name("POSITION")
        ->check(OneOf(alignments, "top-left, top, top-right, left, centre, right, bottom-left, bottom or bottom-right"))
        ->needs(size);
    command->add_option("--crop", arguments->crop, "the part of each picture to use, in its pixels")
        ->type_name("X,Y,W,H")
        ->check(CropText());
    command->add_option("--dither", arguments->dither,
                        "none (the threshold), floyd-steinberg (photos) or\nordered (animations); default none")
        ->type_name("none|floyd-steinberg|ordered")
        ->check(OneOf(DitherNames, "none, floyd-steinberg or ordered"));
    CLI::Option* threshold =
        command->add_option("--threshold", arguments->threshold, "the luminance from which a pixel is lit,\n0 to 255 (default 128)")
            ->type_name("N")
            ->check(NumberFrom(0, 255));
    command->add_flag("--invert", arguments->invert, "lights the opaque pixels below the threshold instead;\ncode: lit LEDs are 0");
    AddPlanesOption(command, arguments->layout.given.planes);
    AddLayoutOptions(command, arguments->layout, false);
    SetAction(command, context, [arguments, threshold, &context]() {
        return Import(*arguments, threshold->count() > 0, context.err);
    });
}

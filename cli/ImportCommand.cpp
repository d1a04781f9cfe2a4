#include "cli/ImportCommand.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "cli/LayoutOptions.h"
#include "cli/StandardInput.h"
#include "export/CodeImport.h"
#include "pattern/document/FrameTools.h"
#include "pattern/document/LedFile.h"
#include "picture/ImageCodec.h"
#include "picture/ImageImport.h"

namespace {

const char ImportHelp[] =
    "Makes a pattern of pictures (PNG, BMP, GIF, JPEG): each picture, and\n"
    "each frame of an animated GIF, is a picture of the sign, its two planes\n"
    "side by side: two frames, its left half and its right half (--planes\n"
    "one: one frame); at most 2048 frames. --crop first cuts each picture\n"
    "to X,Y,W,H of its pixels. Without --size the pictures keep their own\n"
    "size, all alike: their width split in two (an odd width gets a dark\n"
    "column at the right), at most 510 x 255 (255 x 255 on one plane); with\n"
    "--size COLUMNSxROWS, the frame size, every picture, of any size, is\n"
    "fitted to the two frames side by side: --fit contain (the default: all\n"
    "of it, dark bands beside), cover (fills it, the overflow cut off),\n"
    "stretch or none (cut or padded), placed by --align (default centre). A\n"
    "pixel is lit when it is opaque and its luminance is at least\n"
    "--threshold (0-255, default 128), or as --dither floyd-steinberg\n"
    "(photos) or ordered (animations) decides; with --invert the dark ones.\n"
    "--mode defaults to animation, --wait (1-255) to 1. On one plane an odd\n"
    "number of frames gets a dark frame after the last, as the display\n"
    "program shows frames in pairs.\n"
    "A file that lumigrid-cli export wrote (C, Python, JSON, XBM, Rust) is\n"
    "read back by its layout line; binary (.bin) and code without that line\n"
    "need --layout (and the options that change it) and --size, the size\n"
    "of a frame of the data.";

const Choice<PictureFit> Fits = {{"contain", PictureFit::Contain},
                                 {"cover", PictureFit::Cover},
                                 {"stretch", PictureFit::Stretch},
                                 {"none", PictureFit::None}};
// centre, and center too.
const Choice<Alignment> Alignments = {
    {"top-left", Alignment::TopLeft},       {"top", Alignment::Top},       {"top-right", Alignment::TopRight},
    {"left", Alignment::Left},              {"centre", Alignment::Centre}, {"right", Alignment::Right},
    {"bottom-left", Alignment::BottomLeft}, {"bottom", Alignment::Bottom}, {"bottom-right", Alignment::BottomRight},
    {"center", Alignment::Centre}};
const Choice<Dither> Dithers = {
    {"none", Dither::None}, {"floyd-steinberg", Dither::FloydSteinberg}, {"ordered", Dither::Ordered}};

struct ImportArguments {
    std::vector<std::string> images;
    std::string output;
    ControlCode mode = ControlAnimation;
    FrameSize size;
    PictureFit fit = PictureFit::Contain;
    Alignment align = Alignment::Centre;
    PictureRect crop;
    Dither dither = Dither::None;
    Planes planes = Planes::Two;
    unsigned long wait = 1, threshold = 128;
    bool invert = false;
    LayoutArguments layout;
};

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
    hints.layout.planes = arguments.planes;
    hints.layout.invert = arguments.invert;
    hints.size = PictureSize{arguments.size.columns, arguments.size.rows};
    LedPattern pattern;
    const CodeImport imported = ImportExportedCode(path.c_str(), hints, pattern);
    if (!imported.problem.empty())
        return PrintFailure(err, "cannot read " + QuotedName(arguments.images[0]) + ": " + input.Shown(imported.problem));
    if (!SavePatternFile(pattern, arguments.output.c_str())) return PrintFailure(err, CannotWrite(arguments.output));
    return CliSuccess;
}

int Import(const ImportArguments& arguments, bool thresholdGiven, bool cropped, std::ostream& err) {
    ImportOptions options;
    options.controlCode = arguments.mode;
    options.wait = static_cast<std::uint8_t>(arguments.wait);
    options.threshold = static_cast<unsigned>(arguments.threshold);
    options.invert = arguments.invert;
    options.dither = arguments.dither;
    if (thresholdGiven && options.dither != Dither::None)
        return PrintUsageError(err, "import: --threshold applies only to --dither none");
    options.columns = static_cast<int>(arguments.size.columns);
    options.rows = static_cast<int>(arguments.size.rows);
    options.fit = arguments.fit;
    options.alignment = arguments.align;
    options.cropped = cropped;
    options.crop = arguments.crop;
    options.planes = arguments.planes;

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

// How CLI11 converts --crop's text, once CropText has checked it: it finds
// this by the type of the option's variable.
static bool lexical_cast(const std::string& text, PictureRect& crop) { return ParseCrop(text, &crop); }

void AddImportCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<ImportArguments>();
    CLI::App* command = program.add_subcommand("import", ImportHelp);
    command->add_option("IMAGE...", arguments->images, "the pictures, one picture each (every frame of a\nGIF); - reads one from standard input")
        ->required()
        ->check(NotEmpty("a file name"));
    AddOutputOption(command, arguments->output, "PATTERN.led", "the pattern file to write; - writes standard output");
    AddModeOption(command, arguments->mode, {ControlNormal, ControlAnimation, ControlScroll, ControlOnOff});
    AddWaitOption(command, arguments->wait);
    CLI::Option* size = AddSizeOption(command, arguments->size,
                                      "the frames' columns x rows, 1 to 255 each; every\npicture is fitted to its "
                                      "planes (default: the\npictures' own size)");
    AddChoiceOption(command, "--fit", arguments->fit, Fits,
                    "how a picture fits the size (default " + Fits.NameOf(arguments->fit) + ")")
        ->needs(size);
    AddChoiceOption(command, "--align", arguments->align, Alignments,
                    "where the picture, or the part kept, sits\n(default " + Alignments.NameOf(arguments->align) + ")",
                    "POSITION")
        ->needs(size);
    CLI::Option* crop = command->add_option("--crop", arguments->crop, "the part of each picture to use, in its pixels")
                            ->type_name("X,Y,W,H")
                            ->check(CropText());
    AddChoiceOption(command, "--dither", arguments->dither, Dithers,
                    "none (the threshold), floyd-steinberg (photos) or\nordered (animations); default none");
    CLI::Option* threshold = AddNumberOption(command, "--threshold", arguments->threshold, 0, 255,
                                             "the luminance from which a pixel is lit,\n0 to 255 (default 128)");
    command->add_flag("--invert", arguments->invert, "lights the opaque pixels below the threshold instead;\ncode: lit LEDs are 0");
    AddPlanesOption(command, arguments->planes, "a picture: two frames side by side (two, the\ndefault) or one frame (one)");
    AddLayoutOptions(command, arguments->layout, false);
    SetAction(command, context, [arguments, threshold, crop, &context]() {
        return Import(*arguments, threshold->count() > 0, crop->count() > 0, context.err);
    });
}

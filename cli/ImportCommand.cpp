#include "cli/ImportCommand.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/StandardInput.h"
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
    "program shows frames in pairs.";

// The names of the choices, in the order of their enumerations.
const std::vector<std::string> FitNames = {"contain", "cover", "stretch", "none"};
const std::vector<std::string> AlignmentNames = {"top-left",    "top",    "top-right",
                                                 "left",        "centre", "right",
                                                 "bottom-left", "bottom", "bottom-right"};
const char AmericanCentre[] = "center";
const std::vector<std::string> DitherNames = {"none", "floyd-steinberg", "ordered"};

struct ImportArguments {
    std::vector<std::string> images;
    std::string output, mode = "animation", size, fit = "contain", align = "centre", crop, dither = "none", planes;
    unsigned long wait = 1, threshold = 128;
    bool invert = false;
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
    options.planes = PlanesNamed(arguments.planes);

    StandardInputFile input;
    std::vector<std::string> images;
    std::string problem;
    if (std::count(arguments.images.begin(), arguments.images.end(), StandardInputFile::Name) > 1)
        return PrintUsageError(err, "import: standard input (-) can be read once only");
    for (const std::string& image : arguments.images) {
        images.push_back(input.PathFor(image, &problem));
        if (images.back().empty()) return PrintFailure(err, problem);
    }
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
    command->add_option("IMAGE...", arguments->images, "the pictures, one picture each (every frame of a\nGIF); - reads one from standard input")
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
        command->add_option("--size", arguments->size, "the frames' columns x rows, 1 to 255 each; every\npicture is fitted to its planes (default: the\npictures' own size)")
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
    command->add_flag("--invert", arguments->invert, "lights the opaque pixels below the threshold instead");
    AddPlanesOption(command, arguments->planes, "a picture: two frames side by side (two, the\ndefault) or one frame (one)");
    SetAction(command, context, [arguments, threshold, &context]() {
        return Import(*arguments, threshold->count() > 0, context.err);
    });
}

#include "cli/ImportCommand.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "picture/ImageCodec.h"

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

const Choice<PictureFit>& Fits() {
    static const Choice<PictureFit> choice = {
        {"contain", PictureFit::Contain}, {"cover", PictureFit::Cover}, {"stretch", PictureFit::Stretch},
        {"none", PictureFit::None}};
    return choice;
}

// centre, and center too.
const Choice<Alignment>& PictureAlignments() {
    static const Choice<Alignment> choice = {
        {"top-left", Alignment::TopLeft},       {"top", Alignment::Top},       {"top-right", Alignment::TopRight},
        {"left", Alignment::Left},              {"centre", Alignment::Centre}, {"right", Alignment::Right},
        {"bottom-left", Alignment::BottomLeft}, {"bottom", Alignment::Bottom}, {"bottom-right", Alignment::BottomRight},
        {"center", Alignment::Centre}};
    return choice;
}

const Choice<Dither>& Dithers() {
    static const Choice<Dither> choice = {
        {"none", Dither::None}, {"floyd-steinberg", Dither::FloydSteinberg}, {"ordered", Dither::Ordered}};
    return choice;
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
    AddChoiceOption(command, "--fit", arguments->fit, Fits(),
                    "how a picture fits the size (default " + Fits().NameOf(arguments->fit) + ")")
        ->needs(size);
    AddChoiceOption(command, "--align", arguments->align, PictureAlignments(),
                    "where the picture, or the part kept, sits\n(default " + PictureAlignments().NameOf(arguments->align) + ")",
                    "POSITION")
        ->needs(size);
    CLI::Option* crop = command->add_option("--crop", arguments->crop, "the part of each picture to use, in its pixels")
                            ->type_name("X,Y,W,H")
                            ->check(CropText());
    AddChoiceOption(command, "--dither", arguments->dither, Dithers(),
                    "none (the threshold), floyd-steinberg (photos) or\nordered (animations); default none");
    CLI::Option* threshold = AddNumberOption(command, "--threshold", arguments->threshold, 0, 255,
                                             "the luminance from which a pixel is lit,\n0 to 255 (default 128)");
    command->add_flag("--invert", arguments->invert, "lights the opaque pixels below the threshold instead;\ncode: lit LEDs are 0");
    AddPlanesOption(command, arguments->planes, "a picture: two frames side by side (two, the\ndefault) or one frame (one)");
    AddLayoutOptions(command, arguments->layout, false);
    SetMediaAction(command, context, [arguments, threshold, crop, &context](const MediaActions& media) {
        arguments->thresholdGiven = threshold->count() > 0;
        arguments->cropped = crop->count() > 0;
        return media.import(*arguments, context.err);
    });
}

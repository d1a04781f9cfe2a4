// ImageImport: pictures to a pattern. Every picture file is one picture of
// the sign, and every frame of an animated GIF one of its own, in order.
// Each is cropped, fitted to the picture's size (PictureFit) and turned into
// lit and dark LEDs (Dithering) as one canvas, all alike, then split into
// its frames (PictureCanvas.h): with two planes the left half is frame 2i,
// the right half frame 2i + 1; with one plane the picture is the frame.
//
// Without a size the canvas is the first picture's own size (or its crop's),
// nothing is scaled, and every picture must have that size; its width is
// split in two with two planes (an odd width leaves a dark column at the
// right), so a picture is at most 255 x 255, or 510 x 255 with two planes.
// With a size, the frame size, pictures of any size up to the decoder's
// limits are fitted to the canvas of columns x planes by rows, so pictures
// of mixed sizes make one pattern. There are at most LedPattern::MaxFrames
// frames; otherwise nothing is made. The pattern has the header a new
// pattern gets (add-to-list flag 0) with the chosen control code and wait.
#ifndef LUMIGRID_PICTURE_IMAGEIMPORT_H
#define LUMIGRID_PICTURE_IMAGEIMPORT_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pattern/document/LedPattern.h"
#include "pattern/document/PictureCanvas.h"
#include "picture/Dithering.h"
#include "picture/PictureFit.h"

// The largest pattern side.
constexpr int MaxPatternSide = 255;

struct ImportOptions {
    std::uint8_t controlCode = ControlAnimation;
    std::uint8_t wait = 1;
    // The frames' size, 1 to MaxPatternSide each; 0 for the pictures' own.
    int columns = 0;
    int rows = 0;
    bool cropped = false;
    PictureRect crop;   // in each picture's pixels, when cropped
    PictureFit fit = PictureFit::Contain;
    Alignment alignment = Alignment::Centre;
    Dither dither = Dither::None;
    unsigned threshold = 128;
    bool invert = false;
    // One, unless named: a picture is one frame.
    Planes planes = Planes::One;
};

enum class ImportProblemKind {
    None,
    NoPicture,
    CannotOpen,
    CannotRead,
    FileTooLarge,        // more bytes than the decoder takes
    NotAPicture,         // no known format, or damaged (reason)
    Damaged,             // an animated GIF damaged after some frames (frames, reason)
    TooLargeForPattern,  // without a size: larger than a picture of the planes (width, height)
    TooLargeToRead,      // beyond the decoder's limits (width, height when known)
    NoPixels,
    CropOutside,         // the crop does not lie inside the picture (width, height)
    SizeDiffers,         // without a size: not the size of the pictures before (width, height, columns, rows)
    TooManyFrames,
    OutOfMemory,         // path empty when it ran out making the pattern
};

// Why an import was refused, for each front end to say in its own words.
struct ImportProblem {
    ImportProblemKind kind = ImportProblemKind::None;
    std::string path;
    int width = 0;
    int height = 0;
    int columns = 0;
    int rows = 0;
    unsigned frames = 0;
    bool cropped = false;   // the size is the crop's
    std::string reason;     // in English words, may be empty
    Planes planes = Planes::One;   // of the import, for the limits and the words
};

struct ImportResult {
    std::unique_ptr<LedPattern> pattern;   // null when refused
    ImportProblem problem;
};

ImportResult ImportImages(const std::vector<std::string>& paths, const ImportOptions& options);

// One line in English for lumigrid-cli.
std::string DescribeImportProblem(const ImportProblem& problem);

#endif

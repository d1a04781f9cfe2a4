// PictureFit: a decoded picture brought to the size of the board. A region
// of the picture (all of it, or a crop in its own pixels) is scaled in one of
// four ways and placed by one of nine alignments:
//
//   Contain  keeps the aspect ratio and fits inside the size; the bands left
//            over are transparent, so they stay dark (also when inverted).
//   Cover    keeps the aspect ratio and fills the size; the overflow is cut
//            off on the sides the alignment turns away from.
//   Stretch  scales each side to the size.
//   None     no scaling: the region is cut down or padded to the size.
//
// Scaling goes through stb's resizer (Debian libstb-dev) in linear light,
// with the alpha weighting the colours, and its box filter: the average of
// the area each LED covers when shrinking, whole pixels repeated when
// enlarging by a whole factor, so that pixel art stays crisp. A region that
// needs no scaling is copied pixel for pixel.
#ifndef LUMIGRID_PICTURE_PICTUREFIT_H
#define LUMIGRID_PICTURE_PICTUREFIT_H

#include <cstdint>
#include <vector>

enum class PictureFit { Contain, Cover, Stretch, None };

// Row by row from the top left, as a keypad reads.
enum class Alignment { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };

// A rectangle in a picture's pixels.
struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Pixels of 4 bytes (red, green, blue, alpha), row-major from the top.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Whether the region lies inside a picture of width x height and has pixels.
bool RegionInside(const PictureRect& region, int width, int height);

// The region (inside the picture, see RegionInside) of the rgba picture of
// width x height, fitted to columns x rows (1 or more each). False only when
// memory runs out.
bool FitPicture(const std::uint8_t* rgba, int width, int height, const PictureRect& region, int columns, int rows,
                PictureFit fit, Alignment alignment, RgbaPicture* fitted);

#endif

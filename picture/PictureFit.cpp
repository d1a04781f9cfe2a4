#include "picture/PictureFit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#define STB_IMAGE_RESIZE_STATIC
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

namespace {

const int AlphaChannel = 3;

// Where a gap of gap pixels puts the picture along one side: none, half
// (rounded down) or all of it before the picture.
int Offset(int gap, int place) { return place == 0 ? 0 : place == 1 ? gap / 2 : gap; }
int HorizontalPlace(Alignment alignment) { return static_cast<int>(alignment) % 3; }
int VerticalPlace(Alignment alignment) { return static_cast<int>(alignment) / 3; }

// The region of the picture that is read, as the resizer takes it.
struct Source {
    const std::uint8_t* first;   // the region's top left pixel
    int width;                   // the region's size
    int height;
    int stride;                  // bytes from one row of the picture to the next
};

void CopyBlock(const Source& source, int fromX, int fromY, int width, int height, RgbaPicture* fitted, int toX,
               int toY) {
    for (int y = 0; y < height; ++y)
        std::memcpy(&fitted->pixels[(static_cast<std::size_t>(toY + y) * fitted->width + toX) * 4],
                    source.first + static_cast<std::size_t>(fromY + y) * source.stride + fromX * 4,
                    static_cast<std::size_t>(width) * 4);
}

// The part of the source from (left, top), spanWidth x spanHeight source
// pixels (fractions allowed), scaled to width x height at (toX, toY).
bool Scale(const Source& source, double left, double top, double spanWidth, double spanHeight, int width,
           int height, RgbaPicture* fitted, int toX, int toY) {
    if (spanWidth == width && spanHeight == height && left == std::floor(left) && top == std::floor(top)) {
        CopyBlock(source, static_cast<int>(left), static_cast<int>(top), width, height, fitted, toX, toY);
        return true;
    }
    std::uint8_t* to = &fitted->pixels[(static_cast<std::size_t>(toY) * fitted->width + toX) * 4];
    return stbir_resize_region(source.first, source.width, source.height, source.stride, to, width, height,
                               fitted->width * 4, STBIR_TYPE_UINT8, 4, AlphaChannel, 0, STBIR_EDGE_CLAMP,
                               STBIR_EDGE_CLAMP, STBIR_FILTER_BOX, STBIR_FILTER_BOX, STBIR_COLORSPACE_SRGB, nullptr,
                               static_cast<float>(left / source.width), static_cast<float>(top / source.height),
                               static_cast<float>((left + spanWidth) / source.width),
                               static_cast<float>((top + spanHeight) / source.height)) != 0;
}

// The largest picture of the source's aspect ratio inside columns x rows,
// with each side rounded to the nearest pixel and at least one.
void ContainedSize(int width, int height, int columns, int rows, int* containedWidth, int* containedHeight) {
    const long long w = width, h = height;
    if (w * rows <= h * columns) {
        *containedHeight = rows;
        *containedWidth = static_cast<int>((2 * w * rows + h) / (2 * h));
    } else {
        *containedWidth = columns;
        *containedHeight = static_cast<int>((2 * h * columns + w) / (2 * w));
    }
    *containedWidth = std::min(std::max(*containedWidth, 1), columns);
    *containedHeight = std::min(std::max(*containedHeight, 1), rows);
}

bool Cover(const Source& source, int columns, int rows, Alignment alignment, RgbaPicture* fitted) {
    const long long w = source.width, h = source.height;
    double spanWidth = source.width, spanHeight = source.height, left = 0, top = 0;
    if (w * rows > h * columns) {
        spanWidth = static_cast<double>(h) * columns / rows;
        left = (source.width - spanWidth) * HorizontalPlace(alignment) / 2;
    } else if (w * rows < h * columns) {
        spanHeight = static_cast<double>(w) * rows / columns;
        top = (source.height - spanHeight) * VerticalPlace(alignment) / 2;
    }
    return Scale(source, left, top, spanWidth, spanHeight, columns, rows, fitted, 0, 0);
}

void Unscaled(const Source& source, int columns, int rows, Alignment alignment, RgbaPicture* fitted) {
    int fromX = 0, toX = 0, fromY = 0, toY = 0;
    const int width = std::min(source.width, columns), height = std::min(source.height, rows);
    if (source.width > columns)
        fromX = Offset(source.width - columns, HorizontalPlace(alignment));
    else
        toX = Offset(columns - source.width, HorizontalPlace(alignment));
    if (source.height > rows)
        fromY = Offset(source.height - rows, VerticalPlace(alignment));
    else
        toY = Offset(rows - source.height, VerticalPlace(alignment));
    CopyBlock(source, fromX, fromY, width, height, fitted, toX, toY);
}

}  // namespace

bool RegionInside(const PictureRect& region, int width, int height) {
    return region.x >= 0 && region.y >= 0 && region.width > 0 && region.height > 0 && region.x < width &&
           region.y < height && region.width <= width - region.x && region.height <= height - region.y;
}

bool FitPicture(const std::uint8_t* rgba, int width, int /*height*/, const PictureRect& region, int columns, int rows,
                PictureFit fit, Alignment alignment, RgbaPicture* fitted) {
    const Source source{rgba + (static_cast<std::size_t>(region.y) * width + region.x) * 4, region.width,
                        region.height, width * 4};
    try {
        fitted->width = columns;
        fitted->height = rows;
        // Transparent black: what the picture does not cover stays dark.
        fitted->pixels.assign(static_cast<std::size_t>(columns) * rows * 4, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    switch (fit) {
    case PictureFit::Contain: {
        int containedWidth = 0, containedHeight = 0;
        ContainedSize(source.width, source.height, columns, rows, &containedWidth, &containedHeight);
        return Scale(source, 0, 0, source.width, source.height, containedWidth, containedHeight, fitted,
                     Offset(columns - containedWidth, HorizontalPlace(alignment)),
                     Offset(rows - containedHeight, VerticalPlace(alignment)));
    }
    case PictureFit::Cover:
        return Cover(source, columns, rows, alignment, fitted);
    case PictureFit::Stretch:
        return Scale(source, 0, 0, source.width, source.height, columns, rows, fitted, 0, 0);
    case PictureFit::None:
        Unscaled(source, columns, rows, alignment, fitted);
        return true;
    }
    return true;
}

#include "PatternRender.h"

#include <algorithm>
#include <new>

const RgbColour LitLedColour = {255, 255, 0};
const RgbColour UnlitLedColour = {127, 127, 127};
const RgbColour OutlineColour = {0, 0, 0};
const RgbColour BackgroundColour = {255, 255, 255};

namespace {

// What each pixel of one cell shows.
enum CellPixel : std::uint8_t { Background, Outline, Led };

// The editor's 20-pixel cell puts its LED in the box from 3 pixels in at the
// top left to 2 pixels in at the bottom right, inside the grid lines; other
// cell sizes keep those proportions, with white on every side of the LED.
std::vector<CellPixel> RoundCell(unsigned scale) {
    std::vector<CellPixel> cell(static_cast<std::size_t>(scale) * scale, Background);
    const int leading = std::max(2, static_cast<int>(3 * scale + 10) / 20);
    const int trailing = std::max(1, static_cast<int>(2 * scale + 10) / 20);
    const int box = static_cast<int>(scale) - leading - trailing;
    const std::int64_t boxSquared = static_cast<std::int64_t>(box) * box;
    // Pixel centres measured in half pixels from the box's centre, so that
    // the test is exact in integers.
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= box || y >= box) return false;
        const std::int64_t dx = 2 * x + 1 - box, dy = 2 * y + 1 - box;
        return (dx * dx + dy * dy) * boxSquared <= boxSquared * boxSquared;
    };
    for (int y = 0; y < box; ++y)
        for (int x = 0; x < box; ++x) {
            if (!inside(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            cell[static_cast<std::size_t>(y + leading) * scale + x + leading] = edge ? Outline : Led;
        }
    return cell;
}

class Canvas {
public:
    explicit Canvas(RgbPicture& picture) : picture_(picture) {}

    void Put(std::size_t x, std::size_t y, const RgbColour& colour) {
        std::uint8_t* pixel = &picture_.pixels[(y * picture_.width + x) * 3];
        pixel[0] = colour.red;
        pixel[1] = colour.green;
        pixel[2] = colour.blue;
    }

private:
    RgbPicture& picture_;
};

struct Layout {
    bool round;
    std::uint64_t frameWidth, frameHeight, gap, across, down, width, height;
};

Layout LayoutOf(const LedPattern& pattern, std::uint32_t count, unsigned scale, unsigned framesPerRow) {
    Layout layout;
    layout.round = scale >= MinRoundScale;
    // Round LEDs get the closing grid line on the right and at the bottom.
    layout.frameWidth = static_cast<std::uint64_t>(pattern.columns) * scale + (layout.round ? 1 : 0);
    layout.frameHeight = static_cast<std::uint64_t>(pattern.rows) * scale + (layout.round ? 1 : 0);
    layout.gap = scale;
    layout.across = std::min<std::uint64_t>(std::max(framesPerRow, 1u), std::max(count, 1u));
    layout.down = (std::max(count, 1u) + layout.across - 1) / layout.across;
    layout.width = layout.across * layout.frameWidth + (layout.across - 1) * layout.gap;
    layout.height = layout.down * layout.frameHeight + (layout.down - 1) * layout.gap;
    return layout;
}

}  // namespace

void RenderedSize(const LedPattern& pattern, std::uint32_t count, unsigned scale, unsigned framesPerRow,
                  std::uint64_t* width, std::uint64_t* height) {
    const Layout layout = LayoutOf(pattern, count, scale, framesPerRow);
    *width = layout.width;
    *height = layout.height;
}

RenderStatus RenderFrames(const LedPattern& pattern, std::uint32_t first, std::uint32_t count, unsigned scale,
                          unsigned framesPerRow, RgbPicture* picture) {
    if (pattern.columns == 0 || pattern.rows == 0 || count == 0) return RenderStatus::NoPixels;
    const Layout layout = LayoutOf(pattern, count, scale, framesPerRow);
    const bool round = layout.round;
    const std::uint64_t frameWidth = layout.frameWidth, frameHeight = layout.frameHeight, gap = layout.gap;
    const std::uint64_t across = layout.across, width = layout.width, height = layout.height;
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        return RenderStatus::TooLarge;

    picture->width = static_cast<int>(width);
    picture->height = static_cast<int>(height);
    try {
        picture->pixels.resize(static_cast<std::size_t>(width * height * 3));
    } catch (const std::bad_alloc&) {
        return RenderStatus::OutOfMemory;
    }
    Canvas canvas(*picture);
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < width; ++x) canvas.Put(x, y, BackgroundColour);
    const std::vector<CellPixel> roundCell = round ? RoundCell(scale) : std::vector<CellPixel>();

    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t frame = first + k;
        const std::size_t left = static_cast<std::size_t>((k % across) * (frameWidth + gap));
        const std::size_t top = static_cast<std::size_t>((k / across) * (frameHeight + gap));
        if (round) {
            for (std::size_t y = 0; y < frameHeight; ++y)
                for (std::size_t c = 0; c <= pattern.columns; ++c) canvas.Put(left + c * scale, top + y, OutlineColour);
            for (std::size_t r = 0; r <= pattern.rows; ++r)
                for (std::size_t x = 0; x < frameWidth; ++x) canvas.Put(left + x, top + r * scale, OutlineColour);
        }
        for (unsigned row = 0; row < pattern.rows; ++row)
            for (unsigned column = 0; column < pattern.columns; ++column) {
                const RgbColour& led = pattern.GetPixel(frame, column, row) ? LitLedColour : UnlitLedColour;
                const std::size_t x0 = left + static_cast<std::size_t>(column) * scale;
                const std::size_t y0 = top + static_cast<std::size_t>(row) * scale;
                for (unsigned y = 0; y < scale; ++y)
                    for (unsigned x = 0; x < scale; ++x) {
                        if (!round) {
                            canvas.Put(x0 + x, y0 + y, led);
                            continue;
                        }
                        const CellPixel kind = roundCell[static_cast<std::size_t>(y) * scale + x];
                        if (kind != Background) canvas.Put(x0 + x, y0 + y, kind == Led ? led : OutlineColour);
                    }
            }
    }
    return RenderStatus::Rendered;
}

#include "picture/PatternRender.h"

#include <algorithm>
#include <new>

const RgbColour LitLedColour = {255, 255, 0};
const RgbColour UnlitLedColour = {127, 127, 127};
const RgbColour OutlineColour = {0, 0, 0};
const RgbColour BackgroundColour = {255, 255, 255};
const RgbColour SignLitColour = {255, 190, 30};
const RgbColour SignUnlitColour = {58, 42, 22};
const RgbColour SignBackgroundColour = {18, 18, 18};

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

// Sign LEDs are discs of 84% of the cell, centred; each pixel's share of the
// disc is sampled on a SignSamples x SignSamples grid, so that the edges are
// smooth with a handful of colours (a GIF holds 256).
const int SignSamples = 4;
const int SignShades = SignSamples * SignSamples;

std::vector<std::uint8_t> SignCell(unsigned scale) {
    std::vector<std::uint8_t> cell(static_cast<std::size_t>(scale) * scale, 0);
    const double centre = scale / 2.0, radius = 0.42 * scale;
    for (unsigned y = 0; y < scale; ++y)
        for (unsigned x = 0; x < scale; ++x) {
            int inside = 0;
            for (int sy = 0; sy < SignSamples; ++sy)
                for (int sx = 0; sx < SignSamples; ++sx) {
                    const double dx = x + (sx + 0.5) / SignSamples - centre;
                    const double dy = y + (sy + 0.5) / SignSamples - centre;
                    if (dx * dx + dy * dy <= radius * radius) ++inside;
                }
            cell[static_cast<std::size_t>(y) * scale + x] = static_cast<std::uint8_t>(inside);
        }
    return cell;
}

RgbColour Blend(const RgbColour& ground, const RgbColour& led, int shade) {
    auto mix = [shade](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>((from * (SignShades - shade) + to * shade + SignShades / 2) / SignShades);
    };
    return RgbColour{mix(ground.red, led.red), mix(ground.green, led.green), mix(ground.blue, led.blue)};
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

Layout LayoutOf(const LedPattern& pattern, std::uint32_t count, unsigned scale, unsigned framesPerRow,
                RenderStyle style) {
    Layout layout;
    const bool sign = style == RenderStyle::Sign;
    layout.round = scale >= (sign ? MinSignRoundScale : MinRoundScale);
    // The editor's round LEDs get the closing grid line on the right and at the bottom.
    const unsigned closingLine = layout.round && !sign ? 1 : 0;
    layout.frameWidth = static_cast<std::uint64_t>(pattern.columns) * scale + closingLine;
    layout.frameHeight = static_cast<std::uint64_t>(pattern.rows) * scale + closingLine;
    layout.gap = scale;
    layout.across = std::min<std::uint64_t>(std::max(framesPerRow, 1u), std::max(count, 1u));
    layout.down = (std::max(count, 1u) + layout.across - 1) / layout.across;
    layout.width = layout.across * layout.frameWidth + (layout.across - 1) * layout.gap;
    layout.height = layout.down * layout.frameHeight + (layout.down - 1) * layout.gap;
    return layout;
}

void DrawSignFrames(const LedPattern& pattern, std::uint32_t first, std::uint32_t count, unsigned scale,
                    const Layout& layout, Canvas& canvas) {
    for (std::size_t y = 0; y < layout.height; ++y)
        for (std::size_t x = 0; x < layout.width; ++x) canvas.Put(x, y, SignBackgroundColour);
    // A small cell is all LED; a larger one a disc shaded at its edge.
    const std::vector<std::uint8_t> cell =
        layout.round ? SignCell(scale) : std::vector<std::uint8_t>(static_cast<std::size_t>(scale) * scale, SignShades);
    RgbColour lit[SignShades + 1], unlit[SignShades + 1];
    for (int shade = 0; shade <= SignShades; ++shade) {
        lit[shade] = Blend(SignBackgroundColour, SignLitColour, shade);
        unlit[shade] = Blend(SignBackgroundColour, SignUnlitColour, shade);
    }
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::size_t left = static_cast<std::size_t>((k % layout.across) * (layout.frameWidth + layout.gap));
        const std::size_t top = static_cast<std::size_t>((k / layout.across) * (layout.frameHeight + layout.gap));
        for (unsigned row = 0; row < pattern.rows; ++row)
            for (unsigned column = 0; column < pattern.columns; ++column) {
                const RgbColour* shades = pattern.GetPixel(first + k, column, row) ? lit : unlit;
                const std::size_t x0 = left + static_cast<std::size_t>(column) * scale;
                const std::size_t y0 = top + static_cast<std::size_t>(row) * scale;
                for (unsigned y = 0; y < scale; ++y)
                    for (unsigned x = 0; x < scale; ++x) {
                        const std::uint8_t shade = cell[static_cast<std::size_t>(y) * scale + x];
                        if (shade) canvas.Put(x0 + x, y0 + y, shades[shade]);
                    }
            }
    }
}

}  // namespace

void RenderedSize(const LedPattern& pattern, std::uint32_t count, unsigned scale, unsigned framesPerRow,
                  std::uint64_t* width, std::uint64_t* height, RenderStyle style) {
    const Layout layout = LayoutOf(pattern, count, scale, framesPerRow, style);
    *width = layout.width;
    *height = layout.height;
}

RenderStatus RenderFrames(const LedPattern& pattern, std::uint32_t first, std::uint32_t count, unsigned scale,
                          unsigned framesPerRow, RgbPicture* picture, RenderStyle style) {
    if (pattern.columns == 0 || pattern.rows == 0 || count == 0) return RenderStatus::NoPixels;
    const Layout layout = LayoutOf(pattern, count, scale, framesPerRow, style);
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
    if (style == RenderStyle::Sign) {
        DrawSignFrames(pattern, first, count, scale, layout, canvas);
        return RenderStatus::Rendered;
    }
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

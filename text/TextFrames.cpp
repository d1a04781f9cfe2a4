#include "text/TextLayout.h"

#include <algorithm>
#include <new>
#include <vector>

Planes TextPlanes(const TextFrameOptions& options) {
    return options.controlCode == ControlScroll ? Planes::One : options.planes;
}

unsigned TextScreenWidth(const TextFrameOptions& options) { return options.columns * PlaneCount(TextPlanes(options)); }

namespace {

// Screens a strip this wide needs on screens width columns wide.
std::uint64_t ScreenCount(std::uint64_t stripWidth, unsigned width, unsigned step) {
    // Screen k is wholly past the text once k x step - width >= strip width.
    if (step) return (stripWidth + width + step - 1) / step + 1;
    return stripWidth ? (stripWidth + width - 1) / width : 1;
}

std::uint64_t FramesOfScreens(std::uint64_t screens, Planes planes) {
    const std::uint64_t frames = screens * PlaneCount(planes);
    return frames + frames % 2;
}

std::uint64_t MaxStripWidth(unsigned width, unsigned step, Planes planes) {
    const std::uint64_t screens = LedPattern::MaxFrames / PlaneCount(planes);
    if (step == 0) return screens * width;
    return (screens - 1) * step - width;
}

}  // namespace

std::uint64_t TextFrameCount(std::uint64_t stripWidth, unsigned columns, unsigned step) {
    return FramesOfScreens(ScreenCount(stripWidth, columns, step), Planes::One);
}

std::uint64_t TextFrameCount(std::uint64_t stripWidth, const TextFrameOptions& options) {
    return FramesOfScreens(ScreenCount(stripWidth, TextScreenWidth(options), options.step), TextPlanes(options));
}

std::uint64_t MaxStripWidth(unsigned columns, unsigned step) { return MaxStripWidth(columns, step, Planes::One); }

std::uint64_t MaxStripWidth(const TextFrameOptions& options) {
    return MaxStripWidth(TextScreenWidth(options), options.step, TextPlanes(options));
}

std::int64_t FirstStripColumn(std::uint32_t screen, unsigned width, unsigned step) {
    if (step == 0) return static_cast<std::int64_t>(screen) * width;
    return static_cast<std::int64_t>(screen) * step - width;
}

namespace {

// Where a line starts within the block, by the alignment asked.
std::uint64_t LineStart(const TextStrip& strip, std::size_t line, std::uint64_t blockWidth, TextAlign align) {
    if (align == TextAlign::Start) align = strip.RightToLeft() ? TextAlign::Right : TextAlign::Left;
    const std::uint64_t room = blockWidth - strip.LineWidth(line);
    return align == TextAlign::Right ? room : align == TextAlign::Center ? room / 2 : 0;
}

// Draws what a screen shows of a line into its canvas: the line's columns
// from .. from + canvas width - 1, the block's top at row top.
void DrawLine(const TextLine& line, std::int64_t from, unsigned top, PictureCanvas& canvas) {
    const std::int64_t width = canvas.Width();
    auto glyph = std::lower_bound(line.glyphs.begin(), line.glyphs.end(),
                                  from - static_cast<std::int64_t>(line.widestImage) + 1,
                                  [](const PlacedGlyph& placed, std::int64_t c) { return placed.left < c; });
    for (; glyph != line.glyphs.end() && glyph->left < from + width; ++glyph) {
        const Glyph& image = *glyph->image;
        const unsigned imageRows = image.Rows();
        for (unsigned y = 0; y < imageRows && top + glyph->top + y < canvas.Height(); ++y)
            for (unsigned x = 0; x < image.width; ++x) {
                const std::int64_t column = glyph->left + x - from;
                if (column >= 0 && column < width && image.Lit(x, y))
                    canvas.Set(static_cast<unsigned>(column), top + glyph->top + y, true);
            }
    }
}

std::unique_ptr<LedPattern> NewTextPattern(const TextFrameOptions& options, std::uint64_t frames) {
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (!pattern) return nullptr;
    pattern->Create(static_cast<std::uint8_t>(options.columns), static_cast<std::uint8_t>(options.rows));
    pattern->SetFrameCount(static_cast<std::uint32_t>(frames));
    if (pattern->frameCount != frames) return nullptr;
    pattern->header.controlCode = options.controlCode;
    pattern->header.wait = options.wait;
    pattern->modified = true;
    return pattern;
}

// Draws every screen of the strip into the pattern, the block's top at row top.
void DrawScreens(const TextStrip& strip, const TextFrameOptions& options, unsigned top, LedPattern& pattern) {
    const Planes planes = TextPlanes(options);
    const unsigned screenWidth = TextScreenWidth(options);
    const std::int64_t columns = screenWidth, step = options.step;
    const std::int64_t width = static_cast<std::int64_t>(strip.Width());
    // Cut into screens, the lines align within the screens the widest takes.
    const std::int64_t blockWidth = step ? width : std::max<std::int64_t>(1, (width + columns - 1) / columns) * columns;
    std::vector<std::int64_t> lineStart(strip.LineCount());
    for (std::size_t line = 0; line < strip.LineCount(); ++line)
        lineStart[line] = static_cast<std::int64_t>(
            LineStart(strip, line, static_cast<std::uint64_t>(blockWidth), options.align));

    // Every screen, the dark frame that pads one-frame screens to a pair too.
    const std::uint32_t screens = PictureCount(pattern.frameCount, planes);
    for (std::uint32_t screen = 0; screen < screens; ++screen) {
        // The block column at the screen's left edge; right to left, mirrored.
        const std::int64_t first = !strip.RightToLeft() ? FirstStripColumn(screen, screenWidth, options.step)
                                   : step               ? width - screen * step
                                                        : blockWidth - (screen + 1) * columns;
        PictureCanvas canvas(screenWidth, options.rows);
        // Each line from its column at the screen's left edge.
        for (std::size_t l = 0; l < strip.LineCount(); ++l)
            DrawLine(strip.LineAt(l), first - lineStart[l], top, canvas);
        if (options.invert)
            for (unsigned y = 0; y < canvas.Height(); ++y)
                for (unsigned x = 0; x < canvas.Width(); ++x) canvas.Set(x, y, !canvas.Get(x, y));
        SetPicture(pattern, screen, canvas, planes);
    }
}

}  // namespace

TextPatternResult MakeTextPattern(const TextStrip& strip, const TextFrameOptions& options) {
    TextPatternResult result{nullptr, TextPatternStatus::Made};
    const unsigned top =
        options.top < 0 ? (strip.Height() <= options.rows ? (options.rows - strip.Height()) / 2 : 0)
                        : static_cast<unsigned>(options.top);
    if (strip.Height() > options.rows || top > options.rows - strip.Height()) {
        result.status = TextPatternStatus::TallerThanFrame;
        return result;
    }
    const std::uint64_t frames = TextFrameCount(strip.Width(), options);
    if (frames > LedPattern::MaxFrames) {
        result.status = TextPatternStatus::TooManyFrames;
        return result;
    }
    std::unique_ptr<LedPattern> pattern = NewTextPattern(options, frames);
    if (!pattern) {
        result.status = TextPatternStatus::OutOfMemory;
        return result;
    }
    DrawScreens(strip, options, top, *pattern);
    result.pattern = std::move(pattern);
    return result;
}

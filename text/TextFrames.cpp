#include "text/TextLayout.h"

#include <algorithm>
#include <new>
#include <vector>

std::uint64_t TextFrameCount(std::uint64_t stripWidth, unsigned columns, unsigned step) {
    std::uint64_t frames;
    if (step == 0) {
        frames = (stripWidth + columns - 1) / columns;
        if (frames == 0) frames = 1;
    } else {
        // Frame k is wholly past the text once k x step - columns >= width.
        frames = (stripWidth + columns + step - 1) / step + 1;
    }
    return frames + frames % 2;
}

std::uint64_t MaxStripWidth(unsigned columns, unsigned step) {
    if (step == 0) return static_cast<std::uint64_t>(LedPattern::MaxFrames) * columns;
    return static_cast<std::uint64_t>(LedPattern::MaxFrames - 1) * step - columns;
}

std::int64_t FirstStripColumn(std::uint32_t frame, unsigned columns, unsigned step) {
    if (step == 0) return static_cast<std::int64_t>(frame) * columns;
    return static_cast<std::int64_t>(frame) * step - columns;
}

namespace {

// Where a line starts within the block, by the alignment asked.
std::uint64_t LineStart(const TextStrip& strip, std::size_t line, std::uint64_t blockWidth, TextAlign align) {
    if (align == TextAlign::Start) align = strip.RightToLeft() ? TextAlign::Right : TextAlign::Left;
    const std::uint64_t room = blockWidth - strip.LineWidth(line);
    return align == TextAlign::Right ? room : align == TextAlign::Center ? room / 2 : 0;
}

// Draws what a frame shows of a line into its canvas (one byte a pixel):
// the line's columns from .. from + columns - 1, the block's top at row top.
void DrawLine(const TextLine& line, std::int64_t from, unsigned top, const TextFrameOptions& options,
              std::vector<std::uint8_t>& canvas) {
    const std::int64_t columns = options.columns;
    auto glyph = std::lower_bound(line.glyphs.begin(), line.glyphs.end(),
                                  from - static_cast<std::int64_t>(line.widestImage) + 1,
                                  [](const PlacedGlyph& placed, std::int64_t c) { return placed.left < c; });
    for (; glyph != line.glyphs.end() && glyph->left < from + columns; ++glyph) {
        const Glyph& image = *glyph->image;
        const unsigned imageRows = image.Rows();
        for (unsigned y = 0; y < imageRows && top + glyph->top + y < options.rows; ++y)
            for (unsigned x = 0; x < image.width; ++x) {
                const std::int64_t column = glyph->left + x - from;
                if (column >= 0 && column < columns && image.Lit(x, y))
                    canvas[(top + glyph->top + y) * options.columns + static_cast<std::size_t>(column)] = 1;
            }
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
    const std::uint64_t frames = TextFrameCount(strip.Width(), options.columns, options.step);
    if (frames > LedPattern::MaxFrames) {
        result.status = TextPatternStatus::TooManyFrames;
        return result;
    }
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (pattern) {
        pattern->Create(static_cast<std::uint8_t>(options.columns), static_cast<std::uint8_t>(options.rows));
        pattern->SetFrameCount(static_cast<std::uint32_t>(frames));
    }
    if (!pattern || pattern->frameCount != frames) {
        result.status = TextPatternStatus::OutOfMemory;
        return result;
    }
    const std::int64_t columns = options.columns, step = options.step;
    const std::int64_t width = static_cast<std::int64_t>(strip.Width());
    // Cut into screens, the lines align within the screens the widest takes.
    const std::int64_t blockWidth = step ? width : std::max<std::int64_t>(1, (width + columns - 1) / columns) * columns;
    std::vector<std::int64_t> lineStart(strip.LineCount());
    for (std::size_t line = 0; line < strip.LineCount(); ++line)
        lineStart[line] = static_cast<std::int64_t>(
            LineStart(strip, line, static_cast<std::uint64_t>(blockWidth), options.align));

    std::vector<std::uint8_t> canvas(static_cast<std::size_t>(options.columns) * options.rows);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        // The block column at the frame's left edge; right to left, mirrored.
        const std::int64_t first = !strip.RightToLeft() ? FirstStripColumn(frame, options.columns, options.step)
                                   : step               ? width - frame * step
                                                        : blockWidth - (frame + 1) * columns;
        std::fill(canvas.begin(), canvas.end(), 0);
        // Each line from its column at the frame's left edge.
        for (std::size_t l = 0; l < strip.LineCount(); ++l)
            DrawLine(strip.LineAt(l), first - lineStart[l], top, options, canvas);
        for (unsigned y = 0; y < options.rows; ++y)
            for (unsigned x = 0; x < options.columns; ++x)
                if ((canvas[y * options.columns + x] != 0) != options.invert) pattern->SetPixel(frame, x, y);
    }
    pattern->header.controlCode = options.controlCode;
    pattern->header.wait = options.wait;
    pattern->modified = true;
    result.pattern = std::move(pattern);
    return result;
}

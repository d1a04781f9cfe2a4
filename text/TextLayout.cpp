#include "text/TextLayout.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "text/TextScript.h"

bool DecodeUtf8(const std::string& text, std::u32string* characters) {
    characters->clear();
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        unsigned length;
        char32_t character, least;
        if (lead < 0x80) { length = 1; character = lead; least = 0; }
        else if ((lead & 0xE0) == 0xC0) { length = 2; character = lead & 0x1Fu; least = 0x80; }
        else if ((lead & 0xF0) == 0xE0) { length = 3; character = lead & 0x0Fu; least = 0x800; }
        else if ((lead & 0xF8) == 0xF0) { length = 4; character = lead & 0x07u; least = 0x10000; }
        else return false;
        if (size - i < length) return false;
        for (unsigned k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            character = (character << 6) | (next & 0x3Fu);
        }
        if (character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return false;
        characters->push_back(character);
        i += length;
    }
    return true;
}

std::string EncodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string DescribeCharacter(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    // Control characters would disturb the message line; they go by code alone.
    if (character < 0x20 || character == 0x7F) return code;
    return std::string(code) + " '" + EncodeUtf8(character) + "'";
}

std::u32string ExpandLineBreaks(const std::u32string& typed) {
    std::u32string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == U'\\' && i + 1 < typed.size() && (typed[i + 1] == U'n' || typed[i + 1] == U'\\')) {
            text += typed[i + 1] == U'n' ? U'\n' : U'\\';
            ++i;
        } else {
            text += typed[i];
        }
    }
    return text;
}

namespace {

// Characters that steer direction, joining or line breaking but have no
// look of their own: never drawn, never missing. A carriage return is the
// first half of a CR LF line end.
bool IsInvisible(char32_t c) {
    return c == U'\r' || c == 0xAD || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2069) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

// Frames have at most 255 rows: a block counted up to here is too tall for any.
const std::uint64_t TallerThanAnyFrame = 256;

unsigned ImageRows(const Glyph& image) { return image.width ? static_cast<unsigned>(image.lit.size() / image.width) : 0; }

// The lit columns of a glyph, first and last; the whole cell when none is lit.
void InkSpan(const Glyph& glyph, int* first, int* last) {
    *first = static_cast<int>(glyph.width);
    *last = -1;
    const unsigned rows = ImageRows(glyph);
    for (unsigned y = 0; y < rows; ++y)
        for (unsigned x = 0; x < glyph.width; ++x)
            if (glyph.Lit(x, y)) {
                if (static_cast<int>(x) < *first) *first = static_cast<int>(x);
                if (static_cast<int>(x) > *last) *last = static_cast<int>(x);
            }
    if (*last < 0) {
        *first = 0;
        *last = static_cast<int>(glyph.width) - 1;
    }
}

struct Run {
    std::size_t start, end;   // characters of the line, in logical order
    std::size_t font;
    bool rightToLeft;
    std::size_t visual;       // where its first-shown character stands
};

// Where a placed image belongs before the line's baseline is known.
struct Pending {
    std::int64_t left;
    const Glyph* image;
    std::size_t font;
};

}  // namespace

void TextStrip::NoteMissing(char32_t character) {
    if (missing_.find(character) == std::u32string::npos) missing_ += character;
}

const Glyph* TextStrip::Keep(FontChain& fonts, std::size_t font, char32_t character) {
    auto found = drawn_.find({font, character});
    if (found != drawn_.end()) return &found->second;
    const Glyph* glyph = fonts.GlyphOf(font, character);
    if (!glyph) return nullptr;
    return &drawn_.emplace(std::make_pair(font, character), *glyph).first->second;
}

void TextStrip::LayOutLine(FontChain& fonts, const std::u32string& text, const TextStyle& style, Line* line) {
    const std::size_t length = text.size();
    LineScript script;
    AnalyseLine(text, rightToLeft_, &script);

    // Each character's font: a mark takes its base's where that font has it,
    // an invisible character its neighbour's, so that runs stay whole.
    const std::size_t none = FontChain::NoFont;
    std::vector<std::size_t> fontOf(length, none);
    std::size_t base = none, previous = none;
    for (std::size_t i = 0; i < length; ++i) {
        const char32_t c = text[i];
        if (IsInvisible(c)) {
            fontOf[i] = previous;
            continue;
        }
        const bool mark = IsCombiningMark(c);
        if (mark && base != none && fontOf[base] != none && fonts.GlyphOf(fontOf[base], c)) fontOf[i] = fontOf[base];
        else fontOf[i] = fonts.FontFor(c);
        if (fontOf[i] == none) NoteMissing(c);
        else previous = fontOf[i];
        if (!mark) base = i;
    }
    for (std::size_t i = length; i-- > 0;)
        if (IsInvisible(text[i]) && fontOf[i] == none) fontOf[i] = previous = i + 1 < length ? fontOf[i + 1] : none;

    // Runs of one font and one direction, in the order they are shown.
    std::vector<std::size_t> visualPlace(length);
    for (std::size_t v = 0; v < length; ++v) visualPlace[script.visualOrder[v]] = v;
    std::vector<Run> runs;
    for (std::size_t i = 0; i < length; ++i) {
        if (fontOf[i] == none) continue;
        const bool rtl = script.levels[i] % 2 == 1;
        if (!runs.empty() && runs.back().end == i && runs.back().font == fontOf[i] &&
            script.levels[i] == script.levels[i - 1]) {
            runs.back().end = i + 1;
            runs.back().visual = std::min(runs.back().visual, visualPlace[i]);
        } else {
            runs.push_back({i, i + 1, fontOf[i], rtl, visualPlace[i]});
        }
    }
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.visual < b.visual; });

    std::vector<Pending> pending;
    std::vector<bool> fontUsed(fonts.Size(), false);
    std::int64_t pen = 0;
    bool first = true;
    std::size_t lastCluster = 0;
    // Spacing goes between characters, but not between letters that join.
    auto beginCluster = [&](std::size_t cluster) {
        if (!first) {
            const std::size_t later = std::max(cluster, lastCluster);
            if (!(later > 0 && script.joinsNext[later - 1])) pen += style.spacing;
        }
        first = false;
        lastCluster = cluster;
    };
    // The last base drawn, for the marks that follow it: its left edge and
    // the first and last lit columns.
    std::int64_t baseLeft = 0;
    int baseInkFirst = 0, baseInkLast = -1;
    bool haveBase = false;

    for (const Run& run : runs) {
        GlyphSource& font = fonts.Font(run.font);
        fontUsed[run.font] = true;
        std::vector<ShapedGlyph> shaped;
        if (font.Shape(text.substr(run.start, run.end - run.start), run.rightToLeft, &shaped)) {
            std::size_t cluster = none;
            for (ShapedGlyph& glyph : shaped) {
                if (glyph.cluster != cluster) {
                    cluster = glyph.cluster;
                    beginCluster(run.start + cluster);
                }
                if (glyph.image.width) {
                    shaped_.push_back(std::move(glyph.image));
                    pending.push_back({pen + glyph.left, &shaped_.back(), run.font});
                }
                pen += glyph.advance;
            }
            haveBase = false;
            continue;
        }
        // No shaping of the font's own: base characters in their joined forms,
        // each with the marks after it; right to left, clusters reversed.
        std::vector<std::pair<std::size_t, std::size_t>> clusters;
        for (std::size_t i = run.start; i < run.end; ++i) {
            const bool attached = IsCombiningMark(text[i]) || IsInvisible(text[i]);
            if (clusters.empty() || !attached) clusters.push_back({i, i + 1});
            else clusters.back().second = i + 1;
        }
        if (run.rightToLeft) std::reverse(clusters.begin(), clusters.end());
        for (const auto& cluster : clusters) {
            for (std::size_t i = cluster.first; i < cluster.second; ++i) {
                const char32_t c = text[i];
                if (IsInvisible(c)) continue;
                if (IsCombiningMark(c) && (i > cluster.first || haveBase)) {
                    const Glyph* mark = Keep(fonts, run.font, c);
                    if (!mark || !mark->width) continue;
                    int markFirst, markLast;
                    InkSpan(*mark, &markFirst, &markLast);
                    // Over the middle of the base's ink.
                    const std::int64_t left =
                        baseLeft + ((baseInkFirst + baseInkLast) - (markFirst + markLast)) / 2;
                    pending.push_back({left, mark, run.font});
                    continue;
                }
                const Glyph* glyph = Keep(fonts, run.font, script.presentationForms[i]);
                if (!glyph) glyph = Keep(fonts, run.font, c);
                if (!glyph) continue;
                beginCluster(i);
                if (glyph->width) pending.push_back({pen, glyph, run.font});
                baseLeft = pen;
                InkSpan(*glyph, &baseInkFirst, &baseInkLast);
                haveBase = true;
                pen += glyph->width;
            }
        }
    }

    // The line is as high as its tallest font (the first font's, when
    // empty); a shorter font stands on that font's baseline as far as it
    // stays within the line, so that 8-pixel fonts make 8-row lines.
    if (runs.empty() && fonts.Size() > 0) fontUsed[0] = true;
    std::size_t tallest = none;
    for (std::size_t f = 0; f < fonts.Size(); ++f)
        if (fontUsed[f] && (tallest == none || fonts.Font(f).Height() > fonts.Font(tallest).Height())) tallest = f;
    line->height = tallest == none ? 0 : fonts.Font(tallest).Height();
    auto topOf = [&](std::size_t f) {
        const GlyphSource& font = fonts.Font(f);
        const long room = static_cast<long>(line->height) - static_cast<long>(font.Height());
        const long top = static_cast<long>(std::min(fonts.Font(tallest).Baseline(), line->height)) -
                         static_cast<long>(std::min(font.Baseline(), font.Height()));
        return static_cast<unsigned>(std::max(0L, std::min(room, top)));
    };
    // Ink that reaches left of the first pen position moves the line right.
    std::int64_t leftmost = 0, rightmost = std::max<std::int64_t>(pen, 0);
    for (const Pending& glyph : pending) {
        int inkFirst, inkLast;
        InkSpan(*glyph.image, &inkFirst, &inkLast);
        leftmost = std::min(leftmost, glyph.left + inkFirst);
        rightmost = std::max(rightmost, glyph.left + inkLast + 1);
    }
    line->width = static_cast<std::uint64_t>(rightmost - leftmost);
    for (const Pending& glyph : pending) {
        line->glyphs.push_back({glyph.left - leftmost, line->top + topOf(glyph.font), glyph.image});
        line->widestImage = std::max(line->widestImage, glyph.image->width);
    }
    std::stable_sort(line->glyphs.begin(), line->glyphs.end(),
                     [](const Placed& a, const Placed& b) { return a.left < b.left; });
}

bool TextStrip::LayOut(GlyphSource& font, const std::u32string& text, bool skipMissing) {
    FontChain fonts(font);
    return LayOut(fonts, text, TextStyle(), skipMissing);
}

bool TextStrip::LayOut(FontChain& fonts, const std::u32string& text, const TextStyle& style, bool skipMissing) {
    drawn_.clear();
    shaped_.clear();
    lines_.clear();
    missing_.clear();
    height_ = 0;
    width_ = 0;
    rightToLeft_ = ReadsRightToLeft(text);
    std::uint64_t height = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(U'\n', start);
        lines_.emplace_back();
        Line& line = lines_.back();
        if (lines_.size() > 1) height += style.lineSpacing;
        // A text of more rows than any frame has is refused whole; the count stops there.
        line.top = static_cast<unsigned>(std::min<std::uint64_t>(height, TallerThanAnyFrame));
        LayOutLine(fonts, text.substr(start, end == std::u32string::npos ? std::u32string::npos : end - start), style,
                   &line);
        height += line.height;
        width_ = std::max(width_, line.width);
        if (end == std::u32string::npos) break;
        start = end + 1;
    }
    height_ = static_cast<unsigned>(std::min<std::uint64_t>(height, TallerThanAnyFrame));
    return missing_.empty() || skipMissing;
}

bool TextStrip::Lit(std::int64_t column, unsigned row) const {
    if (column < 0 || static_cast<std::uint64_t>(column) >= width_ || row >= height_) return false;
    for (const Line& line : lines_) {
        if (row < line.top || row >= line.top + line.height) continue;
        auto glyph = std::lower_bound(line.glyphs.begin(), line.glyphs.end(),
                                      column - static_cast<std::int64_t>(line.widestImage) + 1,
                                      [](const Placed& placed, std::int64_t c) { return placed.left < c; });
        for (; glyph != line.glyphs.end() && glyph->left <= column; ++glyph) {
            const std::int64_t x = column - glyph->left;
            if (x >= glyph->image->width || row < glyph->top || row - glyph->top >= ImageRows(*glyph->image)) continue;
            if (glyph->image->Lit(static_cast<unsigned>(x), row - glyph->top)) return true;
        }
    }
    return false;
}

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
        for (std::size_t l = 0; l < strip.LineCount(); ++l) {
            const TextStrip::Line& line = strip.LineAt(l);
            const std::int64_t from = first - lineStart[l];   // the line's column at the frame's left edge
            auto glyph = std::lower_bound(line.glyphs.begin(), line.glyphs.end(),
                                          from - static_cast<std::int64_t>(line.widestImage) + 1,
                                          [](const TextStrip::Placed& placed, std::int64_t c) { return placed.left < c; });
            for (; glyph != line.glyphs.end() && glyph->left < from + columns; ++glyph) {
                const Glyph& image = *glyph->image;
                const unsigned imageRows = ImageRows(image);
                for (unsigned y = 0; y < imageRows && top + glyph->top + y < options.rows; ++y)
                    for (unsigned x = 0; x < image.width; ++x) {
                        const std::int64_t column = glyph->left + x - from;
                        if (column >= 0 && column < columns && image.Lit(x, y))
                            canvas[(top + glyph->top + y) * options.columns + static_cast<std::size_t>(column)] = 1;
                    }
            }
        }
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

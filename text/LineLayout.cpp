#include "text/LineLayout.h"

#include <algorithm>

#include "text/TextScript.h"

namespace {

const std::size_t NoFont = FontChain::NoFont;
const std::size_t NoCluster = static_cast<std::size_t>(-1);

// Characters that steer direction, joining or line breaking but have no
// look of their own: never drawn, never missing. A carriage return is the
// first half of a CR LF line end.
bool IsInvisible(char32_t c) {
    return c == U'\r' || c == 0xAD || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2069) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

// The lit columns of a glyph, first and last; the whole cell when none is lit.
void InkSpan(const Glyph& glyph, int* first, int* last) {
    *first = static_cast<int>(glyph.width);
    *last = -1;
    const unsigned rows = glyph.Rows();
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

void NoteMissing(char32_t character, std::u32string* missing) {
    if (missing->find(character) == std::u32string::npos) *missing += character;
}

// Each character's font: a mark takes its base's where that font has it,
// an invisible character its neighbour's, so that runs stay whole.
std::vector<std::size_t> ChooseFonts(FontChain& fonts, const std::u32string& text, std::u32string* missing) {
    const std::size_t length = text.size();
    std::vector<std::size_t> fontOf(length, NoFont);
    std::size_t base = NoFont, previous = NoFont;
    for (std::size_t i = 0; i < length; ++i) {
        const char32_t c = text[i];
        if (IsInvisible(c)) {
            fontOf[i] = previous;
            continue;
        }
        const bool mark = IsCombiningMark(c);
        if (mark && base != NoFont && fontOf[base] != NoFont && fonts.GlyphOf(fontOf[base], c)) fontOf[i] = fontOf[base];
        else fontOf[i] = fonts.FontFor(c);
        if (fontOf[i] == NoFont) NoteMissing(c, missing);
        else previous = fontOf[i];
        if (!mark) base = i;
    }
    // Invisible characters before the first visible one take the font after them.
    for (std::size_t i = length; i-- > 0;)
        if (IsInvisible(text[i]) && fontOf[i] == NoFont) fontOf[i] = i + 1 < length ? fontOf[i + 1] : NoFont;
    return fontOf;
}

struct Run {
    std::size_t start, end;   // characters of the line, in logical order
    std::size_t font;
    bool rightToLeft;
    std::size_t visual;       // where its first-shown character stands
};

// Runs of one font and one direction, in the order they are shown.
std::vector<Run> ShownRuns(const std::vector<std::size_t>& fontOf, const LineScript& script) {
    const std::size_t length = fontOf.size();
    std::vector<std::size_t> visualPlace(length);
    for (std::size_t v = 0; v < length; ++v) visualPlace[script.visualOrder[v]] = v;
    std::vector<Run> runs;
    for (std::size_t i = 0; i < length; ++i) {
        if (fontOf[i] == NoFont) continue;
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
    return runs;
}

// Where a placed image belongs before the line's baseline is known.
struct Pending {
    std::int64_t left;
    const Glyph* image;
    std::size_t font;
};

// The glyphs of a line placed along the pen, run by run as they are shown.
class LinePen {
public:
    LinePen(FontChain& fonts, const std::u32string& text, const LineScript& script, int spacing, GlyphStore& glyphs)
        : fonts_(fonts), text_(text), script_(script), spacing_(spacing), glyphs_(glyphs) {}

    void Place(const Run& run) {
        std::vector<ShapedGlyph> shaped;
        if (fonts_.Font(run.font).Shape(text_.substr(run.start, run.end - run.start), run.rightToLeft, &shaped))
            PlaceShaped(run, shaped);
        else
            PlaceCharacters(run);
    }
    const std::vector<Pending>& Placed() const { return pending_; }
    std::int64_t Position() const { return pen_; }

private:
    // Spacing goes between characters, but not between letters that join.
    void BeginCluster(std::size_t cluster) {
        if (!first_) {
            const std::size_t later = std::max(cluster, lastCluster_);
            if (!(later > 0 && script_.joinsNext[later - 1])) pen_ += spacing_;
        }
        first_ = false;
        lastCluster_ = cluster;
    }

    void PlaceShaped(const Run& run, std::vector<ShapedGlyph>& shaped) {
        std::size_t cluster = NoCluster;
        for (ShapedGlyph& glyph : shaped) {
            if (glyph.cluster != cluster) {
                cluster = glyph.cluster;
                BeginCluster(run.start + cluster);
            }
            if (glyph.image.width)
                pending_.push_back({pen_ + glyph.left, glyphs_.KeepShaped(std::move(glyph.image)), run.font});
            pen_ += glyph.advance;
        }
        haveBase_ = false;
    }

    // No shaping of the font's own: base characters in their joined forms,
    // each with the marks after it; right to left, clusters reversed.
    void PlaceCharacters(const Run& run) {
        std::vector<std::pair<std::size_t, std::size_t>> clusters;
        for (std::size_t i = run.start; i < run.end; ++i) {
            const bool attached = IsCombiningMark(text_[i]) || IsInvisible(text_[i]);
            if (clusters.empty() || !attached) clusters.push_back({i, i + 1});
            else clusters.back().second = i + 1;
        }
        if (run.rightToLeft) std::reverse(clusters.begin(), clusters.end());
        for (const auto& cluster : clusters)
            for (std::size_t i = cluster.first; i < cluster.second; ++i) PlaceCharacter(run.font, i, i > cluster.first);
    }

    void PlaceCharacter(std::size_t font, std::size_t i, bool inCluster) {
        const char32_t c = text_[i];
        if (IsInvisible(c)) return;
        if (IsCombiningMark(c) && (inCluster || haveBase_)) {
            PlaceMark(font, c);
            return;
        }
        const Glyph* glyph = glyphs_.Keep(fonts_, font, script_.presentationForms[i]);
        if (!glyph) glyph = glyphs_.Keep(fonts_, font, c);
        if (!glyph) return;
        BeginCluster(i);
        if (glyph->width) pending_.push_back({pen_, glyph, font});
        baseLeft_ = pen_;
        InkSpan(*glyph, &baseInkFirst_, &baseInkLast_);
        haveBase_ = true;
        pen_ += glyph->width;
    }

    // Over the middle of the base's ink.
    void PlaceMark(std::size_t font, char32_t c) {
        const Glyph* mark = glyphs_.Keep(fonts_, font, c);
        if (!mark || !mark->width) return;
        int markFirst, markLast;
        InkSpan(*mark, &markFirst, &markLast);
        const std::int64_t left = baseLeft_ + ((baseInkFirst_ + baseInkLast_) - (markFirst + markLast)) / 2;
        pending_.push_back({left, mark, font});
    }

    FontChain& fonts_;
    const std::u32string& text_;
    const LineScript& script_;
    const int spacing_;
    GlyphStore& glyphs_;
    std::vector<Pending> pending_;
    std::int64_t pen_ = 0;
    bool first_ = true;
    std::size_t lastCluster_ = 0;
    // The last base drawn, for the marks that follow it: its left edge and
    // the first and last lit columns.
    std::int64_t baseLeft_ = 0;
    int baseInkFirst_ = 0, baseInkLast_ = -1;
    bool haveBase_ = false;
};

// The line is as high as its tallest font (the first font's, when empty).
std::size_t TallestFont(FontChain& fonts, const std::vector<Run>& runs) {
    std::vector<bool> used(fonts.Size(), false);
    for (const Run& run : runs) used[run.font] = true;
    if (runs.empty() && fonts.Size() > 0) used[0] = true;
    std::size_t tallest = NoFont;
    for (std::size_t f = 0; f < fonts.Size(); ++f)
        if (used[f] && (tallest == NoFont || fonts.Font(f).Height() > fonts.Font(tallest).Height())) tallest = f;
    return tallest;
}

// A shorter font stands on the tallest one's baseline as far as it stays
// within the line, so that 8-pixel fonts make 8-row lines.
unsigned FontTop(FontChain& fonts, std::size_t font, std::size_t tallest, unsigned lineHeight) {
    const GlyphSource& shorter = fonts.Font(font);
    const long room = static_cast<long>(lineHeight) - static_cast<long>(shorter.Height());
    const long top = static_cast<long>(std::min(fonts.Font(tallest).Baseline(), lineHeight)) -
                     static_cast<long>(std::min(shorter.Baseline(), shorter.Height()));
    return static_cast<unsigned>(std::max(0L, std::min(room, top)));
}

// Ink that reaches left of the first pen position moves the line right.
void SetOnLine(FontChain& fonts, std::size_t tallest, const LinePen& pen, TextLine* line) {
    line->height = tallest == NoFont ? 0 : fonts.Font(tallest).Height();
    std::int64_t leftmost = 0, rightmost = std::max<std::int64_t>(pen.Position(), 0);
    for (const Pending& glyph : pen.Placed()) {
        int inkFirst, inkLast;
        InkSpan(*glyph.image, &inkFirst, &inkLast);
        leftmost = std::min(leftmost, glyph.left + inkFirst);
        rightmost = std::max(rightmost, glyph.left + inkLast + 1);
    }
    line->width = static_cast<std::uint64_t>(rightmost - leftmost);
    for (const Pending& glyph : pen.Placed()) {
        line->glyphs.push_back(
            {glyph.left - leftmost, line->top + FontTop(fonts, glyph.font, tallest, line->height), glyph.image});
        line->widestImage = std::max(line->widestImage, glyph.image->width);
    }
    std::stable_sort(line->glyphs.begin(), line->glyphs.end(),
                     [](const PlacedGlyph& a, const PlacedGlyph& b) { return a.left < b.left; });
}

}  // namespace

const Glyph* GlyphStore::Keep(FontChain& fonts, std::size_t font, char32_t character) {
    auto found = drawn_.find({font, character});
    if (found != drawn_.end()) return &found->second;
    const Glyph* glyph = fonts.GlyphOf(font, character);
    if (!glyph) return nullptr;
    return &drawn_.emplace(std::make_pair(font, character), *glyph).first->second;
}

const Glyph* GlyphStore::KeepShaped(Glyph&& image) {
    shaped_.push_back(std::move(image));
    return &shaped_.back();
}

void GlyphStore::Clear() {
    drawn_.clear();
    shaped_.clear();
}

void LayOutLine(FontChain& fonts, const std::u32string& text, int spacing, bool rightToLeft, GlyphStore& glyphs,
                std::u32string* missing, TextLine* line) {
    LineScript script;
    AnalyseLine(text, rightToLeft, &script);
    const std::vector<std::size_t> fontOf = ChooseFonts(fonts, text, missing);
    const std::vector<Run> runs = ShownRuns(fontOf, script);
    LinePen pen(fonts, text, script, spacing, glyphs);
    for (const Run& run : runs) pen.Place(run);
    SetOnLine(fonts, TallestFont(fonts, runs), pen, line);
}

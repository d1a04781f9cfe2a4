#include "text/TextLayout.h"

#include <algorithm>

#include "text/TextScript.h"

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

// Frames have at most 255 rows: a block counted up to here is too tall for any.
const std::uint64_t TallerThanAnyFrame = 256;

}  // namespace

bool TextStrip::LayOut(GlyphSource& font, const std::u32string& text, bool skipMissing) {
    FontChain fonts(font);
    return LayOut(fonts, text, TextStyle(), skipMissing);
}

bool TextStrip::LayOut(FontChain& fonts, const std::u32string& text, const TextStyle& style, bool skipMissing) {
    glyphs_.Clear();
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
        TextLine& line = lines_.back();
        if (lines_.size() > 1) height += style.lineSpacing;
        // A text of more rows than any frame has is refused whole; the count stops there.
        line.top = static_cast<unsigned>(std::min<std::uint64_t>(height, TallerThanAnyFrame));
        LayOutLine(fonts, text.substr(start, end == std::u32string::npos ? std::u32string::npos : end - start),
                   style.spacing, rightToLeft_, glyphs_, &missing_, &line);
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
    for (const TextLine& line : lines_) {
        if (row < line.top || row >= line.top + line.height) continue;
        auto glyph = std::lower_bound(line.glyphs.begin(), line.glyphs.end(),
                                      column - static_cast<std::int64_t>(line.widestImage) + 1,
                                      [](const PlacedGlyph& placed, std::int64_t c) { return placed.left < c; });
        for (; glyph != line.glyphs.end() && glyph->left <= column; ++glyph) {
            const std::int64_t x = column - glyph->left;
            if (x >= glyph->image->width || row < glyph->top || row - glyph->top >= glyph->image->Rows()) continue;
            if (glyph->image->Lit(static_cast<unsigned>(x), row - glyph->top)) return true;
        }
    }
    return false;
}

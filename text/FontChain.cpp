#include "text/FontChain.h"

void FontChain::Add(std::unique_ptr<GlyphSource> font) {
    fonts_.push_back(font.get());
    owned_.push_back(std::move(font));
}

std::size_t FontChain::FontFor(char32_t character) {
    for (std::size_t font = 0; font < fonts_.size(); ++font)
        if (GlyphOf(font, character)) return font;
    return NoFont;
}

const Glyph* FontChain::GlyphOf(std::size_t font, char32_t character) {
    auto found = glyphs_.find({font, character});
    if (found == glyphs_.end()) {
        Glyph glyph;
        std::optional<Glyph> drawn;
        if (fonts_[font]->Draw(character, &glyph)) drawn = std::move(glyph);
        found = glyphs_.emplace(std::make_pair(font, character), std::move(drawn)).first;
    }
    return found->second ? &*found->second : nullptr;
}

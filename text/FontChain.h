// FontChain: the fonts a text is drawn in, as sign makers pair them (a
// half-width Latin font with a kanji font, or any font with a fallback):
// each character comes from the first font that has it, and is missing only
// when none has it. Each font's glyph of a character is drawn once.
#ifndef LUMIGRID_TEXT_FONTCHAIN_H
#define LUMIGRID_TEXT_FONTCHAIN_H

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "text/GlyphSource.h"

class FontChain {
public:
    static constexpr std::size_t NoFont = static_cast<std::size_t>(-1);

    FontChain() = default;
    // A chain of one font that the caller keeps.
    explicit FontChain(GlyphSource& font) { fonts_.push_back(&font); }
    FontChain(const FontChain&) = delete;
    FontChain& operator=(const FontChain&) = delete;

    void Add(std::unique_ptr<GlyphSource> font);
    std::size_t Size() const { return fonts_.size(); }
    GlyphSource& Font(std::size_t index) const { return *fonts_[index]; }

    // The first font that has the character, or NoFont.
    std::size_t FontFor(char32_t character);
    // A font's glyph of a character, drawn on first use; null when it has none.
    const Glyph* GlyphOf(std::size_t font, char32_t character);

private:
    std::vector<std::unique_ptr<GlyphSource>> owned_;
    std::vector<GlyphSource*> fonts_;
    std::map<std::pair<std::size_t, char32_t>, std::optional<Glyph>> glyphs_;
};

#endif

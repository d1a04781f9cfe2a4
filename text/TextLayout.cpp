#include "TextLayout.h"

#include <algorithm>
#include <cstdio>
#include <new>

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

bool TextStrip::LayOut(GlyphSource& font, const std::u32string& text, bool skipMissing) {
    glyphs_.clear();
    placed_.clear();
    missing_.clear();
    height_ = font.Height();
    width_ = 0;
    for (char32_t character : text) {
        auto found = glyphs_.find(character);
        if (found == glyphs_.end()) {
            if (missing_.find(character) != std::u32string::npos) continue;
            Glyph glyph;
            if (!font.Draw(character, &glyph)) {
                missing_ += character;
                continue;
            }
            found = glyphs_.emplace(character, std::move(glyph)).first;
        }
        if (found->second.width == 0) continue;
        placed_.push_back({width_, &found->second});
        width_ += found->second.width;
    }
    return missing_.empty() || skipMissing;
}

bool TextStrip::Lit(std::int64_t column, unsigned row) const {
    if (column < 0 || static_cast<std::uint64_t>(column) >= width_ || row >= height_) return false;
    const std::uint64_t x = static_cast<std::uint64_t>(column);
    auto after = std::upper_bound(placed_.begin(), placed_.end(), x,
                                  [](std::uint64_t c, const Placed& placed) { return c < placed.column; });
    const Placed& placed = *(after - 1);
    return placed.glyph->Lit(static_cast<unsigned>(x - placed.column), row);
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

TextPatternResult MakeTextPattern(const TextStrip& strip, const TextFrameOptions& options) {
    TextPatternResult result{nullptr, TextPatternStatus::Made};
    if (strip.Height() > options.rows) {
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
    const unsigned top = (options.rows - strip.Height()) / 2;
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        const std::int64_t first = FirstStripColumn(frame, options.columns, options.step);
        for (unsigned y = 0; y < options.rows; ++y) {
            const bool inStrip = y >= top && y - top < strip.Height();
            for (unsigned x = 0; x < options.columns; ++x) {
                const bool text = inStrip && strip.Lit(first + x, y - top);
                if (text != options.invert) pattern->SetPixel(frame, x, y);
            }
        }
    }
    pattern->header.controlCode = options.controlCode;
    pattern->header.wait = options.wait;
    pattern->modified = true;
    result.pattern = std::move(pattern);
    return result;
}

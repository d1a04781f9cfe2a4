#include "text/HexFont.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "text/FontBytes.h"

namespace {

// GNU Unifont's complete file is under 4 MiB; anything much larger is not a font.
const unsigned long MaxHexFontBytes = 64ul * 1024 * 1024;
const std::uint32_t MaxCharacter = 0x10FFFF;

// Hex digit values by byte, -1 for any other byte: every byte of the file
// passes through here once, so it is one look-up.
struct HexDigitTable {
    signed char value[256];
    HexDigitTable() {
        for (int c = 0; c < 256; ++c)
            value[c] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                       : -1);
    }
};
const HexDigitTable hexDigits;

int HexDigit(char c) { return hexDigits.value[static_cast<unsigned char>(c)]; }

}  // namespace

bool IsHexFontName(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return tail == ".hex";
}

std::unique_ptr<HexFont> HexFont::Open(const char* path, std::string* problem) {
    std::vector<char> bytes;
    if (!ReadFontBytes(path, MaxHexFontBytes, &bytes, problem)) return nullptr;
    return FromBytes(std::move(bytes), problem);
}

std::unique_ptr<HexFont> HexFont::FromBytes(std::vector<char> bytes, std::string* problem) {
    std::unique_ptr<HexFont> font(new (std::nothrow) HexFont);
    if (!font) {
        *problem = "not enough memory for the font";
        return nullptr;
    }
    font->bytes_ = std::move(bytes);
    const std::vector<char>& text = font->bytes_;
    std::vector<Entry>& index = font->index_;
    // Unifont's lines are about 40 to 70 bytes.
    index.reserve(text.size() / 40);
    const std::size_t size = text.size();
    std::size_t position = 0, line = 0;
    while (position < size) {
        ++line;
        const void* newline = std::memchr(text.data() + position, '\n', size - position);
        const std::size_t end = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data()) : size;
        std::size_t stop = end;
        if (stop > position && text[stop - 1] == '\r') --stop;
        if (stop > position) {
            std::uint32_t character = 0;
            std::size_t i = position;
            while (i < stop && i - position < 8 && HexDigit(text[i]) >= 0)
                character = character * 16 + static_cast<std::uint32_t>(HexDigit(text[i++]));
            std::size_t digits = i < stop && text[i] == ':' && i > position ? stop - i - 1 : 0;
            bool sound = character <= MaxCharacter && (digits == 32 || digits == 64);
            for (std::size_t d = i + 1; sound && d < stop; ++d) sound = HexDigit(text[d]) >= 0;
            if (!sound) {
                *problem = "not a .hex font: line " + std::to_string(line) +
                           " is not CODEPOINT:HEXBITS with 32 or 64 hex digits";
                return nullptr;
            }
            index.push_back({character, static_cast<std::uint32_t>(i + 1), static_cast<std::uint8_t>(digits)});
        }
        position = end + 1;
    }
    if (index.empty()) {
        *problem = "not a .hex font: it has no glyphs";
        return nullptr;
    }
    // Unifont's files are in code point order already.
    auto byCharacter = [](const Entry& a, const Entry& b) { return a.character < b.character; };
    if (!std::is_sorted(index.begin(), index.end(), byCharacter))
        std::stable_sort(index.begin(), index.end(), byCharacter);
    return font;
}

bool HexFont::Draw(char32_t character, Glyph* glyph) {
    auto found = std::lower_bound(index_.begin(), index_.end(), static_cast<std::uint32_t>(character),
                                  [](const Entry& entry, std::uint32_t c) { return entry.character < c; });
    if (found == index_.end() || found->character != character) return false;
    const unsigned width = found->digits * 4u / CellHeight;   // 8 or 16
    glyph->width = width;
    glyph->lit.assign(static_cast<std::size_t>(width) * CellHeight, 0);
    const char* digits = bytes_.data() + found->offset;
    for (unsigned bit = 0; bit < width * CellHeight; ++bit) {
        int nibble = HexDigit(digits[bit / 4]);
        glyph->lit[bit] = static_cast<std::uint8_t>((nibble >> (3 - bit % 4)) & 1);
    }
    return true;
}

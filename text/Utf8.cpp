#include "text/Utf8.h"

#include <cstdio>

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

std::string Utf8FromUtf16(const std::u16string& text) {
    const char32_t Replacement = 0xFFFD;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit < 0xD800 || unit > 0xDFFF) {
            out += EncodeUtf8(unit);
        } else if (unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out += EncodeUtf8(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            out += EncodeUtf8(Replacement);
        }
    }
    return out;
}

std::string Utf8FromWide(const std::wstring& text) {
    if (sizeof(wchar_t) == sizeof(char16_t)) return Utf8FromUtf16(std::u16string(text.begin(), text.end()));
    std::string out;
    for (wchar_t character : text) {
        const auto code = static_cast<char32_t>(character);
        const bool valid = code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        out += EncodeUtf8(valid ? code : 0xFFFD);
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

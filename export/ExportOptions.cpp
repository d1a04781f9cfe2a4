#include "export/ExportOptions.h"

#include <cstdlib>

#include "export/LayoutPresets.h"

namespace {

const char* const LanguageNames[] = {"c", "python", "json", "xbm", "rust", "binary", "hex"};
const char* const NumberBaseNames[] = {"hex", "dec", "bin"};
const char* const HexFormatOptionNames[HexFormatCount] = {"8bit", "16bit", "20bit", "32bit"};

struct ExtensionLanguage {
    const char* extension;
    CodeLanguage language;
};

const ExtensionLanguage Extensions[] = {
    {"h", CodeLanguage::C},      {"hpp", CodeLanguage::C},     {"c", CodeLanguage::C},
    {"py", CodeLanguage::Python}, {"json", CodeLanguage::Json}, {"xbm", CodeLanguage::Xbm},
    {"rs", CodeLanguage::Rust},   {"bin", CodeLanguage::Binary}, {"hex", CodeLanguage::Hex},
};

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool ParsePictureNumber(const std::string& text, std::uint32_t* number) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *number = static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

}  // namespace

const char* LanguageName(CodeLanguage language) { return LanguageNames[static_cast<int>(language)]; }

bool ParseLanguage(const std::string& text, CodeLanguage* language) {
    for (int i = 0; i < 7; ++i)
        if (text == LanguageNames[i]) {
            *language = static_cast<CodeLanguage>(i);
            return true;
        }
    return false;
}

const char* NumberBaseName(NumberBase base) { return NumberBaseNames[static_cast<int>(base)]; }

bool ParseNumberBase(const std::string& text, NumberBase* base) {
    for (int i = 0; i < 3; ++i)
        if (text == NumberBaseNames[i]) {
            *base = static_cast<NumberBase>(i);
            return true;
        }
    return false;
}

bool LanguageForPath(const std::string& path, CodeLanguage* language) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos) return false;
    const std::string extension = Lower(path.substr(dot + 1));
    for (const ExtensionLanguage& known : Extensions)
        if (extension == known.extension) {
            *language = known.language;
            return true;
        }
    return false;
}

bool IsTextLanguage(CodeLanguage language) {
    return language != CodeLanguage::Binary && language != CodeLanguage::Hex;
}

bool ParsePictureRange(const std::string& text, PictureRange* range) {
    const std::size_t dash = text.find('-');
    std::uint32_t first = 0, last = 0;
    if (dash == std::string::npos) {
        if (!ParsePictureNumber(text, &first)) return false;
        last = first;
    } else if (!ParsePictureNumber(text.substr(0, dash), &first) || !ParsePictureNumber(text.substr(dash + 1), &last) ||
               last < first) {
        return false;
    }
    range->first = first;
    range->count = last - first + 1;
    return true;
}

bool ParseHexFormatName(const std::string& text, HexFormat* format) {
    for (int i = 0; i < HexFormatCount; ++i)
        if (text == HexFormatOptionNames[i]) {
            *format = static_cast<HexFormat>(i);
            return true;
        }
    return false;
}

std::string CheckExportOptions(const ExportOptions& options) {
    const std::string layout = CheckLayout(options.layout);
    if (!layout.empty()) return layout;
    if (options.tickMilliseconds == 0 || options.tickMilliseconds > 0xFFFF)
        return "the tick takes 1 to 65535 milliseconds";
    if (options.language == CodeLanguage::Xbm) {
        const LayoutPreset* preset = PresetOfLayout(options.layout);
        if (!preset || std::string(preset->name) != "xbm")
            return "XBM holds only the xbm layout (rows, lsb first, 8-bit words, each row padded, no tiles); "
                   "choose the xbm layout or another language";
    }
    return std::string();
}

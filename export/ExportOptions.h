// ExportOptions: everything one export of code is made from, the record that
// lumigrid-cli export fills from its options and the editor's Export Code
// dialog from its controls. Defaults: layout gfx, two planes, C, every
// picture, a tick of 100 ms, hex values with the pictures beside them.
#ifndef LUMIGRID_EXPORT_EXPORTOPTIONS_H
#define LUMIGRID_EXPORT_EXPORTOPTIONS_H

#include <cstdint>
#include <string>

#include "export/ExportLayout.h"
#include "pattern/hex/HexOptions.h"

enum class CodeLanguage : std::uint8_t { C, Python, Json, Xbm, Rust, Binary, Hex };
enum class NumberBase : std::uint8_t { Hex, Dec, Bin };

// Pictures first .. first + count - 1 of the pattern, numbered from 0;
// count 0 runs to the last.
struct PictureRange {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
};

constexpr unsigned DefaultTickMilliseconds = 100;

struct ExportOptions {
    ExportLayout layout;
    CodeLanguage language = CodeLanguage::C;
    std::string name;                     // made an identifier; empty: the pattern file's name
    PictureRange pictures;
    unsigned tickMilliseconds = DefaultTickMilliseconds;
    NumberBase base = NumberBase::Hex;    // JSON is always decimal, XBM always hex
    bool art = true;                      // the picture in comments beside its values
    unsigned valuesPerLine = 0;           // 0: a row, a tile or a unit a line, as the layout has them
    std::string mcu;                      // a controller of FlashFit.h, or empty
    std::uint32_t address = 0;            // Intel HEX: where the first byte goes
    HexFormat hexFormat = HexFormat::EightBit;
};

// The command line's names: "c", "python", "json", "xbm", "rust", "binary",
// "hex"; "hex", "dec", "bin".
const char* LanguageName(CodeLanguage language);
bool ParseLanguage(const std::string& text, CodeLanguage* language);
const char* NumberBaseName(NumberBase base);
bool ParseNumberBase(const std::string& text, NumberBase* base);
// The language of an output file by its extension (.h .hpp .c, .py, .json,
// .xbm, .rs, .bin, .hex, in any case); false for any other.
bool LanguageForPath(const std::string& path, CodeLanguage* language);
// Whether the language is text with a header (not binary or HEX).
bool IsTextLanguage(CodeLanguage language);

// "N" (that picture) or "FIRST-LAST", numbered from 0.
bool ParsePictureRange(const std::string& text, PictureRange* range);
// The names of the Intel HEX formats as lumigrid-cli build has them:
// "8bit", "16bit", "20bit", "32bit".
bool ParseHexFormatName(const std::string& text, HexFormat* format);

// Empty when the options can be exported (the pattern aside), else why not.
std::string CheckExportOptions(const ExportOptions& options);

#endif

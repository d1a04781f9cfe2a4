#include "text/FreeTypeFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

#include <hb-ft.h>
#include <hb.h>
#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "text/FontBytes.h"
#include "text/TextScript.h"

namespace {

// Bitmap fonts are small; a large outline font with every CJK glyph is tens of MiB.
const unsigned long MaxFontBytes = 256ul * 1024 * 1024;
// No sign is wider than this in one character; a wider advance is a damaged font.
const long MaxAdvance = 1024;

FT_Face FaceOf(void* face) { return static_cast<FT_Face>(face); }

std::string SizesOf(FT_Face face) {
    std::string sizes;
    for (int i = 0; i < face->num_fixed_sizes; ++i)
        sizes += (i ? ", " : "") + std::to_string(face->available_sizes[i].height);
    return sizes;
}

// The strike asked for, or by default the tallest that fits the rows, else the smallest.
int ChooseStrike(FT_Face face, unsigned pixels, unsigned rows) {
    int fitting = -1, smallest = -1;
    auto height = [face](int i) { return static_cast<unsigned>(face->available_sizes[i].height); };
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        if (pixels) {
            if (height(i) == pixels) return i;
            continue;
        }
        if (height(i) <= rows && (fitting < 0 || height(i) > height(fitting))) fitting = i;
        if (smallest < 0 || height(i) < height(smallest)) smallest = i;
    }
    return fitting >= 0 ? fitting : smallest;
}

// The character set of a BDF or PCF font, from its registry property.
FreeTypeFont::Encoding EncodingOf(FT_Face face) {
    const char* encoding = nullptr;
    const char* registry = nullptr;
    if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) || !registry) return FreeTypeFont::Encoding::Unicode;
    if (strncasecmp(registry, "JISX0208", 8) == 0) return FreeTypeFont::Encoding::JisX0208;
    if (strncasecmp(registry, "JISX0201", 8) == 0) return FreeTypeFont::Encoding::JisX0201;
    return FreeTypeFont::Encoding::Unicode;
}

// The JIS X 0208 code (row and cell, 0x2121 .. 0x7E7E) of a character, by
// way of its EUC-JP form; 0 when JIS X 0208 lacks it.
unsigned long JisX0208Of(char32_t character) {
    iconv_t converter = iconv_open("EUC-JP", "UTF-32LE");
    if (converter == reinterpret_cast<iconv_t>(-1)) return 0;
    unsigned char in[4] = {static_cast<unsigned char>(character), static_cast<unsigned char>(character >> 8),
                           static_cast<unsigned char>(character >> 16), static_cast<unsigned char>(character >> 24)};
    unsigned char out[8] = {};
    char* inPointer = reinterpret_cast<char*>(in);
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t inLeft = sizeof in, outLeft = sizeof out;
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1) || sizeof out - outLeft != 2) return 0;
    if (out[0] < 0xA1 || out[0] > 0xFE || out[1] < 0xA1 || out[1] > 0xFE) return 0;
    return (static_cast<unsigned long>(out[0] & 0x7F) << 8) | (out[1] & 0x7Fu);
}

// JIS X 0201: ASCII but for the yen sign and overline, and half-width katakana.
unsigned long JisX0201Of(char32_t character) {
    if (character == 0xA5) return 0x5C;
    if (character == 0x203E) return 0x7E;
    if (character < 0x80 && character != 0x5C && character != 0x7E) return character;
    if (character >= 0xFF61 && character <= 0xFF9F) return character - 0xFF61 + 0xA1;
    return 0;
}

}  // namespace

std::unique_ptr<GlyphSource> OpenSystemFont(const FontRequest& request, std::string* problem) {
    return FreeTypeFont::Open(request, problem);
}

std::unique_ptr<FreeTypeFont> FreeTypeFont::Open(const FontRequest& request, std::string* problem) {
    std::unique_ptr<FreeTypeFont> font(new (std::nothrow) FreeTypeFont);
    if (!font) {
        *problem = "not enough memory for the font";
        return nullptr;
    }
    if (!ReadFontBytes(request.name.c_str(), MaxFontBytes, &font->bytes_, problem)) return nullptr;
    const std::string name = "'" + request.name + "'";
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library)) {
        *problem = "cannot start FreeType";
        return nullptr;
    }
    font->library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(font->bytes_.data()),
                           static_cast<FT_Long>(font->bytes_.size()), 0, &face)) {
        *problem = "not a font that FreeType reads: " + name;
        return nullptr;
    }
    font->face_ = face;
    font->scalable_ = FT_IS_SCALABLE(face);
    font->encoding_ = EncodingOf(face);
    // A font in a JIS set has one charmap of its own codes.
    if (font->encoding_ != Encoding::Unicode && face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    if (font->scalable_) {
        const unsigned cell = request.pixels ? request.pixels : request.rows;
        const long span = static_cast<long>(face->ascender) - face->descender;
        // The em, scaled so that ascender to descender is the cell.
        const long em = span > 0 ? (static_cast<long>(cell) * face->units_per_EM + span / 2) / span : cell;
        if (em < 1 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em))) {
            *problem = "cannot draw " + name + " at " + std::to_string(cell) + " pixels";
            return nullptr;
        }
        font->height_ = cell;
        font->baseline_ = span > 0 ? static_cast<int>((static_cast<long>(cell) * face->ascender + span / 2) / span)
                                   : static_cast<int>(cell);
    } else {
        const int strike = ChooseStrike(face, request.pixels, request.rows);
        if (strike < 0 || FT_Select_Size(face, strike)) {
            *problem = face->num_fixed_sizes > 0
                           ? "the bitmap font " + name + " has no size of " + std::to_string(request.pixels) +
                                 " pixels; its sizes are " + SizesOf(face)
                           : "the font " + name + " has neither outlines nor bitmaps";
            return nullptr;
        }
        font->height_ = static_cast<unsigned>(face->available_sizes[strike].height);
        const long ascender = face->size->metrics.ascender >> 6;
        font->baseline_ = ascender > 0 && ascender <= static_cast<long>(font->height_)
                              ? static_cast<int>(ascender)
                              : static_cast<int>(font->height_);
    }
    if (font->height_ == 0) {
        *problem = "the font " + name + " has no height";
        return nullptr;
    }
    return font;
}

FreeTypeFont::~FreeTypeFont() {
    if (shaper_) hb_font_destroy(static_cast<hb_font_t*>(shaper_));
    if (face_) FT_Done_Face(FaceOf(face_));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

namespace {

const FT_Int32 MonochromeLoad = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO;

// Copies the slot's bitmap into a glyph image of height rows, its column 0
// at image column shiftX and its top row baseline - bitmap_top - raise rows
// down; what falls outside the image is cut.
void CopyBitmap(const FT_GlyphSlot slot, long baseline, long shiftX, long raise, unsigned height, Glyph* glyph) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    // Only the kinds a monochrome load gives, stored top row first.
    // A damaged bitmap font can give a size without any bits.
    if ((!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) || bitmap.pitch < 0 || !bitmap.buffer) return;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const long y = baseline - slot->bitmap_top - raise + row;
        if (y < 0 || y >= static_cast<long>(height)) continue;
        const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            const long x = shiftX + static_cast<long>(column);
            if (x < 0 || x >= static_cast<long>(glyph->width)) continue;
            const bool lit = mono ? (line[column / 8] >> (7 - column % 8)) & 1 : line[column] >= 128;
            if (lit) glyph->lit[static_cast<std::size_t>(y) * glyph->width + static_cast<std::size_t>(x)] = 1;
        }
    }
}

long Pixels(hb_position_t position) { return (position + 32) >> 6; }

// Scripts whose letters stand alone, each at its advance: drawn character
// by character, as before shaping was there. Every other script is shaped.
bool IsSimpleScript(hb_script_t script) {
    switch (script) {
    case HB_SCRIPT_COMMON:
    case HB_SCRIPT_INHERITED:
    case HB_SCRIPT_UNKNOWN:
    case HB_SCRIPT_LATIN:
    case HB_SCRIPT_GREEK:
    case HB_SCRIPT_CYRILLIC:
    case HB_SCRIPT_ARMENIAN:
    case HB_SCRIPT_GEORGIAN:
    case HB_SCRIPT_HAN:
    case HB_SCRIPT_HIRAGANA:
    case HB_SCRIPT_KATAKANA:
    case HB_SCRIPT_BOPOMOFO:
    case HB_SCRIPT_HANGUL: return true;
    default: return false;
    }
}

}  // namespace

bool FreeTypeFont::Draw(char32_t character, Glyph* glyph) {
    FT_Face face = FaceOf(face_);
    const unsigned long code = encoding_ == Encoding::JisX0208   ? JisX0208Of(character)
                               : encoding_ == Encoding::JisX0201 ? JisX0201Of(character)
                                                                 : character;
    const FT_UInt index = code ? FT_Get_Char_Index(face, code) : 0;
    if (index == 0) return false;
    if (FT_Load_Glyph(face, index, MonochromeLoad | (scalable_ ? 0 : FT_LOAD_MONOCHROME))) return false;
    const FT_GlyphSlot slot = face->glyph;
    long advance = (slot->advance.x + 32) >> 6;
    if (advance < 0) advance = 0;
    if (advance > MaxAdvance) advance = MaxAdvance;
    // A glyph without advance (a combining mark) is as wide as its bitmap,
    // which the layout places over the character before it.
    const long bitmapWidth = std::min<long>(slot->bitmap.width, MaxAdvance);
    glyph->width = static_cast<unsigned>(advance ? advance : bitmapWidth);
    glyph->lit.assign(static_cast<std::size_t>(glyph->width) * height_, 0);
    CopyBitmap(slot, baseline_, advance ? slot->bitmap_left : 0, 0, height_, glyph);
    return true;
}

bool FreeTypeFont::Shape(const std::u32string& run, bool rightToLeft, std::vector<ShapedGlyph>* glyphs) {
    // Bitmap fonts have no shaping tables.
    if (!scalable_ || encoding_ != Encoding::Unicode || run.empty()) return false;
    bool marks = false;
    for (char32_t character : run) marks = marks || IsCombiningMark(character);
    std::unique_ptr<hb_buffer_t, void (*)(hb_buffer_t*)> buffer(hb_buffer_create(), hb_buffer_destroy);
    hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const std::uint32_t*>(run.data()), static_cast<int>(run.size()),
                        0, static_cast<int>(run.size()));
    hb_buffer_guess_segment_properties(buffer.get());
    if (!rightToLeft && !marks && IsSimpleScript(hb_buffer_get_script(buffer.get()))) return false;
    hb_buffer_set_direction(buffer.get(), rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    if (!shaper_) {
        hb_font_t* shaper = hb_ft_font_create_referenced(FaceOf(face_));
        // Advances hinted as the glyphs are drawn, so that shaped and
        // unshaped text of one font keep one rhythm.
        hb_ft_font_set_load_flags(shaper, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO);
        shaper_ = shaper;
    }
    hb_shape(static_cast<hb_font_t*>(shaper_), buffer.get(), nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
    if (!infos || !positions) return false;
    glyphs->clear();
    FT_Face face = FaceOf(face_);
    for (unsigned i = 0; i < count; ++i) {
        ShapedGlyph shaped;
        shaped.cluster = std::min<std::size_t>(infos[i].cluster, run.size() - 1);
        shaped.advance = static_cast<int>(std::max(-MaxAdvance, std::min(MaxAdvance, Pixels(positions[i].x_advance))));
        if (FT_Load_Glyph(face, infos[i].codepoint, MonochromeLoad) == 0) {
            const FT_GlyphSlot slot = face->glyph;
            shaped.left = static_cast<int>(std::max(-MaxAdvance, std::min(MaxAdvance, Pixels(positions[i].x_offset) +
                                                                                         slot->bitmap_left)));
            shaped.image.width = static_cast<unsigned>(std::min<long>(slot->bitmap.width, MaxAdvance));
            shaped.image.lit.assign(static_cast<std::size_t>(shaped.image.width) * height_, 0);
            CopyBitmap(slot, baseline_, 0, Pixels(positions[i].y_offset), height_, &shaped.image);
        }
        glyphs->push_back(std::move(shaped));
    }
    return true;
}

// FreeTypeFont: fonts drawn by FreeType (Debian libfreetype-dev), the native
// builds' backend. Bitmap fonts (BDF, PCF, also gzipped) are drawn at one of
// their own sizes; outline fonts (TrueType, OpenType) in monochrome, scaled
// so that the font's ascender to descender spans the cell. A glyph sits on
// the cell's baseline; what reaches outside its advance or the cell is cut.
// Outline fonts shape the runs of scripts that need it (joining, marks,
// right to left) through HarfBuzz; bitmap fonts have no tables for it.
// Bitmap fonts in the JIS X 0208 and JIS X 0201 sets (as Shinonome's are)
// are reached by the JIS codes of the characters.
#ifndef LUMIGRID_TEXT_FREETYPEFONT_H
#define LUMIGRID_TEXT_FREETYPEFONT_H

#include <memory>
#include <string>
#include <vector>

#include "text/FontChoice.h"
#include "text/GlyphSource.h"

class FreeTypeFont : public GlyphSource {
public:
    // Opens the font file request.name at request.pixels (see FontChoice.h).
    static std::unique_ptr<FreeTypeFont> Open(const FontRequest& request, std::string* problem);
    ~FreeTypeFont() override;
    FreeTypeFont(const FreeTypeFont&) = delete;
    FreeTypeFont& operator=(const FreeTypeFont&) = delete;

    enum class Encoding { Unicode, JisX0208, JisX0201 };

    unsigned Height() const override { return height_; }
    unsigned Baseline() const override { return static_cast<unsigned>(baseline_); }
    bool Draw(char32_t character, Glyph* glyph) override;
    bool Shape(const std::u32string& run, bool rightToLeft, std::vector<ShapedGlyph>* glyphs) override;

private:
    FreeTypeFont() = default;

    std::vector<char> bytes_;   // the face reads from them while it lives
    void* library_ = nullptr;   // FT_Library
    void* face_ = nullptr;      // FT_Face
    void* shaper_ = nullptr;    // hb_font_t over the face, made when first needed
    unsigned height_ = 0;
    int baseline_ = 0;          // rows from the cell's top
    bool scalable_ = false;
    Encoding encoding_ = Encoding::Unicode;
};

#endif

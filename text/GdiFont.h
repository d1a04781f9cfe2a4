// GdiFont: any installed Windows font, drawn by GDI without antialiasing
// into a 1-bit bitmap: the Windows builds' backend. Each glyph is drawn at
// the cell's top left and is as wide as GDI's extent of it; what reaches
// outside is cut. Characters beyond the Basic Multilingual Plane are not
// drawn (GDI's glyph lookup takes one UTF-16 unit at a time). A run of a
// complex script (joining, marks, right to left) is drawn whole by
// ExtTextOutW, whose complex-script support (Uniscribe) joins, orders and
// places its glyphs.
#ifndef LUMIGRID_TEXT_GDIFONT_H
#define LUMIGRID_TEXT_GDIFONT_H

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "text/FontChoice.h"
#include "text/GlyphSource.h"

class GdiFont : public GlyphSource {
public:
    // The font the record describes (its quality is made non-antialiased).
    // Null when no installed font has its face name.
    static std::unique_ptr<GdiFont> Open(const LOGFONTW& description, std::string* problem);
    ~GdiFont() override;
    GdiFont(const GdiFont&) = delete;
    GdiFont& operator=(const GdiFont&) = delete;

    unsigned Height() const override { return height_; }
    unsigned Baseline() const override { return baseline_; }
    bool Draw(char32_t character, Glyph* glyph) override;
    bool Shape(const std::u32string& run, bool rightToLeft, std::vector<ShapedGlyph>* glyphs) override;

private:
    GdiFont() = default;

    HDC dc_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ keptFont_ = nullptr;
    // Draws units as ExtTextOutW does into a 1-bit image their extent wide,
    // or width wide with the text from column origin.
    bool DrawUnits(const std::wstring& units, UINT options, Glyph* glyph);
    bool DrawUnitsAt(const std::wstring& units, UINT options, long origin, long width, Glyph* glyph);

    unsigned height_ = 0;
    unsigned baseline_ = 0;
    wchar_t firstCharacter_ = 0, lastCharacter_ = 0;
};

// Whether an installed font has the face name.
bool IsFontInstalled(const wchar_t* face);

#endif

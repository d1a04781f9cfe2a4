#include "text/GdiFont.h"

#include "text/TextScript.h"
#include "text/Utf8.h"

#include <usp10.h>

#include <algorithm>
#include <cwchar>
#include <new>
#include <vector>

namespace {

const long MaxAdvance = 1024;
const WORD NoGlyph = 0xFFFF;

int CALLBACK OnFontFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// A top-down 1-bit bitmap: index 0 black (dark), 1 white (lit).
struct MonochromeInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
};

}  // namespace

bool IsFontInstalled(const wchar_t* face) {
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (std::wcslen(face) >= LF_FACESIZE) return false;
    std::wcscpy(wanted.lfFaceName, face);
    bool found = false;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return false;
    EnumFontFamiliesExW(dc, &wanted, OnFontFamily, reinterpret_cast<LPARAM>(&found), 0);
    DeleteDC(dc);
    return found;
}

std::unique_ptr<GlyphSource> OpenSystemFont(const FontRequest& request, std::string* problem) {
    // Face names come as the other arguments do, in the system code page.
    wchar_t face[LF_FACESIZE] = L"";
    if (request.name.size() >= LF_FACESIZE ||
        !MultiByteToWideChar(CP_ACP, 0, request.name.c_str(), -1, face, LF_FACESIZE)) {
        *problem = "no installed font is named '" + request.name + "'";
        return nullptr;
    }
    LOGFONTW description = {};
    // A positive height asks for the cell, ascent and descent together.
    description.lfHeight = static_cast<LONG>(request.pixels ? request.pixels : request.rows);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    std::wcscpy(description.lfFaceName, face);
    return GdiFont::Open(description, problem);
}

std::unique_ptr<GdiFont> GdiFont::Open(const LOGFONTW& description, std::string* problem) {
    if (!IsFontInstalled(description.lfFaceName)) {
        *problem = "no installed font is named '" + Utf8FromWide(description.lfFaceName) + "'";
        return nullptr;
    }
    std::unique_ptr<GdiFont> font(new (std::nothrow) GdiFont);
    if (!font) {
        *problem = "not enough memory for the font";
        return nullptr;
    }
    LOGFONTW monochrome = description;
    monochrome.lfQuality = NONANTIALIASED_QUALITY;
    font->dc_ = CreateCompatibleDC(nullptr);
    font->font_ = font->dc_ ? CreateFontIndirectW(&monochrome) : nullptr;
    TEXTMETRICW metrics;
    if (!font->font_ || !(font->keptFont_ = SelectObject(font->dc_, font->font_)) ||
        !GetTextMetricsW(font->dc_, &metrics) || metrics.tmHeight <= 0) {
        *problem = "cannot draw the font '" + Utf8FromWide(description.lfFaceName) + "'";
        return nullptr;
    }
    font->height_ = static_cast<unsigned>(metrics.tmHeight);
    font->baseline_ = metrics.tmAscent > 0 && metrics.tmAscent <= metrics.tmHeight
                          ? static_cast<unsigned>(metrics.tmAscent)
                          : font->height_;
    font->firstCharacter_ = metrics.tmFirstChar;
    font->lastCharacter_ = metrics.tmLastChar;
    return font;
}

GdiFont::~GdiFont() {
    if (keptFont_) SelectObject(dc_, keptFont_);
    if (font_) DeleteObject(font_);
    if (dc_) DeleteDC(dc_);
}

bool GdiFont::Draw(char32_t character, Glyph* glyph) {
    if (character > 0xFFFF || (character >= 0xD800 && character <= 0xDFFF)) return false;
    wchar_t unit = static_cast<wchar_t>(character);
    WORD index = 0;
    if (GetGlyphIndicesW(dc_, &unit, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        // Raster fonts have no glyph indices: their range says what they hold.
        if (unit < firstCharacter_ || unit > lastCharacter_) return false;
    } else if (index == NoGlyph) {
        return false;
    }
    return DrawUnits(std::wstring(1, unit), 0, glyph);
}

bool GdiFont::DrawUnits(const std::wstring& units, UINT options, Glyph* glyph) {
    SIZE extent = {};
    if (!GetTextExtentPoint32W(dc_, units.data(), static_cast<int>(units.size()), &extent)) return false;
    const long limit = MaxAdvance * static_cast<long>(units.size());
    const long width = extent.cx < 0 ? 0 : extent.cx > limit ? limit : extent.cx;
    return DrawUnitsAt(units, options, 0, width, glyph);
}

bool GdiFont::DrawUnitsAt(const std::wstring& units, UINT options, long origin, long width, Glyph* glyph) {
    glyph->width = static_cast<unsigned>(width);
    glyph->lit.assign(static_cast<std::size_t>(width) * height_, 0);
    if (width == 0) return true;

    MonochromeInfo info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -static_cast<LONG>(height_);
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = {255, 255, 255, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    HGDIOBJ keptBitmap = SelectObject(dc_, bitmap);
    PatBlt(dc_, 0, 0, width, static_cast<int>(height_), BLACKNESS);
    SetTextColor(dc_, RGB(255, 255, 255));
    SetBkMode(dc_, TRANSPARENT);
    ExtTextOutW(dc_, static_cast<int>(origin), 0, options, nullptr, units.data(), static_cast<UINT>(units.size()),
                nullptr);
    GdiFlush();
    const std::size_t stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    const unsigned char* rows = static_cast<const unsigned char*>(bits);
    for (unsigned y = 0; y < height_; ++y)
        for (unsigned x = 0; x < static_cast<unsigned>(width); ++x)
            glyph->lit[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::uint8_t>((rows[y * stride + x / 8] >> (7 - x % 8)) & 1);
    SelectObject(dc_, keptBitmap);
    DeleteObject(bitmap);
    return true;
}

bool GdiFont::Shape(const std::u32string& run, bool rightToLeft, std::vector<ShapedGlyph>* glyphs) {
    std::wstring units;
    bool marks = false;
    for (char32_t character : run) {
        if (character > 0xFFFF) return false;   // as Draw: the Basic Multilingual Plane only
        units += static_cast<wchar_t>(character);
        marks = marks || IsCombiningMark(character);
    }
    if (units.empty() || (!rightToLeft && !marks &&
                          ScriptIsComplex(units.data(), static_cast<int>(units.size()), SIC_COMPLEX) != S_OK))
        return false;
    // The extent is of the characters as they stand, not as shaped: the run
    // is drawn with room around it and kept as far as its ink reaches.
    SIZE extent = {};
    if (!GetTextExtentPoint32W(dc_, units.data(), static_cast<int>(units.size()), &extent)) return false;
    const long limit = MaxAdvance * static_cast<long>(units.size());
    const long width = extent.cx < 0 ? 0 : extent.cx > limit ? limit : extent.cx;
    const long margin = width + 2 * static_cast<long>(height_);
    Glyph canvas;
    if (!DrawUnitsAt(units, rightToLeft ? ETO_RTLREADING : 0, margin, width + 2 * margin, &canvas)) return false;
    long first = margin, last = margin + width - 1;
    for (unsigned y = 0; y < height_; ++y)
        for (long x = 0; x < static_cast<long>(canvas.width); ++x)
            if (canvas.Lit(static_cast<unsigned>(x), y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    // One cluster: letters that GDI joined take no spacing between them.
    ShapedGlyph whole;
    whole.left = static_cast<int>(first - margin);
    whole.advance = static_cast<int>(last + 1 - margin);
    whole.image.width = static_cast<unsigned>(last + 1 - first);
    for (unsigned y = 0; y < height_; ++y)
        for (long x = first; x <= last; ++x) whole.image.lit.push_back(canvas.Lit(static_cast<unsigned>(x), y));
    glyphs->assign(1, std::move(whole));
    return true;
}

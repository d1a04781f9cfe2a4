// FontChoice: the font a text is drawn in, as the command line names it.
//
// A name ending in ".hex" is a Unifont-style .hex file, read by the portable
// HexFont everywhere. Any other name goes to the build's font backend: on
// Linux a font file that FreeType reads (BDF and PCF bitmap fonts, TrueType
// and OpenType outlines), on Windows the face name of an installed font drawn
// by GDI. With no name, the default: Unifont's unifont_jp.hex, else
// unifont.hex, under /usr/share/unifont on Linux; the "MS Gothic" face on
// Windows.
//
// pixels is the size asked for, 0 for the default: a .hex font is 16 pixels
// high and takes no other size; a bitmap font's sizes are its own (by default
// the tallest that fits rows); an outline font is drawn with a cell of pixels
// rows (by default rows).
#ifndef LUMIGRID_TEXT_FONTCHOICE_H
#define LUMIGRID_TEXT_FONTCHOICE_H

#include <memory>
#include <string>

#include "text/GlyphSource.h"

struct FontRequest {
    std::string name;     // empty: the default font
    unsigned pixels = 0;
    unsigned rows = 16;   // of the frames the text is for
};

// Null when the font cannot be had; problem then says why, in one line.
std::unique_ptr<GlyphSource> OpenFont(const FontRequest& request, std::string* problem);

// The build's backend, for names that are not .hex files (FreeTypeFont.cpp
// or GdiFont.cpp).
std::unique_ptr<GlyphSource> OpenSystemFont(const FontRequest& request, std::string* problem);

#ifdef _WIN32
constexpr char DefaultFontName[] = "MS Gothic";
#else
constexpr char DefaultFontName[] = "/usr/share/unifont/unifont_jp.hex";
constexpr char FallbackFontName[] = "/usr/share/unifont/unifont.hex";
#endif

#endif

// Font files of any bytes, as a .hex font and through FreeType (and
// HarfBuzz): never a crash or an overflow; a font that opens draws a text,
// its glyphs as wide as they say and as high as its cell, and makes a
// pattern or says why not.
#include <string>

#include "fuzz/FuzzScratch.h"
#include "text/FontChoice.h"
#include "text/HexFont.h"
#include "text/TextLayout.h"

namespace {

const FuzzScratch scratch;
const std::string input = scratch.File("input.font");
// Latin, kana, kanji and beyond the first plane; a second line of Arabic
// and a combining mark, which reach the shaping of outline fonts.
const std::u32string text = U"A \u00e9\u3053\u5b57\U0001F600\n\u0633\u0644\u0627\u0645 e\u0301";

void DrawText(GlyphSource& font) {
    for (char32_t character : text) {
        Glyph glyph;
        if (font.Draw(character, &glyph) && glyph.lit.size() != static_cast<std::size_t>(glyph.width) * font.Height())
            __builtin_trap();
    }
    TextStrip strip;
    strip.LayOut(font, text, true);
    TextFrameOptions options;
    options.step = 3;
    MakeTextPattern(strip, options);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string problem;
    std::unique_ptr<HexFont> hex =
        HexFont::FromBytes(std::vector<char>(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size),
                           &problem);
    if (hex) DrawText(*hex);
    FuzzScratch::Write(input, data, size);
    FontRequest request;
    request.name = input;
    std::unique_ptr<GlyphSource> font = OpenFont(request, &problem);
    if (font) DrawText(*font);
    return 0;
}

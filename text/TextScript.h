// TextScript: what text layout needs to know of Unicode text before any font
// meets it: the direction of a text, the bidirectional order of a line, the
// joined forms of Arabic letters for fonts without shaping tables, and which
// characters are combining marks. The build chooses the library: FriBidi and
// HarfBuzz's character data natively (TextScriptFriBidi.cpp), Uniscribe on
// Windows (TextScriptUniscribe.cpp).
#ifndef LUMIGRID_TEXT_TEXTSCRIPT_H
#define LUMIGRID_TEXT_TEXTSCRIPT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One line as the bidirectional algorithm resolves it, and its characters as
// a font without shaping tables should draw them.
struct LineScript {
    std::vector<std::uint8_t> levels;      // embedding level of each character; odd: right to left
    std::vector<std::size_t> visualOrder;  // character indices, leftmost shown first
    std::u32string presentationForms;      // each character, or its joined Arabic form (or its mirror in
                                           // right-to-left text) where the build knows one
    std::vector<bool> joinsNext;           // the character joins the next one (cursive scripts)

    // The line as it stands, all of it in the paragraph's direction: what a
    // backend starts from, and what is left when it cannot resolve the line.
    void SetUnresolved(const std::u32string& line, bool rightToLeft) {
        const std::size_t length = line.size();
        levels.assign(length, rightToLeft ? 1 : 0);
        visualOrder.resize(length);
        for (std::size_t i = 0; i < length; ++i) visualOrder[i] = rightToLeft ? length - 1 - i : i;
        presentationForms = line;
        joinsNext.assign(length, false);
    }
};

// Whether a text reads right to left: its first strongly directed character
// does (Hebrew, Arabic); false for a text without any.
bool ReadsRightToLeft(const std::u32string& text);

// Resolves one line, all of whose paragraph reads in the given direction.
void AnalyseLine(const std::u32string& line, bool rightToLeft, LineScript* script);

// A character drawn over the one before it: Unicode's non-spacing and
// enclosing marks.
bool IsCombiningMark(char32_t character);

// The libraries behind this build's text analysis, as the README and --help name them.
const char* TextScriptSupport();

#endif

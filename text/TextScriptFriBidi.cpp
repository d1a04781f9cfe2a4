// Text analysis of the native builds: FriBidi for direction, order, Arabic
// joining and mirroring; HarfBuzz's Unicode data for the combining marks.
#include "text/TextScript.h"

#include <fribidi.h>
#include <hb.h>

namespace {

std::vector<FriBidiChar> FriBidiText(const std::u32string& text) {
    return std::vector<FriBidiChar>(text.begin(), text.end());
}

}  // namespace

bool ReadsRightToLeft(const std::u32string& text) {
    if (text.empty()) return false;
    const std::vector<FriBidiChar> characters = FriBidiText(text);
    std::vector<FriBidiCharType> types(characters.size());
    fribidi_get_bidi_types(characters.data(), static_cast<FriBidiStrIndex>(characters.size()), types.data());
    return fribidi_get_par_direction(types.data(), static_cast<FriBidiStrIndex>(types.size())) == FRIBIDI_PAR_RTL;
}

void AnalyseLine(const std::u32string& line, bool rightToLeft, LineScript* script) {
    const std::size_t length = line.size();
    script->SetUnresolved(line, rightToLeft);
    if (length == 0) return;

    const FriBidiStrIndex size = static_cast<FriBidiStrIndex>(length);
    std::vector<FriBidiChar> characters = FriBidiText(line);
    std::vector<FriBidiCharType> types(length);
    std::vector<FriBidiBracketType> brackets(length);
    std::vector<FriBidiLevel> levels(length);
    fribidi_get_bidi_types(characters.data(), size, types.data());
    fribidi_get_bracket_types(characters.data(), size, types.data(), brackets.data());
    FriBidiParType direction = rightToLeft ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_LTR;
    // Zero only when FriBidi ran out of memory: the line then stays unresolved.
    if (!fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), size, &direction, levels.data())) return;

    std::vector<FriBidiArabicProp> joining(length);
    fribidi_get_joining_types(characters.data(), size, joining.data());
    fribidi_join_arabic(types.data(), size, levels.data(), joining.data());
    for (std::size_t i = 0; i + 1 < length; ++i)
        script->joinsNext[i] = FRIBIDI_JOINS_LEFT(joining[i]) && FRIBIDI_JOINS_RIGHT(joining[i + 1]) &&
                               FRIBIDI_LEVEL_IS_RTL(levels[i]) && FRIBIDI_LEVEL_IS_RTL(levels[i + 1]);
    // Presentation forms and mirrored brackets; lam-alef ligatures are left
    // to the fonts' own shaping, so that every character keeps its place.
    std::vector<FriBidiChar> shaped = characters;
    fribidi_shape(FRIBIDI_FLAG_SHAPE_MIRRORING | FRIBIDI_FLAG_SHAPE_ARAB_PRES, levels.data(), size, joining.data(),
                  shaped.data());
    script->presentationForms.assign(shaped.begin(), shaped.end());

    std::vector<FriBidiStrIndex> map(length);
    for (std::size_t i = 0; i < length; ++i) map[i] = static_cast<FriBidiStrIndex>(i);
    std::vector<FriBidiLevel> lineLevels = levels;
    if (!fribidi_reorder_line(0, types.data(), size, 0, direction, lineLevels.data(), nullptr, map.data())) return;
    for (std::size_t i = 0; i < length; ++i) {
        script->levels[i] = static_cast<std::uint8_t>(lineLevels[i]);
        script->visualOrder[i] = static_cast<std::size_t>(map[i]);
    }
}

bool IsCombiningMark(char32_t character) {
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), character)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK: return true;
    default: return false;
    }
}

const char* TextScriptSupport() { return "FriBidi and HarfBuzz"; }

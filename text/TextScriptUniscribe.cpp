// Text analysis of the Windows builds: Uniscribe (usp10) itemizes a line
// into runs with their bidirectional levels and lays the runs out in the
// order shown; the character types come from GetStringTypeW. Arabic joining
// is left to the fonts GDI draws (GdiFont), so a .hex font's Arabic letters
// stay in their isolated forms here.
#include "text/TextScript.h"

#include <windows.h>
#include <usp10.h>

namespace {

// Characters beyond the Basic Multilingual Plane have no type here: neutral.
WORD TypeOf(char32_t character, DWORD kind) {
    if (character > 0xFFFF) return 0;
    const wchar_t unit = static_cast<wchar_t>(character);
    WORD type = 0;
    if (!GetStringTypeW(kind, &unit, 1, &type)) return 0;
    return type;
}

}  // namespace

bool ReadsRightToLeft(const std::u32string& text) {
    for (char32_t character : text) {
        const WORD type = TypeOf(character, CT_CTYPE2);
        if (type == C2_RIGHTTOLEFT) return true;
        if (type == C2_LEFTTORIGHT) return false;
    }
    return false;
}

void AnalyseLine(const std::u32string& line, bool rightToLeft, LineScript* script) {
    const std::size_t length = line.size();
    script->SetUnresolved(line, rightToLeft);
    if (length == 0) return;

    // UTF-16 for Uniscribe, each unit knowing its character.
    std::wstring units;
    std::vector<std::size_t> characterOf;
    for (std::size_t i = 0; i < length; ++i) {
        const char32_t c = line[i];
        if (c > 0xFFFF) {
            units += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            characterOf.push_back(i);
        } else {
            units += static_cast<wchar_t>(c);
        }
        characterOf.push_back(i);
    }
    SCRIPT_CONTROL control = {};
    SCRIPT_STATE state = {};
    state.uBidiLevel = rightToLeft ? 1 : 0;
    std::vector<SCRIPT_ITEM> items(units.size() + 2);
    int count = 0;
    // On failure the line stays unresolved.
    if (FAILED(ScriptItemize(units.data(), static_cast<int>(units.size()), static_cast<int>(items.size()) - 1, &control,
                             &state, items.data(), &count)) ||
        count < 1)
        return;
    std::vector<BYTE> itemLevels(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) itemLevels[static_cast<std::size_t>(k)] = static_cast<BYTE>(items[k].a.s.uBidiLevel);
    std::vector<int> visualToLogical(static_cast<std::size_t>(count));
    if (FAILED(ScriptLayout(count, itemLevels.data(), visualToLogical.data(), nullptr))) return;

    std::size_t shown = 0;
    for (int v = 0; v < count; ++v) {
        const int k = visualToLogical[static_cast<std::size_t>(v)];
        const std::size_t first = characterOf[static_cast<std::size_t>(items[k].iCharPos)];
        const std::size_t end = items[k + 1].iCharPos < static_cast<int>(units.size())
                                    ? characterOf[static_cast<std::size_t>(items[k + 1].iCharPos)]
                                    : length;
        const bool odd = itemLevels[static_cast<std::size_t>(k)] % 2 == 1;
        for (std::size_t n = 0; n < end - first && shown < length; ++n) {
            const std::size_t i = odd ? end - 1 - n : first + n;
            script->levels[i] = itemLevels[static_cast<std::size_t>(k)];
            script->visualOrder[shown++] = i;
        }
    }
}

bool IsCombiningMark(char32_t character) { return (TypeOf(character, CT_CTYPE3) & C3_NONSPACING) != 0; }

const char* TextScriptSupport() { return "Uniscribe and GDI"; }

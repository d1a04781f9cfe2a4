#include "editor/commands/FramePairNotice.h"

#include <cwchar>

#include "pattern/program/DisplayProgram.h"

std::wstring UnpairedFramesText(const LedPattern& pattern) {
    const EntryPlan plan = PlanPattern(pattern);
    wchar_t text[256] = L"";
    if (plan.skipReason == SkipReason::NoFramePair)
        std::swprintf(text, 256,
                      L"このパターンは %u 枚です。表示ボードは 2 枚 1 組で表示するため、\n"
                      L"Hex File に書き出しても何も表示されません。",
                      pattern.frameCount);
    else if (plan.unpairedLastFrame)
        std::swprintf(text, 256,
                      L"このパターンは %u 枚です。表示ボードは 2 枚 1 組で表示するため、\n"
                      L"最後の %u 枚目は Hex File に書き出されません。",
                      pattern.frameCount, pattern.frameCount);
    return text;
}

void NoteUnpairedFrames(HWND window, const LedPattern& pattern) {
    const std::wstring text = UnpairedFramesText(pattern);
    if (!text.empty()) MessageBoxW(window, text.c_str(), L"確認", MB_OK | MB_ICONINFORMATION);
}

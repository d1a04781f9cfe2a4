// The Text dialog ("文字入力"): a text (lines parted by "\n"), a font and a
// second one for the characters the first lacks, both from the standard font
// dialog, a step, the spacing of characters and of lines, the alignment and
// the top row, with a live preview of the first frames, laid out by the same
// rule as lumigrid-cli text (TextLayout.h) at the pattern's frame size.
#ifndef LUMIGRID_EDITOR_TEXTDIALOG_H
#define LUMIGRID_EDITOR_TEXTDIALOG_H

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "pattern/document/LedPattern.h"
#include "text/TextLayout.h"

// The dialog's record: what it opens with, and on OK what was chosen and the
// pattern made of it.
struct TextDialogData {
    unsigned columns = 16;
    unsigned rows = 16;
    std::uint8_t controlCode = ControlScroll;
    std::uint8_t wait = 1;
    std::wstring text;
    LOGFONTW font = {};
    LOGFONTW secondFont = {};   // no face name: none
    unsigned step = 0;          // 0: cut into frame-wide pieces
    TextStyle style;
    TextAlign align = TextAlign::Start;
    int top = TextFrameOptions::Centred;
    std::unique_ptr<LedPattern> result;   // the frames of the text, while it can be made
};

INT_PTR CALLBACK TextDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The "&Text..." command: opens the dialog over the current pattern and, on
// OK, puts the text's frames in its place (PatternReplacement.h).
void OnFrameText(HWND window);

#endif

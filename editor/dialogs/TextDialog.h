// The Text dialog ("文字入力") of Frame > "&Text...": a text (lines parted by
// "\n"), a font and a second one for the characters the first lacks, both
// from the standard font dialog, a step, the spacing of characters and of
// lines, the alignment and the top row, with a live preview of the first
// pictures, laid out by the same rule as lumigrid-cli text (TextLayout.h) at
// the pattern's frame size on pictures of the planes the view shows. What OK ended with is offered again the next
// time.
#ifndef LUMIGRID_EDITOR_TEXTDIALOG_H
#define LUMIGRID_EDITOR_TEXTDIALOG_H

#include <windows.h>

#include <memory>
#include <string>

#include "pattern/document/LedPattern.h"
#include "text/TextLayout.h"

// The text and how it is drawn.
struct TextChoice {
    std::wstring text;
    LOGFONTW font = {};
    LOGFONTW secondFont = {};   // no face name: none
    TextStyle style;
};

// The dialog's record: what it opens with, and on OK what was chosen and the
// pattern made of it.
struct TextDialogData {
    // The pattern's size, display mode and wait, the view's planes; the step
    // (0: cut into screens), the alignment and the top row chosen.
    TextFrameOptions frame;
    TextChoice choice;
    std::unique_ptr<LedPattern> result;   // the frames of the text, while it can be made
};

// True on OK, the record then holding the text's frames.
bool AskText(HWND owner, TextDialogData& data);

#endif

#include "PatternReplacement.h"

#include "Commands.h"
#include "UndoCommands.h"

bool ReplacePattern(HWND window, std::unique_ptr<LedPattern> generated) {
    if (!generated || !AskSaveChanges(window)) return false;
    // One undoable step: the same document, under its file name, with new frames.
    ReplacePatternFrames(*generated);
    return true;
}

#include "editor/document/PatternReplacement.h"

#include "editor/app/Commands.h"
#include "editor/app/EditorState.h"
#include "editor/commands/UndoCommands.h"

bool ReplacePattern(HWND window, std::unique_ptr<LedPattern> generated) {
    if (!generated || !AskSaveChanges(window)) return false;
    if (generated->frameCount == 0) generated->SetFrameCount(1);
    const bool otherSize =
        generated->columns != editor.pattern->columns || generated->rows != editor.pattern->rows;
    // One undoable step: the same document, with new frames.
    ReplacePatternFrames(*generated);
    // Frames of another size are another pattern: a Save must not put them
    // in place of the file the earlier one came from.
    if (otherSize) editor.pattern->ForgetFileName();
    return true;
}

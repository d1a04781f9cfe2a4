#include "editor/document/PatternReplacement.h"

#include "editor/app/EditorState.h"
#include "editor/document/DocumentChange.h"

void ReplacePattern(EditorState& state, std::unique_ptr<LedPattern> generated) {
    if (generated->frameCount == 0) generated->SetFrameCount(1);
    const bool otherSize = generated->columns != state.pattern->columns || generated->rows != state.pattern->rows;
    // One undoable step: the same document, with new frames.
    ReplacePatternFrames(state, *generated);
    // Frames of another size are another pattern: a Save must not put them
    // in place of the file the earlier one came from.
    if (otherSize) state.pattern->ForgetFileName();
}

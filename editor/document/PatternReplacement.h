// Putting a generated pattern in place of the one being edited: the frames
// of a text, of pictures (and of other generated sources) replace the
// document's frames.
#ifndef LUMIGRID_EDITOR_PATTERNREPLACEMENT_H
#define LUMIGRID_EDITOR_PATTERNREPLACEMENT_H

#include <memory>

#include "pattern/document/LedPattern.h"

struct EditorState;

// The generated frames take the pattern's place as one undoable step, under
// its control code and wait, marked modified, and the views, slider and
// title show them from frame 0. Frames of the same size keep the file name;
// frames of another size make a new, unnamed pattern, so Save asks for a
// name. The save-changes question is the caller's, before.
void ReplacePattern(EditorState& state, std::unique_ptr<LedPattern> generated);

#endif

// Putting a generated pattern in place of the one being edited: the frames
// of a text (and of other generated sources) replace the document's frames.
#ifndef LUMIGRID_EDITOR_PATTERNREPLACEMENT_H
#define LUMIGRID_EDITOR_PATTERNREPLACEMENT_H

#include <windows.h>

#include <memory>

#include "pattern/document/LedPattern.h"

// Asks first when the pattern is modified, as Load does; then the generated
// frames take the pattern's place as one undoable step, under its control
// code and wait, marked modified, and the views, slider and title show them
// from frame 0. Frames of the same size keep the file name; frames of
// another size make a new, unnamed pattern, so Save asks for a name. False
// when the user's save failed or was cancelled, or at Esc (nothing changes).
bool ReplacePattern(HWND window, std::unique_ptr<LedPattern> generated);

#endif

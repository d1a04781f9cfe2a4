// Putting a generated pattern in place of the one being edited: the frames
// of a text (and of other generated sources) replace the document's frames.
#ifndef LUMIGRID_EDITOR_PATTERNREPLACEMENT_H
#define LUMIGRID_EDITOR_PATTERNREPLACEMENT_H

#include <windows.h>

#include <memory>

#include "LedPattern.h"

// Asks first when the pattern is modified, as Load does; then the generated
// frames and header take the pattern's place, under its file name, marked
// modified, and the views, slider and title show them from frame 0. False
// when the user's save failed or was cancelled (nothing changes).
bool ReplacePattern(HWND window, std::unique_ptr<LedPattern> generated);

#endif

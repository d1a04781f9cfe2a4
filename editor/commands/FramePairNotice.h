// The notice that follows the save of a pattern whose last frame the display
// will not show: the display program carries frames in pairs, so a single
// frame adds nothing and the last of an odd count is left out.
#ifndef LUMIGRID_EDITOR_FRAMEPAIRNOTICE_H
#define LUMIGRID_EDITOR_FRAMEPAIRNOTICE_H

#include <windows.h>

#include <string>

#include "pattern/document/LedPattern.h"

// Tells the user, when the pattern's frames do not all come in pairs, what
// the display will leave out.
void NoteUnpairedFrames(HWND window, const LedPattern& pattern);
// The notice's text; empty when every frame has its pair.
std::wstring UnpairedFramesText(const LedPattern& pattern);

#endif

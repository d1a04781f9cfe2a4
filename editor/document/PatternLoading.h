// Loading a pattern file in the editor: the open dialog, then what is wrong
// with a damaged file, said in a message box.
#ifndef LUMIGRID_EDITOR_PATTERNLOADING_H
#define LUMIGRID_EDITOR_PATTERNLOADING_H

#include <windows.h>

#include <memory>
#include <string>

#include "pattern/document/LedFile.h"

// Lets the user choose a pattern file and loads it. A file that cannot be a
// pattern is refused with a message; one that ends early loads as far as it
// goes, with a notice. A pattern without frames gets one blank frame, so
// that every command has a frame to act on. None when cancelled or refused.
std::unique_ptr<LedPattern> ChooseAndLoadPattern(HWND owner);

// What a read pattern file gives the editor: the message about damage (see
// ChooseAndLoadPattern) shown over owner, then the pattern, or none.
std::unique_ptr<LedPattern> AcceptLoadedPattern(HWND owner, PatternLoadResult& loaded);

// What the user is told about a load: empty when all went well.
std::wstring PatternLoadMessage(const PatternLoadResult& loaded);

#endif

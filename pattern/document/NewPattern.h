// NewPattern: the blank pattern that File > New makes, and any command that
// starts the document afresh at another size.
#ifndef LUMIGRID_PATTERN_NEWPATTERN_H
#define LUMIGRID_PATTERN_NEWPATTERN_H

#include <cstdint>
#include <memory>

#include "pattern/document/LedPattern.h"

// Frames of columns x rows LEDs, all dark, with no file name, not modified,
// shown Normal with the wait 1 (the first value the options dialog offers).
// Null for a size without LEDs, a frame count out of 1 .. MaxFrames, or no
// memory for the frames.
std::unique_ptr<LedPattern> NewBlankPattern(int columns, int rows, std::uint32_t frames);

#endif

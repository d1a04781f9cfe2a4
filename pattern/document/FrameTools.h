// FrameTools: the editor's frame tools on a pattern. Shifts move the LEDs of
// one frame by one place; the LED shifted out is dropped and a dark one comes
// in. The spare bits beyond the last column stay as they are. Insert,
// duplicate and delete change the frame count, which stays within 1 ..
// LedPattern::MaxFrames. Each operation marks the pattern modified when it
// acts and returns false, changing nothing, when it cannot (a frame out of
// range, the frame count at its bound, or no memory for the new frames).
#ifndef LUMIGRID_PATTERN_FRAMETOOLS_H
#define LUMIGRID_PATTERN_FRAMETOOLS_H

#include <cstdint>

#include "pattern/document/LedPattern.h"

enum class ShiftDirection { Up, Down, Left, Right };

bool ShiftFrame(LedPattern& pattern, std::uint32_t frame, ShiftDirection direction);
// A blank frame at index, the frames from index on moving one place back;
// index may be the frame count (a blank frame at the end).
bool InsertBlankFrame(LedPattern& pattern, std::uint32_t index);
// A copy of the frame right after it.
bool DuplicateFrame(LedPattern& pattern, std::uint32_t frame);
// Never the last frame of a pattern.
bool DeleteFrame(LedPattern& pattern, std::uint32_t frame);
// The pattern takes the source's size and frames, keeping its own file name,
// control code, wait and add-to-list flag; the source is left without frames.
// Used where a generated pattern (pictures, text) replaces what was drawn.
void ReplaceFrames(LedPattern& pattern, LedPattern& source);

#endif

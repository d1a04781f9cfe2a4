// FrameResize: changes the columns and rows of every frame of a pattern. The
// LEDs keep their place against the anchor (a corner, the middle of an edge
// or the centre): the rows and columns added or cut off lie on the other
// sides, half on each side for a centred direction (the odd one on the right
// or bottom). Added LEDs are dark.
#ifndef LUMIGRID_PATTERN_FRAMERESIZE_H
#define LUMIGRID_PATTERN_FRAMERESIZE_H

#include "pattern/document/LedPattern.h"

// Row by row from the top-left, as a 3 x 3 picker shows them.
enum class ResizeAnchor { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };

// Marks the pattern modified and keeps its file name, control code, wait and
// frame count. False, changing nothing, for a size outside 1 .. 255, the
// size the pattern has already, or no memory for the resized frames.
bool ResizeFrames(LedPattern& pattern, int columns, int rows, ResizeAnchor anchor);

#endif

// EditModes: how a tool changes a cell. The pen mode chosen in the Edit menu
// applies to the pen and to every drawing tool alike: Xor toggles the cell,
// Or lights it, Erase darkens it.
#ifndef LUMIGRID_DRAWING_EDITMODES_H
#define LUMIGRID_DRAWING_EDITMODES_H

#include <cstdint>

#include "drawing/CellMask.h"
#include "pattern/document/LedPattern.h"

// The values are the menu items' order: mode = command - the Xor command.
enum EditMode { EditXor = 0, EditOr = 1, EditErase = 2 };

// One cell of a frame, as the pen changes it: Or marks the pattern modified
// even over a lit LED; Erase over a dark one changes nothing, flag included.
void ApplyEditMode(LedPattern& pattern, std::uint32_t frame, int column, int row, EditMode mode);

// Every cell of the mask, each once. True when any LED changed.
bool ApplyEditMode(LedPattern& pattern, std::uint32_t frame, const CellMask& cells, EditMode mode);

#endif

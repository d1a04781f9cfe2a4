// Ellipse: the ellipse inscribed in the rectangle whose opposite corners are
// two cells, by the midpoint algorithm; filled, its inside too.
//
// The outline touches all four sides of the rectangle, is symmetric about
// both its axes and has no gaps (each cell meets the next at a side or a
// corner). A rectangle one cell wide or high gives that row or column.
#ifndef LUMIGRID_DRAWING_ELLIPSE_H
#define LUMIGRID_DRAWING_ELLIPSE_H

#include "drawing/CellMask.h"

void AddEllipse(CellMask& cells, GridCell corner, GridCell opposite, bool filled);

#endif

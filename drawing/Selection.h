// Selection: the rectangle the Select tool marks on the edited frame, and
// the content it moves.
//
// A selection is first a plain rectangle of the frame. Dragging it lifts its
// content: the cells it covered go dark and the content floats above the
// frame, where it can be moved on, partly beyond the frame's edge, without
// losing what is outside. A paste floats in the same way. Dropping puts the
// floating content into the frame with the pen mode (its lit cells light,
// darken or toggle what is below; its dark cells leave the frame alone) and
// ends the selection.
#ifndef LUMIGRID_DRAWING_SELECTION_H
#define LUMIGRID_DRAWING_SELECTION_H

#include <cstdint>

#include "drawing/CellBlock.h"
#include "drawing/EditModes.h"
#include "drawing/FlipRotate.h"
#include "pattern/document/LedPattern.h"

class Selection {
public:
    bool IsActive() const { return active_; }
    bool IsFloating() const { return floating_; }
    // Where the selection is: within the frame, or anywhere while floating.
    const CellArea& Area() const { return area_; }

    // Marks the rectangle between two cells, clipped to a frame of columns x
    // rows; one wholly outside marks nothing. Forgets any floating content:
    // drop it first.
    void Select(GridCell corner, GridCell opposite, int columns, int rows);
    // Takes the content out of the frame (its cells go dark) to float; a
    // floating selection stays as it is. True when any LED changed.
    bool Lift(LedPattern& pattern, std::uint32_t frame);
    // Floats content from elsewhere, a paste, with its top-left at (left, top).
    void Float(const CellBlock& content, int left, int top);
    void MoveTo(int left, int top);

    // The floating content put into the frame as Drop puts it; also what the
    // editor shows while it floats. True when any LED changed.
    bool StampInto(LedPattern& pattern, std::uint32_t frame, EditMode mode) const;
    // Ends the selection, floating content stamped into the frame.
    bool Drop(LedPattern& pattern, std::uint32_t frame, EditMode mode);
    // Ends the selection and forgets any floating content.
    void Cancel();

    // Floating content is thrown away; otherwise the area's cells go dark.
    // The rectangle stays selected (within the frame).
    bool Delete(LedPattern& pattern, std::uint32_t frame);
    // The floating content, or the cells of the selected area.
    CellBlock Copy(const LedPattern& pattern, std::uint32_t frame) const;
    // Flips or turns the floating content where it floats, or the area's
    // cells in the frame (the area then follows the turned shape).
    bool TurnContent(LedPattern& pattern, std::uint32_t frame, Turn turn);

private:
    bool active_ = false;
    bool floating_ = false;
    CellArea area_;
    CellBlock content_;
};

#endif

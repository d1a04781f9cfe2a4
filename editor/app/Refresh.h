// Refresh: the one way from a change of the editor's state to what its
// windows show. Commands, tools, paging and playback change the state and
// name the parts that changed; only here are the slider, the title, the
// status bar, the layout and the grid brought up to date.
#ifndef LUMIGRID_EDITOR_REFRESH_H
#define LUMIGRID_EDITOR_REFRESH_H

#include <windows.h>

#include "editor/grid/GridLayout.h"

class PlaneView;
struct EditorState;

enum class RefreshPart : unsigned {
    // The main window's children placed anew, then the views.
    Layout = 1u << 0,
    // The views laid out anew in the grid window: the pattern's size, the
    // plane count, the zoom or the scroll changed. The grid and the status
    // bar follow.
    Views = 1u << 1,
    // The slider fitted to the frame and plane counts, the first frame moved
    // to the start of its page with view 0 the target and the views pointed
    // at the page. The title, the status bar and the grid follow.
    Slider = 1u << 2,
    Title = 1u << 3,
    // The pattern's size and the zoom.
    StatusBar = 1u << 4,
    // The whole grid repainted.
    Grid = 1u << 5,
};

// A set of parts.
class RefreshParts {
public:
    constexpr RefreshParts(RefreshPart part) : bits_(static_cast<unsigned>(part)) {}
    constexpr RefreshParts operator|(RefreshParts other) const { return RefreshParts(bits_ | other.bits_); }
    constexpr bool Has(RefreshPart part) const { return (bits_ & static_cast<unsigned>(part)) != 0; }

private:
    constexpr explicit RefreshParts(unsigned bits) : bits_(bits) {}
    unsigned bits_;
};

constexpr RefreshParts operator|(RefreshPart first, RefreshPart second) { return RefreshParts(first) | second; }

void Refresh(EditorState& state, RefreshParts parts);
// The cells from one corner to the other of a view repainted (the whole
// grid in the start-up layout).
void RefreshCells(EditorState& state, const PlaneView& view, Cell from, Cell to);
// The LED under the pointer, at a point of the grid window, in the status bar.
void RefreshPointer(EditorState& state, int x, int y);
// The status bar's line about a highlighted menu item (WM_MENUSELECT).
void RefreshMenuDescription(EditorState& state, UINT item, UINT flags, HMENU menu);
// The size of the shape being dragged in the status bar; 0 x 0 clears it.
void RefreshShapeSize(EditorState& state, int columns, int rows);

#endif

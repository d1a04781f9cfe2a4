// The frame tools of the "F&rame" menu (shift, insert, duplicate, delete)
// and the page steps, on the edited frame.
#ifndef LUMIGRID_EDITOR_FRAMECOMMANDS_H
#define LUMIGRID_EDITOR_FRAMECOMMANDS_H

#include <windows.h>

#include <cstdint>

// The frame the editing commands act on: the target view's.
std::uint32_t EditedFrame();

void OnShiftFrame(UINT command);
void OnInsertFrame();
void OnDuplicateFrame();
void OnDeleteFrame();
// One step of the slider, as Page Down and Page Up.
void OnNextPage();
void OnPreviousPage();
// Greys the items of the menus' new commands that cannot be done now.
void OnInitWorkbenchMenu();

// Shows the page that holds the frame and makes its view the target; the
// slider and title follow the pattern's frame count.
void ShowEditedFrame(std::uint32_t frame);

#endif

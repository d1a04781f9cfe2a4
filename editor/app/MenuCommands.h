// The main window's menu commands: the dispatch to the handler named after
// each item, in the menus' order, and the menu's enabling rules.
#ifndef LUMIGRID_EDITOR_MENUCOMMANDS_H
#define LUMIGRID_EDITOR_MENUCOMMANDS_H

#include <windows.h>

struct EditorState;

// Carries out one WM_COMMAND of the main window; returns the window
// procedure's result.
LRESULT OnCommand(EditorState& state, HWND window, WPARAM command, LPARAM parameter);
// Greys what cannot be done now; each time the menu bar opens.
void OnInitMenu(const EditorState& state);

#endif

// The menu commands of the main window, the menu's enabling rules and the
// save-changes question.
#ifndef LUMIGRID_EDITOR_COMMANDS_H
#define LUMIGRID_EDITOR_COMMANDS_H

#include <windows.h>

// Carries out one WM_COMMAND; returns the window procedure's result.
LRESULT OnCommand(HWND window, WPARAM command, LPARAM parameter);
// Greys what cannot be done now; each time the menu bar opens.
void OnInitMenu();
// Asks whether to save a modified pattern; true when the caller may go on
// (nothing to save, "No", or a save that succeeded). Esc or the close box
// at the question means "go back to editing": false.
bool AskSaveChanges(HWND window);

#endif

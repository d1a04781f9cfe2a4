// The editor's start-up, layout, title and tear-down.
#ifndef LUMIGRID_EDITOR_APPLICATION_H
#define LUMIGRID_EDITOR_APPLICATION_H

#include <windows.h>

// Creates the windows and the state of a new editing session; false when a
// window class or window cannot be made.
bool StartUp(HINSTANCE instance);
// Releases everything the editor state owns; after the message loop.
void TearDown();
// What the message loop does with a message before dispatching it: a key or
// click that stops playing, or a keyboard shortcut. True when it was taken.
bool HandleBeforeDispatch(MSG& message);
// Places the slider along the bottom of the main window and the grid above it.
void UpdateLayout();
// "Lumigrid ver 1.0  [ first / count ]"
void UpdateTitle();

#endif

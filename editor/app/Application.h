// The editor's start-up, tear-down and what the message loop does before it
// dispatches a message.
#ifndef LUMIGRID_EDITOR_APPLICATION_H
#define LUMIGRID_EDITOR_APPLICATION_H

#include <windows.h>

// Creates the windows and the state of a new editing session; false when a
// window class or window cannot be made.
bool StartUp(HINSTANCE instance);
// At start-up, once the main window shows: the offer to restore work left
// unsaved by an editor that did not end normally.
void OfferRecovery();
// Releases everything the editor state owns, which starts anew; after the
// message loop.
void TearDown();
// What the message loop does with a message before dispatching it: a key or
// click that stops playing, or a keyboard shortcut. True when it was taken.
bool HandleBeforeDispatch(MSG& message);

#endif

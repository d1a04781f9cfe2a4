// Every dialog and message box the editor opens appears centred over the
// window that owns it (the editor's main window, or the dialog it came
// from), kept on that window's monitor: a thread-wide hook places each one
// as it is first activated.
#ifndef LUMIGRID_EDITOR_DIALOGPLACEMENT_H
#define LUMIGRID_EDITOR_DIALOGPLACEMENT_H

#include <windows.h>

void StartCentringDialogs();
void StopCentringDialogs();
// Places a window centred over another, within the other's monitor.
void CentreOver(HWND window, HWND owner);

#endif

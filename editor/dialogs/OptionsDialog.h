// The animation options dialog "ANIMATIONOPTION": frame count, wait and the
// display list file. Its parameter is the editor state, changed on OK.
#ifndef LUMIGRID_EDITOR_OPTIONSDIALOG_H
#define LUMIGRID_EDITOR_OPTIONSDIALOG_H

#include <windows.h>

INT_PTR CALLBACK OptionsDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif

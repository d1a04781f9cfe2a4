// The frame slider along the bottom of the main window, a modeless dialog:
// moving its trackbar chooses the page of frames that the views show.
#ifndef LUMIGRID_EDITOR_SLIDERWINDOW_H
#define LUMIGRID_EDITOR_SLIDERWINDOW_H

#include <windows.h>

// Its parameter is the editor state's address.
INT_PTR CALLBACK SliderDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif

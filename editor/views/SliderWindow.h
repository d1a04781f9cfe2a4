// The frame slider along the bottom of the main window: it chooses the page
// of frames that the views show.
#ifndef LUMIGRID_EDITOR_SLIDERWINDOW_H
#define LUMIGRID_EDITOR_SLIDERWINDOW_H

#include <windows.h>

INT_PTR CALLBACK SliderDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Fits the slider to the frame count and plane count and re-points the views;
// every change of either, and every new pattern, ends with it.
void UpdateSlider();

#endif

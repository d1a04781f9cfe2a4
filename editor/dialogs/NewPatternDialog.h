// File > "&New..." and its dialog "新規作成": the columns, rows and frames of
// a new, blank pattern.
#ifndef LUMIGRID_EDITOR_NEWPATTERNDIALOG_H
#define LUMIGRID_EDITOR_NEWPATTERNDIALOG_H

#include <windows.h>

// The dialog's record: the values it opens with, and on OK those chosen.
struct NewPatternChoice {
    int columns;
    int rows;
    int frames;
};

INT_PTR CALLBACK NewPatternDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Offers the current pattern's size and 2 frames; on OK asks the
// save-changes question, then a blank, unnamed pattern replaces the document.
void OnNewPattern(HWND window);

#endif

// The dialog "新規作成" of File > "&New...": the columns, rows and frames of
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

// True on OK, the choice then holding the size chosen.
bool AskNewPatternSize(HWND owner, NewPatternChoice& choice);

#endif

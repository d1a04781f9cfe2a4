// The number boxes of the New, Resize and Go to Frame dialogs: an edit box
// with its up-down control, offered with a range and a first value; on OK a
// box that does not hold a whole number within its range is not taken
// silently (a beep, the box's text selected for correcting).
#ifndef LUMIGRID_EDITOR_NUMBERFIELDS_H
#define LUMIGRID_EDITOR_NUMBERFIELDS_H

#include <windows.h>

void SetUpNumberField(HWND dialog, int edit, int spin, int low, int high, int value);
// False, after the beep, when the box's number is missing or out of range.
bool ReadNumberField(HWND dialog, int edit, int low, int high, int& value);
// Focus on the box with its text selected, ready to be typed over.
void SelectNumberField(HWND dialog, int edit);

#endif

// The save options dialog "SAVEDIALOG": the pattern's control code and
// whether to add the file to the current display list. Windows only.
#ifndef LUMIGRID_PATTERN_SAVEDIALOG_H
#define LUMIGRID_PATTERN_SAVEDIALOG_H

#include <windows.h>

// Its parameter is the address of the pattern's LedFileHeader, whose control
// code and add-to-list flag it sets on OK. The flag, as given, says whether
// the check box is offered at all.
INT_PTR CALLBACK SaveDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif

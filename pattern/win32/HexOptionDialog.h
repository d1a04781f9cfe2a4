// The hex options dialog "HEXOPTIONDIALOG": the record format of an Intel
// HEX export and an optional start address. Windows only.
#ifndef LUMIGRID_PATTERN_HEXOPTIONDIALOG_H
#define LUMIGRID_PATTERN_HEXOPTIONDIALOG_H

#include <windows.h>

// Its parameter is the address of a HexOptions, filled on OK. Ends with
// IDOK (1) or IDCANCEL (2).
INT_PTR CALLBACK HexOptionDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif

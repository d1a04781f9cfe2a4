// The list editor dialog "LISTEDITDIALOG": reorders, adds and removes the
// entries of the display list. Windows only.
//
// It works on its list box alone; every way of closing it (the close button,
// Esc, the title bar's box) rewrites the display list and its .ll file from
// the list box. Its parameter is the address of the DisplayList.
#ifndef LUMIGRID_PATTERN_LISTEDITDIALOG_H
#define LUMIGRID_PATTERN_LISTEDITDIALOG_H

#include <windows.h>

INT_PTR CALLBACK ListEditDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif

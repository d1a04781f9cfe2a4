// The record a dialog works on: the dialog receives its address as the
// creation parameter and keeps it from WM_INITDIALOG on, so that every
// message finds it in the dialog itself.
#ifndef LUMIGRID_PATTERN_DIALOGRECORD_H
#define LUMIGRID_PATTERN_DIALOGRECORD_H

#include <windows.h>

// On WM_INITDIALOG: keeps the record that came as the parameter.
inline void KeepDialogRecord(HWND dialog, LPARAM record) { SetWindowLongPtrW(dialog, DWLP_USER, record); }

// The record kept; null until it has been kept.
template <class Record>
Record* DialogRecord(HWND dialog) {
    return reinterpret_cast<Record*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

#endif

#include "editor/dialogs/NumberFields.h"

#include <commctrl.h>

void SetUpNumberField(HWND dialog, int edit, int spin, int low, int high, int value) {
    SendDlgItemMessageW(dialog, spin, UDM_SETRANGE32, low, high);
    SendDlgItemMessageW(dialog, spin, UDM_SETPOS32, 0, value < low ? low : value > high ? high : value);
    // The edit box's own limit: no more digits than the largest value has.
    int digits = 1;
    for (int rest = high; rest >= 10; rest /= 10) ++digits;
    SendDlgItemMessageW(dialog, edit, EM_LIMITTEXT, static_cast<WPARAM>(digits), 0);
}

bool ReadNumberField(HWND dialog, int edit, int low, int high, int& value) {
    BOOL whole = FALSE;
    UINT number = GetDlgItemInt(dialog, edit, &whole, FALSE);
    if (whole && number >= static_cast<UINT>(low) && number <= static_cast<UINT>(high)) {
        value = static_cast<int>(number);
        return true;
    }
    MessageBeep(MB_ICONWARNING);
    SelectNumberField(dialog, edit);
    return false;
}

void SelectNumberField(HWND dialog, int edit) {
    HWND box = GetDlgItem(dialog, edit);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageW(box, EM_SETSEL, 0, -1);
}

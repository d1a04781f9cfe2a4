// The small modal dialogs that fill a record of the user's choice (New,
// Resize, Go to Frame): the record comes as the creation parameter and is
// kept from WM_INITDIALOG on; Init fills the controls and puts the focus on
// the first box; Ok reads them into the record and says whether they could
// be taken, which ends the dialog with IDOK; Cancel (also Esc and the close
// box) ends it with IDCANCEL.
#ifndef LUMIGRID_EDITOR_CHOICEDIALOG_H
#define LUMIGRID_EDITOR_CHOICEDIALOG_H

#include <windows.h>

#include "pattern/win32/DialogRecord.h"

template <class Choice, void (*Init)(HWND, const Choice&), bool (*Ok)(HWND, Choice&)>
INT_PTR CALLBACK ChoiceDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Choice* choice = DialogRecord<Choice>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        Init(dialog, *reinterpret_cast<Choice*>(lParam));
        return FALSE;  // Init has set the focus
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && choice && Ok(dialog, *choice)) EndDialog(dialog, IDOK);
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

// Runs the dialog of the template over the owner with the record; true when
// it ended with OK, the record then holding the choice.
template <class Choice, void (*Init)(HWND, const Choice&), bool (*Ok)(HWND, Choice&)>
bool AskChoice(HWND owner, const wchar_t* templateName, Choice& choice) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), templateName, owner, ChoiceDialogProcedure<Choice, Init, Ok>,
                           reinterpret_cast<LPARAM>(&choice)) == IDOK;
}

#endif

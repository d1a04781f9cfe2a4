#include "editor/dialogs/PictureExportDialog.h"

#include <commctrl.h>

#include <algorithm>

#include "pattern/win32/DialogRecord.h"
#include "picture/PatternRender.h"
#include "resources/resource.h"

namespace {

void OnInitDialog(HWND dialog, const PictureExport& choice) {
    bool every = choice.everyFrame || !choice.editedFrameExists;
    CheckRadioButton(dialog, IDC_EXPORT_EDITED_FRAME, IDC_EXPORT_EVERY_FRAME,
                     every ? IDC_EXPORT_EVERY_FRAME : IDC_EXPORT_EDITED_FRAME);
    // The dark view beyond the last frame has no frame to export.
    EnableWindow(GetDlgItem(dialog, IDC_EXPORT_EDITED_FRAME), choice.editedFrameExists);
    SendDlgItemMessageW(dialog, IDC_EXPORT_SCALE_SPIN, UDM_SETRANGE32, 1, MaxScale);
    SendDlgItemMessageW(dialog, IDC_EXPORT_SCALE_SPIN, UDM_SETPOS, 0, MAKELPARAM(choice.scale, 0));
}

void OnOk(HWND dialog, PictureExport& choice) {
    choice.everyFrame = IsDlgButtonChecked(dialog, IDC_EXPORT_EVERY_FRAME) == BST_CHECKED;
    unsigned scale = LOWORD(SendDlgItemMessageW(dialog, IDC_EXPORT_SCALE_SPIN, UDM_GETPOS, 0, 0));
    choice.scale = std::min<unsigned>(std::max<unsigned>(scale, 1), MaxScale);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK PictureExportDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        OnInitDialog(dialog, *DialogRecord<PictureExport>(dialog));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog, *DialogRecord<PictureExport>(dialog));
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

bool AskPictureExport(HWND owner, PictureExport& choice) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"PictureExport", owner, PictureExportDialogProcedure,
                           reinterpret_cast<LPARAM>(&choice)) == IDOK;
}

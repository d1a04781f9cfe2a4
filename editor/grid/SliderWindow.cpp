#include "editor/grid/SliderWindow.h"

#include <commctrl.h>

#include "editor/app/EditorState.h"
#include "editor/grid/Paging.h"
#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

INT_PTR CALLBACK SliderDialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    EditorState* state = DialogRecord<EditorState>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        return TRUE;
    case WM_HSCROLL:
        // Whatever the scroll code: every notification while the thumb is
        // dragged, so that the grid follows it.
        if (state)
            ShowSliderPage(*state, static_cast<int>(SendDlgItemMessageW(dialog, IDC_FRAME_SLIDER, TBM_GETPOS, 0, 0)));
        return TRUE;
    default:
        return FALSE;
    }
}

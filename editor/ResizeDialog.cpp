#include "ResizeDialog.h"

#include "EditorState.h"
#include "FrameCommands.h"
#include "NumberFields.h"
#include "UndoCommands.h"
#include "resource.h"

namespace {

const int MaxSide = 255;

ResizeChoice& ChoiceOf(HWND dialog) { return *reinterpret_cast<ResizeChoice*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

void OnInitDialog(HWND dialog, const ResizeChoice& choice) {
    SetUpNumberField(dialog, IDC_RESIZE_COLUMNS, IDC_RESIZE_COLUMNS_SPIN, 1, MaxSide, choice.columns);
    SetUpNumberField(dialog, IDC_RESIZE_ROWS, IDC_RESIZE_ROWS_SPIN, 1, MaxSide, choice.rows);
    CheckRadioButton(dialog, IDC_RESIZE_ANCHOR_FIRST, IDC_RESIZE_ANCHOR_LAST,
                     IDC_RESIZE_ANCHOR_FIRST + static_cast<int>(choice.anchor));
    SelectNumberField(dialog, IDC_RESIZE_COLUMNS);
}

void OnOk(HWND dialog, ResizeChoice& choice) {
    ResizeChoice chosen = choice;
    if (!ReadNumberField(dialog, IDC_RESIZE_COLUMNS, 1, MaxSide, chosen.columns) ||
        !ReadNumberField(dialog, IDC_RESIZE_ROWS, 1, MaxSide, chosen.rows))
        return;
    for (int id = IDC_RESIZE_ANCHOR_FIRST; id <= IDC_RESIZE_ANCHOR_LAST; ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) chosen.anchor = static_cast<ResizeAnchor>(id - IDC_RESIZE_ANCHOR_FIRST);
    choice = chosen;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK ResizeDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        OnInitDialog(dialog, ChoiceOf(dialog));
        return FALSE;  // the focus is set: on the columns, selected
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog, ChoiceOf(dialog));
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

void OnResizeFrames(HWND window) {
    LedPattern& pattern = *editor.pattern;
    ResizeChoice choice = {pattern.columns, pattern.rows, ResizeAnchor::TopLeft};
    if (DialogBoxParamW(GetModuleHandleW(nullptr), L"RESIZEPATTERN", window, ResizeDialogProcedure,
                        reinterpret_cast<LPARAM>(&choice)) != IDOK)
        return;
    const std::size_t oldFrameSize = pattern.FrameSize();
    const int oldColumns = pattern.columns, oldRows = pattern.rows;
    BeginPatternEdit();
    if (!ResizeFrames(pattern, choice.columns, choice.rows, choice.anchor)) {
        CancelPatternEdit();
        return;
    }
    EndPatternEdit();
    FollowPattern(EditedFrame(), oldFrameSize, oldColumns, oldRows);
}

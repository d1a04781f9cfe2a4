#include "editor/dialogs/ResizeDialog.h"

#include "editor/dialogs/ChoiceDialog.h"
#include "editor/dialogs/NumberFields.h"
#include "resources/resource.h"

namespace {

const int MaxSide = 255;

void OnInitDialog(HWND dialog, const ResizeChoice& choice) {
    SetUpNumberField(dialog, IDC_RESIZE_COLUMNS, IDC_RESIZE_COLUMNS_SPIN, 1, MaxSide, choice.columns);
    SetUpNumberField(dialog, IDC_RESIZE_ROWS, IDC_RESIZE_ROWS_SPIN, 1, MaxSide, choice.rows);
    CheckRadioButton(dialog, IDC_RESIZE_ANCHOR_FIRST, IDC_RESIZE_ANCHOR_LAST,
                     IDC_RESIZE_ANCHOR_FIRST + static_cast<int>(choice.anchor));
    SelectNumberField(dialog, IDC_RESIZE_COLUMNS);
}

bool OnOk(HWND dialog, ResizeChoice& choice) {
    ResizeChoice chosen = choice;
    if (!ReadNumberField(dialog, IDC_RESIZE_COLUMNS, 1, MaxSide, chosen.columns) ||
        !ReadNumberField(dialog, IDC_RESIZE_ROWS, 1, MaxSide, chosen.rows))
        return false;
    for (int id = IDC_RESIZE_ANCHOR_FIRST; id <= IDC_RESIZE_ANCHOR_LAST; ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) chosen.anchor = static_cast<ResizeAnchor>(id - IDC_RESIZE_ANCHOR_FIRST);
    choice = chosen;
    return true;
}

}  // namespace

bool AskNewFrameSize(HWND owner, ResizeChoice& choice) {
    return AskChoice<ResizeChoice, OnInitDialog, OnOk>(owner, L"RESIZEPATTERN", choice);
}

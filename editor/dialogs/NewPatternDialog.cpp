#include "editor/dialogs/NewPatternDialog.h"

#include <memory>

#include "editor/app/Commands.h"
#include "editor/app/EditorState.h"
#include "editor/dialogs/ChoiceDialog.h"
#include "editor/dialogs/NumberFields.h"
#include "pattern/document/NewPattern.h"
#include "resources/resource.h"

namespace {

const int MaxSide = 255;
const int NewFrames = 2;


void OnInitDialog(HWND dialog, const NewPatternChoice& choice) {
    SetUpNumberField(dialog, IDC_NEW_COLUMNS, IDC_NEW_COLUMNS_SPIN, 1, MaxSide, choice.columns);
    SetUpNumberField(dialog, IDC_NEW_ROWS, IDC_NEW_ROWS_SPIN, 1, MaxSide, choice.rows);
    SetUpNumberField(dialog, IDC_NEW_FRAMES, IDC_NEW_FRAMES_SPIN, 1, static_cast<int>(LedPattern::MaxFrames),
                     choice.frames);
    SelectNumberField(dialog, IDC_NEW_COLUMNS);
}

bool OnOk(HWND dialog, NewPatternChoice& choice) {
    NewPatternChoice chosen;
    if (!ReadNumberField(dialog, IDC_NEW_COLUMNS, 1, MaxSide, chosen.columns) ||
        !ReadNumberField(dialog, IDC_NEW_ROWS, 1, MaxSide, chosen.rows) ||
        !ReadNumberField(dialog, IDC_NEW_FRAMES, 1, static_cast<int>(LedPattern::MaxFrames), chosen.frames))
        return false;
    choice = chosen;
    return true;
}

}  // namespace

INT_PTR CALLBACK NewPatternDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return ChoiceDialogProcedure<NewPatternChoice, OnInitDialog, OnOk>(dialog, message, wParam, lParam);
}

void OnNewPattern(HWND window) {
    NewPatternChoice choice = {editor.pattern->columns, editor.pattern->rows, NewFrames};
    if (DialogBoxParamW(GetModuleHandleW(nullptr), L"NEWPATTERN", window, NewPatternDialogProcedure,
                        reinterpret_cast<LPARAM>(&choice)) != IDOK)
        return;
    if (!AskSaveChanges(window)) return;
    std::unique_ptr<LedPattern> blank =
        NewBlankPattern(choice.columns, choice.rows, static_cast<std::uint32_t>(choice.frames));
    // Without memory for its frames the pattern being edited stays.
    if (!blank) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    editor.ReplaceDocument(std::move(blank));
}

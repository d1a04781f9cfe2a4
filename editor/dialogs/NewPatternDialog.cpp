#include "editor/dialogs/NewPatternDialog.h"

#include "editor/dialogs/ChoiceDialog.h"
#include "editor/dialogs/NumberFields.h"
#include "pattern/document/LedPattern.h"
#include "resources/resource.h"

namespace {

const int MaxSide = 255;

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

bool AskNewPatternSize(HWND owner, NewPatternChoice& choice) {
    return AskChoice<NewPatternChoice, OnInitDialog, OnOk>(owner, L"NEWPATTERN", choice);
}

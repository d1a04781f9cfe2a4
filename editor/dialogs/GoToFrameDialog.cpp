#include "editor/dialogs/GoToFrameDialog.h"

#include <cwchar>

#include "editor/dialogs/ChoiceDialog.h"
#include "editor/dialogs/NumberFields.h"
#include "resources/resource.h"

namespace {

void OnInitDialog(HWND dialog, const GoToFrameChoice& choice) {
    SetUpNumberField(dialog, IDC_GO_TO_FRAME, IDC_GO_TO_FRAME_SPIN, 0, choice.frameCount - 1, choice.frame);
    wchar_t range[32];
    std::swprintf(range, 32, L"(0 ～ %d)", choice.frameCount - 1);
    SetDlgItemTextW(dialog, IDC_GO_TO_FRAME_RANGE, range);
    SelectNumberField(dialog, IDC_GO_TO_FRAME);
}

bool OnOk(HWND dialog, GoToFrameChoice& choice) {
    return ReadNumberField(dialog, IDC_GO_TO_FRAME, 0, choice.frameCount - 1, choice.frame);
}

}  // namespace

bool AskFrameToGoTo(HWND owner, GoToFrameChoice& choice) {
    return AskChoice<GoToFrameChoice, OnInitDialog, OnOk>(owner, L"GOTOFRAME", choice);
}

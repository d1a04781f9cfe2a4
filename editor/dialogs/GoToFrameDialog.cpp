#include "editor/dialogs/GoToFrameDialog.h"

#include <cwchar>

#include "editor/app/EditorState.h"
#include "editor/commands/FrameCommands.h"
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

INT_PTR CALLBACK GoToFrameDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return ChoiceDialogProcedure<GoToFrameChoice, OnInitDialog, OnOk>(dialog, message, wParam, lParam);
}

void OnGoToFrame(HWND window) {
    GoToFrameChoice choice = {static_cast<int>(EditedFrame()), static_cast<int>(editor.pattern->frameCount)};
    if (choice.frameCount < 1) return;
    if (choice.frame >= choice.frameCount) choice.frame = choice.frameCount - 1;
    if (DialogBoxParamW(GetModuleHandleW(nullptr), L"GOTOFRAME", window, GoToFrameDialogProcedure,
                        reinterpret_cast<LPARAM>(&choice)) != IDOK)
        return;
    ShowEditedFrame(static_cast<std::uint32_t>(choice.frame));
}

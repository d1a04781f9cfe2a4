#include "GoToFrameDialog.h"

#include <cwchar>

#include "EditorState.h"
#include "FrameCommands.h"
#include "NumberFields.h"
#include "resource.h"

namespace {

GoToFrameChoice& ChoiceOf(HWND dialog) {
    return *reinterpret_cast<GoToFrameChoice*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, const GoToFrameChoice& choice) {
    SetUpNumberField(dialog, IDC_GO_TO_FRAME, IDC_GO_TO_FRAME_SPIN, 0, choice.frameCount - 1, choice.frame);
    wchar_t range[32];
    std::swprintf(range, 32, L"(0 ～ %d)", choice.frameCount - 1);
    SetDlgItemTextW(dialog, IDC_GO_TO_FRAME_RANGE, range);
    SelectNumberField(dialog, IDC_GO_TO_FRAME);
}

void OnOk(HWND dialog, GoToFrameChoice& choice) {
    if (!ReadNumberField(dialog, IDC_GO_TO_FRAME, 0, choice.frameCount - 1, choice.frame)) return;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK GoToFrameDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        OnInitDialog(dialog, ChoiceOf(dialog));
        return FALSE;  // the focus is set: on the number, selected
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog, ChoiceOf(dialog));
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
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

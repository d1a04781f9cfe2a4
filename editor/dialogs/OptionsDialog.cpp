#include "editor/dialogs/OptionsDialog.h"

#include <commctrl.h>

#include "editor/app/EditorState.h"
#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

const int MaxWait = 255;
const int MinWait = 1;
const int MinFrames = 1;

int SpinPosition(HWND dialog, int spin) {
    return LOWORD(SendDlgItemMessageW(dialog, spin, UDM_GETPOS, 0, 0));
}

// The up-down control keeps its last valid position when the box holds a
// number out of range, an empty box or a 0: OK would store that position
// without a word. So the box is checked, and the user told the range.
bool BoxInRange(HWND dialog, int spin, int box, const wchar_t* message) {
    BOOL error = FALSE;
    SendDlgItemMessageW(dialog, spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error));
    if (!error) return true;
    MessageBoxW(dialog, message, L"不正な値", MB_OK | MB_ICONERROR);
    HWND edit = GetDlgItem(dialog, box);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
}

void ShowListFile(HWND dialog, const EditorState& state, bool notSelectedText) {
    const char* name = state.displayList.FileName();
    if (!name[0] && notSelectedText) name = "Not Selected";
    SetDlgItemTextA(dialog, IDC_LIST_FILE, name);
}

void OnInitDialog(HWND dialog, EditorState& state) {
    SendDlgItemMessageW(dialog, IDC_FRAME_COUNT_SPIN, UDM_SETRANGE32, MinFrames, LedPattern::MaxFrames);
    SendDlgItemMessageW(dialog, IDC_FRAME_COUNT_SPIN, UDM_SETPOS, 0, LOWORD(state.frameCount));
    // A new pattern's wait is 0, below the range: it is offered as 1.
    int wait = OfferedWait(state.pattern->header.wait);
    SendDlgItemMessageW(dialog, IDC_WAIT_SPIN, UDM_SETRANGE32, MinWait, MaxWait);
    SendDlgItemMessageW(dialog, IDC_WAIT_SPIN, UDM_SETPOS, 0, wait);
    ShowListFile(dialog, state, true);
}

void OnOk(HWND dialog, EditorState& state) {
    if (!BoxInRange(dialog, IDC_FRAME_COUNT_SPIN, IDC_FRAME_COUNT, L"枚数は 1 ～ 2048 の範囲で入力してください。") ||
        !BoxInRange(dialog, IDC_WAIT_SPIN, IDC_WAIT_TIME, L"ｳｪｲﾄは 1 ～ 255 の範囲で入力してください。"))
        return;
    state.frameCount = SpinPosition(dialog, IDC_FRAME_COUNT_SPIN);
    state.pattern->header.wait = static_cast<std::uint8_t>(SpinPosition(dialog, IDC_WAIT_SPIN) & 0xFF);
    EndDialog(dialog, IDOK);
}

void OnChooseListFile(HWND dialog, EditorState& state, bool create) {
    state.displayList.ChooseFile(dialog, create);
    ShowListFile(dialog, state, false);
}

INT_PTR CALLBACK OptionsDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        KeepDialogRecord(dialog, lParam);
        OnInitDialog(dialog, *DialogRecord<EditorState>(dialog));
        return TRUE;
    }
    EditorState* state = DialogRecord<EditorState>(dialog);
    if (message != WM_COMMAND || !state) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOk(dialog, *state);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_LIST_BROWSE:
        OnChooseListFile(dialog, *state, false);
        break;
    case IDC_LIST_NEW:
        OnChooseListFile(dialog, *state, true);
        break;
    }
    return FALSE;
}

}  // namespace

bool AskAnimationOptions(HWND owner, EditorState& state) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"animationoption", owner, OptionsDialogProcedure,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}

int OfferedWait(int wait) { return wait < MinWait ? MinWait : wait; }

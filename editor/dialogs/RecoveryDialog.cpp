#include "editor/dialogs/RecoveryDialog.h"

#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

void OnInitDialog(HWND dialog, const RecoveryQuestion& question) {
    const std::wstring text = L"前回の編集は保存されないまま終了しました。\n"
                              L"ファイル名: " + question.patternFileName + L"\n"
                              L"保存日時: " + question.writtenAt + L"\n\n"
                              L"このデータを復元しますか？\n"
                              L"(「いいえ」は後のために残し、「破棄」は削除します)";
    SetDlgItemTextW(dialog, IDC_RECOVERY_TEXT, text.c_str());
    SendDlgItemMessageW(dialog, IDC_RECOVERY_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
}

RecoveryAnswer AnswerOf(int button) {
    switch (button) {
    case IDYES: return RecoveryAnswer::Restore;
    case IDC_RECOVERY_DISCARD: return RecoveryAnswer::Discard;
    default: return RecoveryAnswer::Keep;
    }
}

INT_PTR CALLBACK RecoveryDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        OnInitDialog(dialog, *reinterpret_cast<RecoveryQuestion*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        const int button = LOWORD(wParam);
        if (button != IDYES && button != IDNO && button != IDCANCEL && button != IDC_RECOVERY_DISCARD) return FALSE;
        if (RecoveryQuestion* question = DialogRecord<RecoveryQuestion>(dialog)) question->answer = AnswerOf(button);
        EndDialog(dialog, button);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

bool AskRestoreWork(HWND owner, RecoveryQuestion& question) {
    question.answer = RecoveryAnswer::Keep;
    DialogBoxParamW(GetModuleHandleW(nullptr), L"RECOVERYQUESTION", owner, RecoveryDialogProcedure,
                    reinterpret_cast<LPARAM>(&question));
    return question.answer != RecoveryAnswer::Keep;
}

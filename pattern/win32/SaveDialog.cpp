#include "pattern/win32/SaveDialog.h"

#include <string>

#include "pattern/document/LedFile.h"
#include "pattern/document/LedPattern.h"
#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

const int FirstControlCodeButton = IDC_CONTROL_NORMAL;

// A write that failed is said, not taken for a cancel: the drawing stays
// unsaved in the editor, and the file on the disk stays as it was.
const wchar_t NotWrittenText[] =
    L"パターンファイルを書き込めませんでした。\n"
    L"以前のファイルはそのまま残っています。保存先と空き容量を確認してください。";
const int LastControlCodeButton = IDC_CONTROL_ON_OFF;

void OnInitDialog(HWND dialog, const LedFileHeader& header) {
    CheckDlgButton(dialog, FirstControlCodeButton + header.controlCode, BST_CHECKED);
    if (!header.addToList) EnableWindow(GetDlgItem(dialog, IDC_ADD_TO_LIST), FALSE);
}

void OnOk(HWND dialog, LedFileHeader& header) {
    header.addToList = IsDlgButtonChecked(dialog, IDC_ADD_TO_LIST) == BST_CHECKED ? 1 : 0;
    // A control code without a button of its own (from a file) stays as it was.
    for (int button = FirstControlCodeButton; button <= LastControlCodeButton; ++button)
        if (IsDlgButtonChecked(dialog, button) == BST_CHECKED)
            header.controlCode = static_cast<std::uint8_t>(button - FirstControlCodeButton);
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK SaveDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        OnInitDialog(dialog, *DialogRecord<LedFileHeader>(dialog));
        return TRUE;
    case WM_COMMAND:
        // OK is the only way out: Esc is not acted on.
        if (LOWORD(wParam) == IDOK) OnOk(dialog, *DialogRecord<LedFileHeader>(dialog));
        return TRUE;
    default:
        return FALSE;
    }
}

bool LedPattern::Save(HWND owner, bool listSelected, bool saveAs) {
    std::string target;
    bool askOptions = saveAs || !fileName;
    if (askOptions) {
        CFile chooser(PatternFileFilter);
        chooser.SetDefExt(PatternFileExtension);
        char chosen[CFile::FilenameCapacity] = "";
        // The dialog only names the file; it is written, beside the old one,
        // once the options are chosen.
        if (!chooser.ShowDialog(owner, chosen, 0)) return false;
        target = chosen;
    } else {
        target = fileName.get();
    }
    header.addToList = 0;
    if (askOptions) {
        header.addToList = listSelected ? 1 : 0;
        DialogBoxParamW(GetModuleHandleW(nullptr), L"SaveDialog", owner, SaveDialogProcedure,
                        reinterpret_cast<LPARAM>(&header));
    }
    if (SavePatternFile(*this, target.c_str())) return true;
    MessageBoxW(owner, NotWrittenText, L"エラー", MB_OK | MB_ICONERROR);
    return false;
}

// The display list's operations that show windows: choosing the list file in
// the file dialogs, filling a list box and exporting the HEX file. Windows only.
#include <windows.h>

#include "pattern/hex/HexImageWriter.h"
#include "pattern/list/DisplayList.h"
#include "pattern/list/ListOmissions.h"
#include "pattern/program/DisplayProgram.h"

namespace {

// Why an export left no file, in the words the user reads.
const wchar_t* ExportFailureText(HexExportError error) {
    switch (error) {
    case HexExportError::ImageTooLarge:
        return L"データが大きすぎて、選択した種類の Hex File に収まりません。\n"
               L"Hex File は作成されませんでした。";
    case HexExportError::WriteFailed:
        return L"Hex File の書き込みに失敗しました。\nHex File は作成されませんでした。";
    case HexExportError::CannotCreate:
        return L"Hex File を作成できませんでした。\n保存先を確認してください。";
    case HexExportError::CannotReplace:
        return L"Hex File を置き換えられませんでした。\n以前のファイルはそのまま残っています。";
    default:
        return L"Hex File を作成できませんでした。";
    }
}

const wchar_t EntryNotStoredText[] =
    L"リストファイルに書き込めませんでした。\nエントリーはリストに追加されませんでした。";

// A chosen list file that is refused stays as it is, and so does the list.
const wchar_t ListNotReadText[] =
    L"リストファイルを最後まで読み込めませんでした。\nリストは変更されていません。";
const wchar_t NotAListText[] =
    L"このファイルはリストファイルではありません。\n"
    L"(4095 バイトを超える行、NUL 文字、または改行で終わっていない最後の行があります)\n"
    L"ファイルもリストも変更されていません。";

}  // namespace

bool DisplayList::AddAndReport(HWND owner, const char* text) {
    if (Add(text, true)) return true;
    if (WriteFailed()) MessageBoxW(owner, EntryNotStoredText, L"エラー", MB_OK | MB_ICONERROR);
    return false;
}

void DisplayList::ChooseFile(HWND owner, bool create) {
    CFile chooser(ListFileFilter);
    chooser.SetDefExt(ListFileExtension);
    char chosen[CFile::FilenameCapacity] = "";
    if (!chooser.ShowDialog(owner, chosen, create ? 0 : 1)) return;
    // A file that cannot be opened changes nothing and says nothing, as a
    // cancelled dialog. One that cannot be read whole is refused, since the
    // list editor would rewrite it without what was not read.
    switch (SelectWholeFile(chosen, create)) {
    case ListFileRead::Read:
        MessageBoxW(owner, L"リストデータを変更しました。", L"確認", MB_OK);
        break;
    case ListFileRead::CannotOpen:
        break;
    case ListFileRead::CannotRead:
        MessageBoxW(owner, ListNotReadText, L"エラー", MB_OK | MB_ICONERROR);
        break;
    case ListFileRead::NotAList:
        MessageBoxW(owner, NotAListText, L"エラー", MB_OK | MB_ICONERROR);
        break;
    }
}

void DisplayList::FillListBox(HWND listBox) const {
    for (const DisplayListEntry* entry = first; entry; entry = entry->next)
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry->text.get()));
}

bool DisplayList::CreateHexFile(HWND owner, ListOmissions* leftOut, const BuildProgressHook& progress) {
    HexImageWriter writer;
    if (!writer.Open(owner)) {
        // A cancel says nothing; a file that could not be begun does.
        if (writer.Error() != HexExportError::None)
            MessageBoxW(owner, ExportFailureText(writer.Error()), L"エラー", MB_OK | MB_ICONERROR);
        return false;
    }
    const bool built = BuildDisplayProgram(
        *this, writer,
        [leftOut](std::size_t index, const DisplayListEntry& entry, const EntryPlan& plan) {
            if (leftOut) leftOut->Add(index, entry.text.get(), plan);
        },
        progress);
    if (!built && writer.Error() == HexExportError::None) {
        // Stopped by the user: the file stays as it was.
        writer.Discard();
        return false;
    }
    if (!writer.Close()) {
        MessageBoxW(owner, ExportFailureText(writer.Error()), L"エラー", MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

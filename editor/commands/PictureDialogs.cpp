#include "editor/commands/PictureDialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "editor/app/EditorState.h"
#include "editor/commands/FrameCommands.h"
#include "editor/commands/UndoCommands.h"
#include "editor/document/PatternReplacement.h"
#include "picture/PatternPicture.h"
#include "resources/resource.h"

namespace {

const char PictureOpenFilter[] =
    "Pictures (*.png;*.bmp;*.gif;*.jpg;*.jpeg)\0*.png;*.bmp;*.gif;*.jpg;*.jpeg\0All Files (*.*)\0*.*\0";
const char PngFilter[] = "PNG Picture (*.png)\0*.png\0All Files (*.*)\0*.*\0";
const char PngExtension[] = "png";
// Room for many names chosen at once.
const DWORD ChosenFilesCapacity = 64 * 1024;
// As lumigrid-cli render lays out every frame.
const unsigned ExportFramesPerRow = 8;

std::vector<std::string> ChoosePictures(HWND owner) {
    std::vector<char> buffer(ChosenFilesCapacity, '\0');
    OPENFILENAMEA dialog;
    std::memset(&dialog, 0, sizeof dialog);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = PictureOpenFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = ChosenFilesCapacity;
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON;
    if (!GetOpenFileNameA(&dialog)) return {};
    return ChosenFiles(buffer.data());
}

PictureExport& ExportOf(HWND dialog) {
    return *reinterpret_cast<PictureExport*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void OnExportInit(HWND dialog, const PictureExport& choice) {
    bool every = choice.everyFrame || !choice.editedFrameExists;
    CheckRadioButton(dialog, IDC_EXPORT_EDITED_FRAME, IDC_EXPORT_EVERY_FRAME,
                     every ? IDC_EXPORT_EVERY_FRAME : IDC_EXPORT_EDITED_FRAME);
    // The dark view beyond the last frame has no frame to export.
    EnableWindow(GetDlgItem(dialog, IDC_EXPORT_EDITED_FRAME), choice.editedFrameExists);
    SendDlgItemMessageW(dialog, IDC_EXPORT_SCALE_SPIN, UDM_SETRANGE32, 1, MaxScale);
    SendDlgItemMessageW(dialog, IDC_EXPORT_SCALE_SPIN, UDM_SETPOS, 0, MAKELPARAM(choice.scale, 0));
}

void OnExportOk(HWND dialog, PictureExport& choice) {
    choice.everyFrame = IsDlgButtonChecked(dialog, IDC_EXPORT_EVERY_FRAME) == BST_CHECKED;
    unsigned scale = LOWORD(SendDlgItemMessageW(dialog, IDC_EXPORT_SCALE_SPIN, UDM_GETPOS, 0, 0));
    choice.scale = std::min<unsigned>(std::max<unsigned>(scale, 1), MaxScale);
    EndDialog(dialog, IDOK);
}

const wchar_t* ExportFailureText(PictureFileStatus status) {
    switch (status) {
    case PictureFileStatus::TooLarge:
        return L"画像が大きすぎます。拡大率を小さくするか、編集中のﾌﾚｰﾑだけを書き出してください。\n画像ファイルは作成されませんでした。";
    case PictureFileStatus::OutOfMemory:
        return L"メモリが足りません。\n画像ファイルは作成されませんでした。";
    case PictureFileStatus::NoPixels:
        return L"このデータには表示する LED がありません。\n画像ファイルは作成されませんでした。";
    case PictureFileStatus::CannotWrite:
    case PictureFileStatus::Written:
        break;
    }
    return L"ファイルに書き込めませんでした。\n画像ファイルは作成されませんでした。";
}

}  // namespace

std::vector<std::string> ChosenFiles(const char* buffer) {
    std::vector<std::string> paths;
    std::string first = buffer;
    if (first.empty()) return paths;
    const char* name = buffer + first.size() + 1;
    if (!*name) {
        paths.push_back(first);
        return paths;
    }
    std::string directory = first;
    if (directory.back() != '\\') directory += '\\';
    for (; *name; name += std::strlen(name) + 1) paths.push_back(directory + name);
    // The dialog hands them out in no useful order; by name, numbered frames come in order.
    std::sort(paths.begin(), paths.end());
    return paths;
}

INT_PTR CALLBACK PictureExportDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        OnExportInit(dialog, ExportOf(dialog));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnExportOk(dialog, ExportOf(dialog));
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

void OnImportPicture(HWND window) {
    PictureImport import;
    import.options.columns = editor.pattern->columns;
    import.options.rows = editor.pattern->rows;
    import.paths = ChoosePictures(window);
    if (import.paths.empty()) return;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), L"PictureImport", window,
                                     PictureImportDialogProcedure, reinterpret_cast<LPARAM>(&import));
    if (result != IDOK || !import.result.pattern) return;
    ReplacePattern(window, std::move(import.result.pattern));
}

void OnExportPicture(HWND window) {
    CFile chooser(PngFilter);
    chooser.SetDefExt(PngExtension);
    char chosen[CFile::FilenameCapacity] = "";
    // The dialog only names the file; it is written once the options are chosen.
    if (!chooser.ShowDialog(window, chosen, 0)) return;
    PictureExport choice;
    std::uint32_t edited = EditedFrame();
    choice.editedFrameExists = edited < editor.pattern->frameCount;
    if (DialogBoxParamW(GetModuleHandleW(nullptr), L"PictureExport", window, PictureExportDialogProcedure,
                        reinterpret_cast<LPARAM>(&choice)) != IDOK)
        return;
    const LedPattern& pattern = *editor.pattern;
    bool every = choice.everyFrame || !choice.editedFrameExists;
    PictureFileStatus status = WritePatternPicture(pattern, every ? 0 : edited, every ? pattern.frameCount : 1,
                                                   choice.scale, ExportFramesPerRow, chosen, RenderStyle::Editor);
    if (status != PictureFileStatus::Written)
        MessageBoxW(window, ExportFailureText(status), L"エラー", MB_OK | MB_ICONERROR);
}

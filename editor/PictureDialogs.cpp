#include "PictureDialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <utility>

#include "EditorState.h"
#include "FrameCommands.h"
#include "PatternPicture.h"
#include "PatternReplacement.h"
#include "PictureView.h"
#include "UndoCommands.h"
#include "SystemText.h"
#include "resource.h"

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

PictureImport& ImportOf(HWND dialog) {
    return *reinterpret_cast<PictureImport*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// Imports again with the options as the dialog shows them.
void Reimport(HWND dialog) {
    PictureImport* import = reinterpret_cast<PictureImport*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!import) return;
    LRESULT threshold = SendDlgItemMessageW(dialog, IDC_IMPORT_THRESHOLD_SPIN, UDM_GETPOS, 0, 0);
    import->options.threshold = LOWORD(threshold);
    import->options.invert = IsDlgButtonChecked(dialog, IDC_IMPORT_INVERT) == BST_CHECKED;
    import->result = ImportImages(import->paths, import->options);

    wchar_t summary[512];
    if (const LedPattern* pattern = import->result.pattern.get()) {
        std::swprintf(summary, 512, L"%d x %d ﾄﾞｯﾄ、%u 枚", pattern->columns, pattern->rows, pattern->frameCount);
    } else {
        std::swprintf(summary, 512, L"読み込めません: %ls", Widened(import->result.problem).c_str());
    }
    SetDlgItemTextW(dialog, IDC_IMPORT_SUMMARY, summary);
    EnableWindow(GetDlgItem(dialog, IDOK), import->result.pattern != nullptr);
    InvalidateRect(GetDlgItem(dialog, IDC_IMPORT_PREVIEW), nullptr, TRUE);
}

void OnImportInit(HWND dialog, LPARAM parameter) {
    PictureImport& import = *reinterpret_cast<PictureImport*>(parameter);
    SendDlgItemMessageW(dialog, IDC_IMPORT_THRESHOLD_SPIN, UDM_SETRANGE32, 0, 255);
    SendDlgItemMessageW(dialog, IDC_IMPORT_THRESHOLD_SPIN, UDM_SETPOS, 0, MAKELPARAM(import.options.threshold, 0));
    CheckDlgButton(dialog, IDC_IMPORT_INVERT, import.options.invert ? BST_CHECKED : BST_UNCHECKED);
    // Kept only now, so that the text set above does not import before the dialog is ready.
    SetWindowLongPtrW(dialog, DWLP_USER, parameter);
    Reimport(dialog);
}

void OnImportCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        if (ImportOf(dialog).result.pattern) EndDialog(dialog, IDOK);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_IMPORT_THRESHOLD:
        if (HIWORD(wParam) == EN_CHANGE) Reimport(dialog);
        break;
    case IDC_IMPORT_INVERT:
        Reimport(dialog);
        break;
    }
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

INT_PTR CALLBACK PictureImportDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnImportInit(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        OnImportCommand(dialog, wParam);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_IMPORT_PREVIEW || !GetWindowLongPtrW(dialog, DWLP_USER)) return FALSE;
        // The first frame, as the editor will show it.
        DrawPictureView(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), ImportOf(dialog).result.pattern.get(), 0, 1,
                        RenderStyle::Editor);
        return TRUE;
    default:
        return FALSE;
    }
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

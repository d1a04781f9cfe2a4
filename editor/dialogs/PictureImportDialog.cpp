#include "editor/dialogs/PictureImportDialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "editor/app/WideText.h"
#include "editor/views/PictureView.h"
#include "pattern/win32/DialogRecord.h"
#include "picture/PatternRender.h"
#include "resources/resource.h"

namespace {

// The choices of the three lists, in the order of their enumerations.
const wchar_t* const FitNames[] = {L"収める(縦横比を保つ)", L"埋める(はみ出しを切る)", L"引き伸ばす", L"拡大縮小しない"};
const wchar_t* const AlignmentNames[] = {L"左上", L"上", L"右上", L"左", L"中央", L"右", L"左下", L"下", L"右下"};
const wchar_t* const DitherNames[] = {L"なし(しきい値)", L"誤差拡散(写真向き)", L"組織的ﾃﾞｨｻﾞ(ｱﾆﾒ向き)"};
// A file name longer than this is shortened, so that the text keeps to its lines.
const std::size_t ShownNameLength = 40;
const char PictureOpenFilter[] =
    "Pictures (*.png;*.bmp;*.gif;*.jpg;*.jpeg)\0*.png;*.bmp;*.gif;*.jpg;*.jpeg\0All Files (*.*)\0*.*\0";
// Room for many names chosen at once.
const DWORD ChosenFilesCapacity = 64 * 1024;

std::wstring ShownName(const std::string& path) {
    std::wstring name = Widened(path.substr(path.find_last_of("\\/") + 1));
    if (name.size() > ShownNameLength) name = name.substr(0, ShownNameLength - 1) + L"…";
    return L"「" + name + L"」";
}

void FillList(HWND dialog, int id, const wchar_t* const* names, std::size_t count, int selected) {
    for (std::size_t i = 0; i < count; ++i)
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i]));
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int Selected(HWND dialog, int id) {
    LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index);
}

// A side from its box, 1 to MaxPatternSide; 0 when the box holds no such number.
int SideOf(HWND dialog, int spin) {
    BOOL outside = FALSE;
    LRESULT side = SendDlgItemMessageW(dialog, spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&outside));
    return outside ? 0 : static_cast<int>(side);
}

// Greys what the choices make meaningless: size, fit and place at the
// pictures' own size, the threshold when dithering.
void EnableChoices(HWND dialog, bool ownSize, bool threshold) {
    const int sized[] = {IDC_IMPORT_COLUMNS, IDC_IMPORT_COLUMNS_SPIN, IDC_IMPORT_ROWS, IDC_IMPORT_ROWS_SPIN,
                         IDC_IMPORT_FIT, IDC_IMPORT_ALIGNMENT};
    for (int id : sized) EnableWindow(GetDlgItem(dialog, id), !ownSize);
    EnableWindow(GetDlgItem(dialog, IDC_IMPORT_THRESHOLD), threshold);
    EnableWindow(GetDlgItem(dialog, IDC_IMPORT_THRESHOLD_SPIN), threshold);
}

// Reads the choices into the record; false when the size is not one.
bool ReadChoices(HWND dialog, ImportOptions* options) {
    const bool ownSize = IsDlgButtonChecked(dialog, IDC_IMPORT_OWN_SIZE) == BST_CHECKED;
    options->fit = static_cast<PictureFit>(Selected(dialog, IDC_IMPORT_FIT));
    options->alignment = static_cast<Alignment>(Selected(dialog, IDC_IMPORT_ALIGNMENT));
    options->dither = static_cast<Dither>(Selected(dialog, IDC_IMPORT_DITHER));
    options->threshold = LOWORD(SendDlgItemMessageW(dialog, IDC_IMPORT_THRESHOLD_SPIN, UDM_GETPOS, 0, 0));
    options->invert = IsDlgButtonChecked(dialog, IDC_IMPORT_INVERT) == BST_CHECKED;
    EnableChoices(dialog, ownSize, options->dither == Dither::None);
    options->columns = ownSize ? 0 : SideOf(dialog, IDC_IMPORT_COLUMNS_SPIN);
    options->rows = ownSize ? 0 : SideOf(dialog, IDC_IMPORT_ROWS_SPIN);
    return ownSize || (options->columns > 0 && options->rows > 0);
}

// Imports again with the choices as the dialog shows them.
void Reimport(HWND dialog) {
    PictureImport* import = DialogRecord<PictureImport>(dialog);
    if (!import) return;
    std::wstring summary;
    if (!ReadChoices(dialog, &import->options)) {
        import->result = ImportResult();
        summary = L"大きさは 1 から " + std::to_wstring(MaxPatternSide) + L" までで指定してください。";
    } else {
        import->result = ImportImages(import->paths, import->options);
        if (const LedPattern* pattern = import->result.pattern.get()) {
            wchar_t text[64];
            std::swprintf(text, 64, L"%d x %d ﾄﾞｯﾄ、%u 枚", pattern->columns, pattern->rows, pattern->frameCount);
            summary = text;
        } else {
            summary = ImportProblemText(import->result.problem);
        }
    }
    SetDlgItemTextW(dialog, IDC_IMPORT_SUMMARY, summary.c_str());
    EnableWindow(GetDlgItem(dialog, IDOK), import->result.pattern != nullptr);
    InvalidateRect(GetDlgItem(dialog, IDC_IMPORT_PREVIEW), nullptr, TRUE);
}

void SetSide(HWND dialog, int spin, int side) {
    SendDlgItemMessageW(dialog, spin, UDM_SETRANGE32, 1, MaxPatternSide);
    SendDlgItemMessageW(dialog, spin, UDM_SETPOS32, 0, std::min(std::max(side, 1), MaxPatternSide));
}

void OnImportInit(HWND dialog, LPARAM parameter) {
    const ImportOptions& options = reinterpret_cast<PictureImport*>(parameter)->options;
    const bool ownSize = options.columns <= 0 || options.rows <= 0;
    SetSide(dialog, IDC_IMPORT_COLUMNS_SPIN, ownSize ? 16 : options.columns);
    SetSide(dialog, IDC_IMPORT_ROWS_SPIN, ownSize ? 16 : options.rows);
    CheckDlgButton(dialog, IDC_IMPORT_OWN_SIZE, ownSize ? BST_CHECKED : BST_UNCHECKED);
    FillList(dialog, IDC_IMPORT_FIT, FitNames, std::size(FitNames), static_cast<int>(options.fit));
    FillList(dialog, IDC_IMPORT_ALIGNMENT, AlignmentNames, std::size(AlignmentNames),
             static_cast<int>(options.alignment));
    FillList(dialog, IDC_IMPORT_DITHER, DitherNames, std::size(DitherNames), static_cast<int>(options.dither));
    SendDlgItemMessageW(dialog, IDC_IMPORT_THRESHOLD_SPIN, UDM_SETRANGE32, 0, 255);
    SendDlgItemMessageW(dialog, IDC_IMPORT_THRESHOLD_SPIN, UDM_SETPOS, 0, MAKELPARAM(options.threshold, 0));
    CheckDlgButton(dialog, IDC_IMPORT_INVERT, options.invert ? BST_CHECKED : BST_UNCHECKED);
    // Kept only now, so that the texts set above do not import before the dialog is ready.
    KeepDialogRecord(dialog, parameter);
    Reimport(dialog);
}

void OnImportCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        if (DialogRecord<PictureImport>(dialog)->result.pattern) EndDialog(dialog, IDOK);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_IMPORT_THRESHOLD:
    case IDC_IMPORT_COLUMNS:
    case IDC_IMPORT_ROWS:
        if (HIWORD(wParam) == EN_CHANGE) Reimport(dialog);
        break;
    case IDC_IMPORT_FIT:
    case IDC_IMPORT_ALIGNMENT:
    case IDC_IMPORT_DITHER:
        if (HIWORD(wParam) == CBN_SELCHANGE) Reimport(dialog);
        break;
    case IDC_IMPORT_OWN_SIZE:
    case IDC_IMPORT_INVERT:
        Reimport(dialog);
        break;
    }
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
        if (wParam != IDC_IMPORT_PREVIEW || !DialogRecord<PictureImport>(dialog)) return FALSE;
        // The first picture whole, as the sign will show it.
        DrawPictureOf(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                      DialogRecord<PictureImport>(dialog)->result.pattern.get(), 0,
                      DialogRecord<PictureImport>(dialog)->options.planes, RenderStyle::Sign);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

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

bool AskPictureImport(HWND owner, PictureImport& import) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), L"PictureImport", owner, PictureImportDialogProcedure,
                           reinterpret_cast<LPARAM>(&import)) == IDOK;
}

std::wstring ImportProblemText(const ImportProblem& problem) {
    const std::wstring name = ShownName(problem.path);
    const std::wstring size = std::to_wstring(problem.width) + L" x " + std::to_wstring(problem.height);
    switch (problem.kind) {
    case ImportProblemKind::None: break;
    case ImportProblemKind::NoPicture: return L"画像が選ばれていません。";
    case ImportProblemKind::CannotOpen: return name + L"を開けません。";
    case ImportProblemKind::CannotRead: return name + L"を読み込めません。";
    case ImportProblemKind::FileTooLarge: return name + L"はﾌｧｲﾙが大きすぎます。";
    case ImportProblemKind::NotAPicture:
        return name + L"を読み込めません。PNG、BMP、GIF、JPEG の画像でないか、壊れています。";
    case ImportProblemKind::Damaged:
        return name + L"は " + std::to_wstring(problem.frames) + L" 枚目より後が壊れています。";
    case ImportProblemKind::TooLargeForPattern:
        return name + L"は " + size + L" ﾄﾞｯﾄです。大きさを " + std::to_wstring(MaxPatternSide) +
               L" 以下で指定してください。";
    case ImportProblemKind::TooLargeToRead:
        return name + L"は大きすぎて読み込めません。";
    case ImportProblemKind::NoPixels: return name + L"には画素がありません。";
    case ImportProblemKind::CropOutside: return L"切り抜く範囲が" + name + L"の外にはみ出しています。";
    case ImportProblemKind::SizeDiffers:
        return name + L"は " + size + L" ﾄﾞｯﾄで、前の画像 (" + std::to_wstring(problem.columns) + L" x " +
               std::to_wstring(problem.rows) + L") と大きさが違います。";
    case ImportProblemKind::TooManyFrames:
        return L"ﾌﾚｰﾑが " + std::to_wstring(LedPattern::MaxFrames) + L" 枚を超えます。";
    case ImportProblemKind::OutOfMemory: return L"メモリが足りません。";
    }
    return name + L"を読み込めません。";
}


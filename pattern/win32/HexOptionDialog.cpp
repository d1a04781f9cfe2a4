#include "pattern/win32/HexOptionDialog.h"

#include "pattern/hex/HexImageWriter.h"
#include "pattern/hex/HexOptions.h"
#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

HexFormat CurrentFormat(HWND dialog) {
    LRESULT index = SendDlgItemMessageW(dialog, IDC_HEX_FORMAT, CB_GETCURSEL, 0, 0);
    if (index < 0 || index >= HexFormatCount) index = 0;
    return static_cast<HexFormat>(index);
}

void EnableStartAddress(HWND dialog, bool enable) {
    const int controls[] = {IDC_HEX_SET_START, IDC_HEX_START_LABEL, IDC_HEX_START_ADDRESS};
    for (int id : controls) EnableWindow(GetDlgItem(dialog, id), enable);
}

bool OffersStartAddress(HexFormat format) {
    return format == HexFormat::SegmentAddress20 || format == HexFormat::Linear32;
}

void OnInitDialog(HWND dialog) {
    for (const char* name : HexFormatNames)
        SendDlgItemMessageA(dialog, IDC_HEX_FORMAT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageW(dialog, IDC_HEX_FORMAT, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(dialog, IDC_HEX_START_ADDRESS, L"0");
    EnableStartAddress(dialog, false);
}

void OnOk(HWND dialog) {
    HexFormat format = CurrentFormat(dialog);
    std::uint32_t start = 0;
    if (OffersStartAddress(format) && IsDlgButtonChecked(dialog, IDC_HEX_SET_START) == BST_CHECKED) {
        BOOL number = FALSE;
        start = GetDlgItemInt(dialog, IDC_HEX_START_ADDRESS, &number, FALSE);
        if (!number) start = 0;
    }
    if (CheckStartAddress(format, start) == StartAddressCheck::TooLarge) {
        MessageBoxW(dialog, L"開始ｱﾄﾞﾚｽが大きすぎます。", L"不正な値", MB_OK | MB_ICONERROR);
        return;
    }
    *DialogRecord<HexOptions>(dialog) = HexOptions::ForFormat(format, start);
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK HexOptionDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        KeepDialogRecord(dialog, lParam);
        OnInitDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_HEX_FORMAT:
        EnableStartAddress(dialog, OffersStartAddress(CurrentFormat(dialog)));
        return TRUE;
    case IDOK:
        OnOk(dialog);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

bool HexImageWriter::Open(HWND owner) {
    if (IsOpen()) Close();
    CFile chooser(HexFileFilter);
    chooser.SetDefExt(HexFileExtension);
    char chosen[CFile::FilenameCapacity] = "";
    // The dialog only names the file: nothing exists under that name until
    // the whole image is written, so a cancelled options dialog leaves none.
    if (!chooser.ShowDialog(owner, chosen, 0)) return false;
    HexOptions options = HexOptions::ForFormat(HexFormat::EightBit);
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), L"HEXOPTIONDIALOG", owner, HexOptionDialogProcedure,
                                     reinterpret_cast<LPARAM>(&options));
    if (result != IDOK) return false;
    return Open(chosen, options);
}

#include "editor/dialogs/ExportProgress.h"

#include <commctrl.h>

#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

// The bar runs in thousandths.
const int BarRange = 1000;

}  // namespace

ExportProgress::ExportProgress(HWND owner, DWORD showAfter)
    : owner_(owner),
      window_(nullptr),
      showAfter_(showAfter),
      started_(0),
      shownPermille_(-1),
      cancelled_(false),
      ownerDisabled_(false) {}

ExportProgress::~ExportProgress() {
    // The owner first, so that it gets the activation back.
    if (ownerDisabled_) EnableWindow(owner_, TRUE);
    if (window_) DestroyWindow(window_);
}

BuildProgressHook ExportProgress::Hook() {
    return [this](const BuildProgress& progress) { return Report(progress); };
}

INT_PTR CALLBACK ExportProgress::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        KeepDialogRecord(dialog, lParam);
        SendDlgItemMessageW(dialog, IDC_HEX_PROGRESS_BAR, PBM_SETRANGE32, 0, BarRange);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            ExportProgress* self = DialogRecord<ExportProgress>(dialog);
            if (self) self->cancelled_ = true;
            EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
        }
        return TRUE;
    }
    return FALSE;
}

void ExportProgress::Show() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    window_ = CreateDialogParamW(GetModuleHandleW(nullptr), L"HEXEXPORTPROGRESS", owner_, &ExportProgress::DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (!window_) return;
    if (owner_ && IsWindowEnabled(owner_)) {
        EnableWindow(owner_, FALSE);
        ownerDisabled_ = true;
    }
    ShowWindow(window_, SW_SHOW);
}

void ExportProgress::Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The application is closing: stop, and leave the quit to the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            cancelled_ = true;
            return;
        }
        if (window_ && IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool ExportProgress::Report(const BuildProgress& progress) {
    const ULONGLONG now = GetTickCount64();
    if (started_ == 0) started_ = now;
    if (!window_ && now - started_ >= showAfter_) Show();
    if (window_) {
        const int permille = static_cast<int>(progress.Done() * BarRange);
        if (permille != shownPermille_) {
            SendDlgItemMessageW(window_, IDC_HEX_PROGRESS_BAR, PBM_SETPOS, permille, 0);
            shownPermille_ = permille;
        }
        Pump();
    }
    return !cancelled_;
}

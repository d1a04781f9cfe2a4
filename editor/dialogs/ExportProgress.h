// ExportProgress: the window of Create Hex File's progress. A build still
// running after half a second shows "HEXEXPORTPROGRESS", a progress bar with
// Cancel, and keeps the editor's windows answering while it goes on; Cancel
// stops the build, and the HEX file is then left as it was. The main window
// takes no input while the window is up.
#ifndef LUMIGRID_EDITOR_EXPORTPROGRESS_H
#define LUMIGRID_EDITOR_EXPORTPROGRESS_H

#include <windows.h>

#include "pattern/program/BuildProgress.h"

class ExportProgress {
public:
    // The window shows once the build has taken showAfter milliseconds.
    explicit ExportProgress(HWND owner, DWORD showAfter = 500);
    ~ExportProgress();
    ExportProgress(const ExportProgress&) = delete;
    ExportProgress& operator=(const ExportProgress&) = delete;

    // The hook for the build: false once the user has cancelled.
    BuildProgressHook Hook();
    bool Report(const BuildProgress& progress);
    bool Cancelled() const { return cancelled_; }
    HWND Window() const { return window_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Show();
    // Hands on the messages waiting for the editor's windows.
    void Pump();

    HWND owner_;
    HWND window_;
    DWORD showAfter_;
    ULONGLONG started_;
    int shownPermille_;
    bool cancelled_;
    bool ownerDisabled_;
};

#endif

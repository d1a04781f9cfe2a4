// Import Picture... and Export Picture...: the file dialogs, the dialog
// "PICTUREEXPORT" (which frames, scale), and the commands around them and
// "PICTUREIMPORT" (PictureImportDialog). The pictures are read and drawn by
// the same core as lumigrid-cli import and render.
#ifndef LUMIGRID_EDITOR_PICTUREDIALOGS_H
#define LUMIGRID_EDITOR_PICTUREDIALOGS_H

#include <windows.h>

#include <string>
#include <vector>

#include "editor/dialogs/PictureImportDialog.h"

// The record of "PICTUREEXPORT".
struct PictureExport {
    bool editedFrameExists = true;
    bool everyFrame = false;
    unsigned scale = 8;
};

void OnImportPicture(HWND window);
void OnExportPicture(HWND window);

INT_PTR CALLBACK PictureExportDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The files an open dialog with multiple selection returned in its buffer:
// one full path, or a directory followed by names; in the order of the names.
std::vector<std::string> ChosenFiles(const char* buffer);

#endif

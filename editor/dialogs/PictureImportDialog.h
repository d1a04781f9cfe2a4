// The dialog "PICTUREIMPORT" of Import Picture...: the size of the pattern
// (the current pattern's at first, or the pictures' own), how the pictures
// fit it and where they sit, the dithering or the threshold, inverting, and
// a live preview of the first frame at the board's size. The pictures are
// imported by the same core as lumigrid-cli import, again at each change.
#ifndef LUMIGRID_EDITOR_PICTUREIMPORTDIALOG_H
#define LUMIGRID_EDITOR_PICTUREIMPORTDIALOG_H

#include <windows.h>

#include <string>
#include <vector>

#include "picture/ImageImport.h"

// The record of "PICTUREIMPORT": the pictures chosen, the options as they
// stand (columns and rows 0: the pictures' own size), and what they make.
struct PictureImport {
    std::vector<std::string> paths;
    ImportOptions options;
    ImportResult result;
};

INT_PTR CALLBACK PictureImportDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Why the import was refused, in the dialog's words; the file by its name alone.
std::wstring ImportProblemText(const ImportProblem& problem);

#endif

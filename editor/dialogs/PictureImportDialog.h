// The pictures of Frame > "&Import Picture...": the open dialog that chooses
// them, and the dialog "PICTUREIMPORT": the size of the pattern
// (the current pattern's at first, or the pictures' own), how the pictures
// fit it and where they sit, the dithering or the threshold, inverting, and
// a live preview of the first picture at the board's size. Each picture is
// one picture of the sign (two frames side by side with the two planes the
// view shows). They are imported by the same core as lumigrid-cli import,
// again at each change.
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

// The pictures chosen in the open dialog, several at once; none when cancelled.
std::vector<std::string> ChoosePictures(HWND owner);
// The files an open dialog with multiple selection returned in its buffer:
// one full path, or a directory followed by names; in the order of the names.
std::vector<std::string> ChosenFiles(const char* buffer);
// True on OK, the record then holding the pattern the pictures made.
bool AskPictureImport(HWND owner, PictureImport& import);

// Why the import was refused, in the dialog's words; the file by its name alone.
std::wstring ImportProblemText(const ImportProblem& problem);

#endif

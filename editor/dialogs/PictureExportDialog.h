// The dialog "PICTUREEXPORT" of Frame > "E&xport Picture...": which frames
// (the edited one or every frame) and the scale of the picture.
#ifndef LUMIGRID_EDITOR_PICTUREEXPORTDIALOG_H
#define LUMIGRID_EDITOR_PICTUREEXPORTDIALOG_H

#include <windows.h>

// The dialog's record: what it opens with, and on OK what was chosen.
struct PictureExport {
    bool editedFrameExists = true;
    bool everyFrame = false;
    unsigned scale = 8;
};

// True on OK, the choice then holding the frames and scale chosen.
bool AskPictureExport(HWND owner, PictureExport& choice);

#endif

// The Preview List window ("ﾘｽﾄのﾌﾟﾚﾋﾞｭｰ", File > Preview List...): the
// selected display list played as the sign would show it (ProgramPlayback),
// its pattern files read as Create Hex File reads them, as last saved.
// Play/Pause, a slider over the ticks of one pass, the tick's length, and
// Save as GIF, which writes what lumigrid-cli preview writes. The entries
// that add nothing are listed with the reason. The window can be resized and
// maximised; the sign grows with it.
#ifndef LUMIGRID_EDITOR_PREVIEWLISTWINDOW_H
#define LUMIGRID_EDITOR_PREVIEWLISTWINDOW_H

#include <windows.h>

#include <cstdint>
#include <vector>

#include "editor/dialogs/ResizableLayout.h"
#include "pattern/program/ProgramPlayback.h"

struct PreviewListData {
    PlaybackLoad load;
    unsigned planes = 2;                  // as the editor's view shows them
    std::vector<std::uint64_t> startTicks;   // of each shown picture
    std::uint64_t tick = 0;
    bool playing = true;
    unsigned tickMilliseconds = 100;
    ResizableLayout layout;
};

// The tick's length a user may give, in milliseconds.
const unsigned MinPreviewTick = 10;
const unsigned MaxPreviewTick = 10000;

const UINT_PTR PreviewTickTimer = 1;
// The preview's GIF, as lumigrid-cli preview draws it by default.
const unsigned PreviewGifScale = 8;

// Shows the window over the owner until it is closed.
void ShowPreviewList(HWND owner, PreviewListData& data);

#endif

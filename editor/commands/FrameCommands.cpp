#include "editor/commands/FrameCommands.h"

#include <commctrl.h>

#include "editor/app/EditorState.h"
#include "editor/commands/UndoCommands.h"
#include "editor/grid/GridWindow.h"
#include "editor/grid/Playback.h"
#include "editor/views/SliderWindow.h"
#include "pattern/document/FrameTools.h"
#include "resources/resource.h"

namespace {

HWND Trackbar() { return GetDlgItem(editor.sliderWindow, IDC_FRAME_SLIDER); }

bool EditedFrameExists() { return EditedFrame() < editor.pattern->frameCount; }

// A tool that changes the frame count, as one undoable step.
template <class Tool>
void ChangeFrames(Tool tool, std::uint32_t shownAfter) {
    BeginPatternEdit();
    if (!tool(*editor.pattern)) {
        CancelPatternEdit();
        return;
    }
    EndPatternEdit();
    ShowEditedFrame(shownAfter);
}

void StepPage(int step) {
    HWND trackbar = Trackbar();
    if (!IsWindowEnabled(trackbar)) return;
    int position = static_cast<int>(SendMessageW(trackbar, TBM_GETPOS, 0, 0)) + step;
    int last = static_cast<int>(SendMessageW(trackbar, TBM_GETRANGEMAX, 0, 0));
    if (position < 0 || position > last) return;
    SendMessageW(trackbar, TBM_SETPOS, TRUE, position);
    SendMessageW(editor.sliderWindow, WM_HSCROLL, 0, 0);
}

void Enable(UINT command, bool enabled) {
    EnableMenuItem(editor.menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

std::uint32_t EditedFrame() { return static_cast<std::uint32_t>(editor.firstFrame + editor.targetPlane); }

void OnShiftFrame(UINT command) {
    static const ShiftDirection directions[] = {ShiftDirection::Up, ShiftDirection::Down, ShiftDirection::Left,
                                                ShiftDirection::Right};
    std::uint32_t frame = EditedFrame();
    BeginFrameEdit(frame);
    ShiftFrame(*editor.pattern, frame, directions[command - IDM_FRAME_SHIFT_UP]);
    EndFrameEdit();
    RepaintGrid();
}

void OnInsertFrame() {
    std::uint32_t frame = EditedFrame();
    if (!EditedFrameExists()) return;
    ChangeFrames([frame](LedPattern& pattern) { return InsertBlankFrame(pattern, frame); }, frame);
}

void OnDuplicateFrame() {
    std::uint32_t frame = EditedFrame();
    ChangeFrames([frame](LedPattern& pattern) { return DuplicateFrame(pattern, frame); }, frame);
}

void OnDeleteFrame() {
    std::uint32_t frame = EditedFrame();
    // The frame after takes its place; after the last, the one before.
    std::uint32_t shown = frame + 1 < editor.pattern->frameCount ? frame : frame - 1;
    ChangeFrames([frame](LedPattern& pattern) { return DeleteFrame(pattern, frame); }, shown);
}

void OnNextPage() { StepPage(1); }
void OnPreviousPage() { StepPage(-1); }

void OnInitWorkbenchMenu() {
    const LedPattern& pattern = *editor.pattern;
    Enable(IDM_EDIT_UNDO, editor.history.CanUndo());
    Enable(IDM_EDIT_REDO, editor.history.CanRedo());
    bool room = pattern.frameCount < LedPattern::MaxFrames;
    Enable(IDM_FRAME_INSERT, room && EditedFrameExists());
    Enable(IDM_FRAME_DUPLICATE, room && EditedFrameExists());
    Enable(IDM_FRAME_DELETE, pattern.frameCount > 1 && EditedFrameExists());
    CheckMenuItem(editor.menu, IDM_FRAME_PLAY, MF_BYCOMMAND | (IsPlaying() ? MF_CHECKED : MF_UNCHECKED));
}

void ShowEditedFrame(std::uint32_t frame) {
    editor.frameCount = static_cast<int>(editor.pattern->frameCount);
    if (frame >= editor.pattern->frameCount) frame = editor.pattern->frameCount ? editor.pattern->frameCount - 1 : 0;
    editor.firstFrame = static_cast<int>(frame) / editor.planeCount * editor.planeCount;
    UpdateSlider();
    int plane = static_cast<int>(frame) - editor.firstFrame;
    if (plane >= 0 && plane < editor.planeCount) editor.targetPlane = plane;
    RepaintGrid();
}

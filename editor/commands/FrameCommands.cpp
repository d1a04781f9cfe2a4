#include "editor/commands/FrameCommands.h"

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/commands/FileCommands.h"
#include "editor/dialogs/EffectsDialog.h"
#include "editor/dialogs/GoToFrameDialog.h"
#include "editor/dialogs/PictureExportDialog.h"
#include "editor/dialogs/PictureImportDialog.h"
#include "editor/dialogs/ResizeDialog.h"
#include "editor/dialogs/TextDialog.h"
#include "editor/document/DocumentChange.h"
#include "editor/document/EditRecording.h"
#include "editor/document/PatternReplacement.h"
#include "editor/grid/Paging.h"
#include "editor/grid/Playback.h"
#include "pattern/document/FrameTools.h"
#include "picture/PatternPicture.h"
#include "resources/resource.h"

namespace {

const char PngFilter[] = "PNG Picture (*.png)\0*.png\0All Files (*.*)\0*.*\0";
const char PngExtension[] = "png";
// As lumigrid-cli render lays out every frame.
const unsigned ExportFramesPerRow = 8;

// The pictures the view shows, which the tools that make pictures follow.
Planes ViewPlanes(const EditorState& state) { return state.planeCount == 1 ? Planes::One : Planes::Two; }

// Generated frames take the pattern's place once the user has had the
// chance to save it, as Load asks.
void PutInPlace(EditorState& state, HWND window, std::unique_ptr<LedPattern> generated) {
    if (!generated || !AskSaveChanges(state, window)) return;
    ReplacePattern(state, std::move(generated));
}

// A tool that changes the frame count, as one undoable step.
template <class Tool>
void ChangeFrames(EditorState& state, Tool tool, std::uint32_t shownAfter) {
    BeginPatternEdit(state);
    if (!tool(*state.pattern)) {
        CancelPatternEdit(state);
        return;
    }
    EndPatternEdit(state);
    ShowEditedFrame(state, shownAfter);
}

const wchar_t* ExportFailureText(PictureFileStatus status) {
    switch (status) {
    case PictureFileStatus::TooLarge:
        return L"画像が大きすぎます。拡大率を小さくするか、編集中のﾌﾚｰﾑだけを書き出してください。\n画像ファイルは作成されませんでした。";
    case PictureFileStatus::OutOfMemory:
        return L"メモリが足りません。\n画像ファイルは作成されませんでした。";
    case PictureFileStatus::NoPixels:
        return L"このデータには表示する LED がありません。\n画像ファイルは作成されませんでした。";
    case PictureFileStatus::CannotWrite:
    case PictureFileStatus::Written:
        break;
    }
    return L"ファイルに書き込めませんでした。\n画像ファイルは作成されませんでした。";
}

}  // namespace

void OnFrameText(EditorState& state, HWND window) {
    TextDialogData data;
    const LedPattern& pattern = *state.pattern;
    data.frame.columns = pattern.columns;
    data.frame.rows = pattern.rows;
    // The pattern keeps its display mode and wait; only its frames are the text's.
    data.frame.controlCode = pattern.header.controlCode;
    data.frame.wait = pattern.header.wait;
    data.frame.planes = ViewPlanes(state);
    if (!AskText(window, data)) return;
    PutInPlace(state, window, std::move(data.result));
}

void OnFrameImportPicture(EditorState& state, HWND window) {
    // Asked first, as Load asks: the pictures then replace the frames at once.
    if (!AskSaveChanges(state, window)) return;
    PictureImport import;
    if (state.remembered.pictureImportChosen) {
        import.options = state.remembered.pictureImport;
    } else {
        import.options.columns = state.pattern->columns;
        import.options.rows = state.pattern->rows;
    }
    // The pictures are made for the planes the view shows now.
    import.options.planes = ViewPlanes(state);
    import.paths = ChoosePictures(window);
    if (import.paths.empty()) return;
    if (!AskPictureImport(window, import)) return;
    // The next import of the session starts where this one ended.
    state.remembered.pictureImport = import.options;
    state.remembered.pictureImportChosen = true;
    if (import.result.pattern) ReplacePattern(state, std::move(import.result.pattern));
}

void OnFrameExportPicture(EditorState& state, HWND window) {
    CFile chooser(PngFilter);
    chooser.SetDefExt(PngExtension);
    char chosen[CFile::FilenameCapacity] = "";
    // The dialog only names the file; it is written once the options are chosen.
    if (!chooser.ShowDialog(window, chosen, 0)) return;
    const LedPattern& pattern = *state.pattern;
    PictureExport choice;
    const std::uint32_t edited = state.EditedFrame();
    choice.editedFrameExists = edited < pattern.frameCount;
    if (!AskPictureExport(window, choice)) return;
    const bool every = choice.everyFrame || !choice.editedFrameExists;
    PictureFileStatus status = WritePatternPicture(pattern, every ? 0 : edited, every ? pattern.frameCount : 1,
                                                   choice.scale, ExportFramesPerRow, chosen, RenderStyle::Editor);
    if (status != PictureFileStatus::Written)
        MessageBoxW(window, ExportFailureText(status), L"エラー", MB_OK | MB_ICONERROR);
}

void OnFrameShift(EditorState& state, UINT command) {
    static const ShiftDirection directions[] = {ShiftDirection::Up, ShiftDirection::Down, ShiftDirection::Left,
                                                ShiftDirection::Right};
    const std::uint32_t frame = state.EditedFrame();
    BeginFrameEdit(state, frame);
    ShiftFrame(*state.pattern, frame, directions[command - IDM_FRAME_SHIFT_UP]);
    EndFrameEdit(state);
    Refresh(state, RefreshPart::Grid);
}

void OnFrameInsert(EditorState& state) {
    const std::uint32_t frame = state.EditedFrame();
    if (!state.EditedFrameExists()) return;
    ChangeFrames(state, [frame](LedPattern& pattern) { return InsertBlankFrame(pattern, frame); }, frame);
}

void OnFrameDuplicate(EditorState& state) {
    const std::uint32_t frame = state.EditedFrame();
    ChangeFrames(state, [frame](LedPattern& pattern) { return DuplicateFrame(pattern, frame); }, frame);
}

void OnFrameDelete(EditorState& state) {
    const std::uint32_t frame = state.EditedFrame();
    // The frame after takes its place; after the last, the one before.
    const std::uint32_t shown = frame + 1 < state.pattern->frameCount ? frame : frame - 1;
    ChangeFrames(state, [frame](LedPattern& pattern) { return DeleteFrame(pattern, frame); }, shown);
}

void OnFrameNextPage(EditorState& state) { StepPage(state, 1); }
void OnFramePreviousPage(EditorState& state) { StepPage(state, -1); }
void OnFramePlay(EditorState& state) { StartOrStopPlayback(state); }

void OnFrameResize(EditorState& state, HWND window) {
    LedPattern& pattern = *state.pattern;
    ResizeChoice choice = {pattern.columns, pattern.rows, ResizeAnchor::TopLeft};
    if (!AskNewFrameSize(window, choice)) return;
    const PatternShape before = ShapeOf(pattern);
    BeginPatternEdit(state);
    if (!ResizeFrames(pattern, choice.columns, choice.rows, choice.anchor)) {
        CancelPatternEdit(state);
        return;
    }
    EndPatternEdit(state);
    FollowPattern(state, state.EditedFrame(), before);
}

void OnFrameGoTo(EditorState& state, HWND window) {
    GoToFrameChoice choice = {static_cast<int>(state.EditedFrame()), static_cast<int>(state.pattern->frameCount)};
    if (choice.frameCount < 1) return;
    if (choice.frame >= choice.frameCount) choice.frame = choice.frameCount - 1;
    if (!AskFrameToGoTo(window, choice)) return;
    ShowEditedFrame(state, static_cast<std::uint32_t>(choice.frame));
}

void OnFrameEffects(EditorState& state, HWND window) {
    EffectsDialogData data;
    data.pattern = state.pattern.get();
    data.planes = ViewPlanes(state);
    data.editedPicture = state.EditedFrame() / PlaneCount(data.planes);
    if (!AskEffects(window, data) || !data.result.pattern) return;
    if (data.everyPicture) ReplacePatternFrames(state, *data.result.pattern);
    else
        ReplacePictureFrames(state, data.editedPicture, *data.result.pattern,
                             static_cast<std::uint32_t>(data.result.frameCount), data.planes);
}

#include "editor/commands/FileCommands.h"

#include <memory>

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"
#include "editor/commands/FramePairNotice.h"
#include "editor/commands/HexExportReport.h"
#include "editor/dialogs/ExportProgress.h"
#include "editor/dialogs/NewPatternDialog.h"
#include "editor/dialogs/PreviewListWindow.h"
#include "editor/document/DocumentChange.h"
#include "editor/document/PatternLoading.h"
#include "editor/document/RecoveryKeeping.h"
#include "pattern/document/NewPattern.h"

namespace {

// A new pattern has two frames, whatever the size.
const int NewFrames = 2;

bool ListSelected(const EditorState& state) { return state.displayList.IsSelected(); }

}  // namespace

void OnFileNew(EditorState& state, HWND window) {
    NewPatternChoice choice = {state.pattern->columns, state.pattern->rows, NewFrames};
    if (!AskNewPatternSize(window, choice)) return;
    if (!AskSaveChanges(state, window)) return;
    std::unique_ptr<LedPattern> blank =
        NewBlankPattern(choice.columns, choice.rows, static_cast<std::uint32_t>(choice.frames));
    // Without memory for its frames the pattern being edited stays.
    if (!blank) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    ReplaceDocument(state, std::move(blank));
}

void OnFileLoad(EditorState& state, HWND window) {
    if (!AskSaveChanges(state, window)) return;
    std::unique_ptr<LedPattern> loaded = ChooseAndLoadPattern(window);
    if (!loaded) return;
    ReplaceDocument(state, std::move(loaded));
}

void OnFileSave(EditorState& state, HWND window) { SavePattern(state, window, ListSelected(state), false); }

void OnFileSaveAs(EditorState& state, HWND window) {
    // Only a save that has just succeeded with the box ticked adds to the list.
    if (SavePattern(state, window, ListSelected(state), true) && state.pattern->header.addToList)
        state.displayList.AddAndReport(window, state.pattern->fileName.get());
}

void OnFileAddToList(EditorState& state, HWND window) {
    LedPattern& pattern = *state.pattern;
    if (pattern.fileName) {
        if (state.displayList.AddAndReport(window, pattern.fileName.get())) NoteUnpairedFrames(window, pattern);
    } else if (SavePattern(state, window, true, true) && pattern.header.addToList) {
        // A first save offered from here adds the file when the box is ticked, as Save As does.
        state.displayList.AddAndReport(window, pattern.fileName.get());
    }
}

void OnFileCreateHexFile(EditorState& state, HWND window) {
    ListOmissions omissions;
    bool written;
    {
        // The progress window, if the export needs one, is gone before the report.
        ExportProgress progress(window);
        written = state.displayList.CreateHexFile(window, &omissions, progress.Hook());
    }
    if (!written) return;
    const std::wstring report = HexExportReportText(omissions);
    if (!report.empty()) MessageBoxW(window, report.c_str(), L"確認", MB_OK | MB_ICONWARNING);
}

void OnFileExit(EditorState& state) { SendMessageW(state.windows.mainWindow, WM_CLOSE, 0, 0); }

void OnFilePreviewList(EditorState& state, HWND window) {
    PreviewListData data;
    // Played on a sign of the planes the view shows, as Play pages through them.
    data.planes = static_cast<unsigned>(state.planeCount);
    data.load = LoadListPlayback(state.displayList, 0, 0, data.planes == 1 ? Planes::One : Planes::Two);
    ShowPreviewList(window, data);
}

bool SavePattern(EditorState& state, HWND window, bool listSelected, bool saveAs) {
    if (!state.pattern->Save(window, listSelected, saveAs)) return false;
    RemoveRecoveryFile(state);
    Refresh(state, RefreshPart::StatusBar);
    NoteUnpairedFrames(window, *state.pattern);
    return true;
}

bool AskSaveChanges(EditorState& state, HWND window) {
    if (!state.pattern->modified) return true;
    int answer = MessageBoxW(state.windows.mainWindow,
                             L"データは変更されています。\n現在編集しているデータを保存しますか？", L"確認",
                             MB_YESNO | MB_ICONWARNING);
    // Esc and the close box end the box with neither answer: back to editing.
    // "No" gives the changes up: their copy goes with them.
    if (answer == IDNO) {
        RemoveRecoveryFile(state);
        return true;
    }
    if (answer != IDYES) return false;
    return SavePattern(state, window, ListSelected(state), false);
}

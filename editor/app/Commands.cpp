#include "editor/app/Commands.h"

#include <new>

#include "editor/app/EditorState.h"
#include "editor/commands/FrameCommands.h"
#include "editor/commands/FramePairNotice.h"
#include "editor/commands/HexExportReport.h"
#include "editor/commands/PictureDialogs.h"
#include "editor/commands/ToolCommands.h"
#include "editor/commands/UndoCommands.h"
#include "editor/dialogs/EffectsDialog.h"
#include "editor/dialogs/GoToFrameDialog.h"
#include "editor/dialogs/NewPatternDialog.h"
#include "editor/dialogs/OptionsDialog.h"
#include "editor/dialogs/PreviewWindow.h"
#include "editor/dialogs/ResizeDialog.h"
#include "editor/dialogs/TextDialog.h"
#include "editor/document/PatternLoading.h"
#include "editor/grid/GridWindow.h"
#include "editor/grid/Playback.h"
#include "editor/grid/ToolPointer.h"
#include "editor/grid/Zoom.h"
#include "editor/views/SliderWindow.h"
#include "editor/views/StatusBar.h"
#include "editor/views/ViewLayout.h"
#include "pattern/document/LedFile.h"
#include "pattern/win32/ListEditDialog.h"
#include "resources/resource.h"

namespace {

void OnEditMode(UINT command) {
    editor.MarkMenuRadio(IDM_EDIT_XOR_MODE, IDM_EDIT_ERASE_MODE, command);
    editor.editMode = static_cast<int>(command - IDM_EDIT_XOR_MODE);
}

void OnPlaneCount(UINT command) {
    editor.MarkMenuRadio(IDM_VIEW_ONE_PLANE, IDM_VIEW_TWO_PLANES, command);
    editor.planeCount = static_cast<int>(command - IDM_VIEW_ONE_PLANE + 1);
    if (editor.targetPlane >= editor.planeCount) editor.targetPlane = 0;
    UpdateSlider();
    LayOutViews();
    RepaintGrid();
}

void OnChangeTarget() {
    if (editor.planeCount <= 1) return;
    editor.targetPlane = (editor.targetPlane + 1) % editor.planeCount;
    RepaintGrid();
}

void OnOption(HWND window) {
    // Begun before the dialog, which sets the wait in place on OK.
    BeginPatternEdit();
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), L"animationoption", window, OptionsDialogProcedure,
                                     reinterpret_cast<LPARAM>(&editor));
    if (result == IDOK) {
        editor.pattern->SetFrameCount(static_cast<std::uint32_t>(editor.frameCount));
        EndPatternEdit();
    } else {
        CancelPatternEdit();
    }
    // The pattern may hold fewer frames than asked for, never more.
    editor.frameCount = static_cast<int>(editor.pattern->frameCount);
    editor.targetPlane = 0;
    editor.firstFrame = 0;
    UpdateSlider();
    RepaintGrid();
}

void OnTransparent() {
    editor.transparent = !editor.transparent;
    CheckMenuItem(editor.menu, IDM_VIEW_TRANSPARENT, MF_BYCOMMAND | (editor.transparent ? MF_CHECKED : MF_UNCHECKED));
    RepaintGrid();
}

void OnCopy() {
    if (CopySelection()) return;
    std::size_t size = editor.pattern->FrameSize();
    editor.clipboard.reset(new (std::nothrow) std::uint8_t[size ? size : 1]());
    if (editor.clipboard) editor.pattern->CopyFrame(EditedFrame(), editor.clipboard.get());
}

bool ListSelected() { return editor.displayList.IsSelected(); }

void OnLoad(HWND window) {
    if (!AskSaveChanges(window)) return;
    std::unique_ptr<LedPattern> loaded = ChooseAndLoadPattern(window);
    if (!loaded) return;
    editor.ReplaceDocument(std::move(loaded));
}

void OnSaveAs(HWND window) {
    // Only a save that has just succeeded with the box ticked adds to the list.
    if (SavePattern(window, ListSelected(), true) && editor.pattern->header.addToList)
        editor.displayList.AddAndReport(window, editor.pattern->fileName.get());
}

void OnAllClear() {
    std::uint32_t frame = static_cast<std::uint32_t>(editor.TargetView().frameIndex);
    BeginFrameEdit(frame);
    editor.pattern->ClearFrame(frame);
    EndFrameEdit();
    RepaintGrid();
}

void OnInverse() {
    BeginFrameEdit(EditedFrame());
    editor.pattern->InvertFrame(EditedFrame());
    EndFrameEdit();
    RepaintGrid();
}

void OnAddToList(HWND window) {
    if (editor.pattern->fileName) {
        if (editor.displayList.AddAndReport(window, editor.pattern->fileName.get()))
            NoteUnpairedFrames(window, *editor.pattern);
    } else if (SavePattern(window, true, true) && editor.pattern->header.addToList) {
        // A first save offered from here adds the file when the box is ticked, as Save As does.
        editor.displayList.AddAndReport(window, editor.pattern->fileName.get());
    }
}

void OnEditListFile(HWND window) {
    DialogBoxParamW(GetModuleHandleW(nullptr), L"ListEditDialog", window, ListEditDialogProcedure,
                    reinterpret_cast<LPARAM>(&editor.displayList));
}

void OnPaste() {
    if (PasteCopiedCells() || !editor.clipboard) return;
    BeginFrameEdit(EditedFrame());
    editor.pattern->PasteFrame(EditedFrame(), editor.clipboard.get());
    EndFrameEdit();
    RepaintGrid();
}

}  // namespace

LRESULT OnCommand(HWND window, WPARAM command, LPARAM parameter) {
    UINT id = LOWORD(command);
    // Any other command ends playing first, so that it acts on the page being edited.
    if (id != IDM_FRAME_PLAY) StopPlayback();
    // And the drawing tools finish what they have under way.
    FinishToolWork(KeepsSelection(id));
    if (OnToolCommand(id)) return 0;
    switch (id) {
    case IDM_FILE_EXIT:
        SendMessageW(editor.mainWindow, WM_CLOSE, 0, 0);
        return 0;
    case IDM_EDIT_ALL_CLEAR:
        OnAllClear();
        return 0;
    case IDM_EDIT_XOR_MODE:
    case IDM_EDIT_OR_MODE:
    case IDM_EDIT_ERASE_MODE:
        OnEditMode(id);
        return 0;
    case IDM_VIEW_ONE_PLANE:
    case IDM_VIEW_TWO_PLANES:
        OnPlaneCount(id);
        return 0;
    case IDM_EDIT_CHANGE_TARGET:
        OnChangeTarget();
        return 0;
    case IDM_VIEW_OPTION:
        OnOption(window);
        return 0;
    case IDM_VIEW_TRANSPARENT:
        OnTransparent();
        return 0;
    case IDM_EDIT_COPY:
        OnCopy();
        return 0;
    case IDM_EDIT_PASTE:
        OnPaste();
        return 0;
    case IDM_FILE_LOAD:
        OnLoad(window);
        return 0;
    case IDM_FILE_SAVE:
        SavePattern(window, ListSelected(), false);
        return 0;
    case IDM_FILE_SAVE_AS:
        OnSaveAs(window);
        return 0;
    case IDM_FILE_ADD_TO_LIST:
        OnAddToList(window);
        // Goes on to default processing, as the command always has.
        return DefWindowProcW(window, WM_COMMAND, command, parameter);
    case IDM_FILE_CREATE_HEX:
        OnCreateHexFile(editor.mainWindow);
        return 0;
    case IDM_EDIT_LIST_FILE:
        OnEditListFile(window);
        return 0;
    case IDM_FRAME_TEXT:
        OnFrameText(window);
        return 0;
    case IDM_EDIT_INVERSE:
        OnInverse();
        return 0;
    case IDM_EDIT_UNDO:
        OnUndo();
        return 0;
    case IDM_EDIT_REDO:
        OnRedo();
        return 0;
    case IDM_FRAME_IMPORT_PICTURE:
        OnImportPicture(window);
        return 0;
    case IDM_FRAME_EXPORT_PICTURE:
        OnExportPicture(window);
        return 0;
    case IDM_FRAME_SHIFT_UP:
    case IDM_FRAME_SHIFT_DOWN:
    case IDM_FRAME_SHIFT_LEFT:
    case IDM_FRAME_SHIFT_RIGHT:
        OnShiftFrame(id);
        return 0;
    case IDM_FRAME_INSERT:
        OnInsertFrame();
        return 0;
    case IDM_FRAME_DUPLICATE:
        OnDuplicateFrame();
        return 0;
    case IDM_FRAME_DELETE:
        OnDeleteFrame();
        return 0;
    case IDM_FRAME_NEXT_PAGE:
        OnNextPage();
        return 0;
    case IDM_FRAME_PREVIOUS_PAGE:
        OnPreviousPage();
        return 0;
    case IDM_FRAME_PLAY:
        OnPlay();
        return 0;
    case IDM_FILE_NEW:
        OnNewPattern(window);
        return 0;
    case IDM_FRAME_RESIZE:
        OnResizeFrames(window);
        return 0;
    case IDM_FRAME_GO_TO:
        OnGoToFrame(window);
        return 0;
    case IDM_VIEW_ZOOM_IN:
        OnZoomIn();
        return 0;
    case IDM_VIEW_ZOOM_OUT:
        OnZoomOut();
        return 0;
    case IDM_VIEW_FIT_TO_WINDOW:
        OnFitToWindow();
        return 0;
    case IDM_VIEW_STATUS_BAR:
        OnStatusBarCommand();
        return 0;
    case IDM_FRAME_EFFECTS:
        OnFrameEffects(window);
        return 0;
    case IDM_FILE_PREVIEW_LIST:
        OnPreviewList(window);
        return 0;
    default:
        return DefWindowProcW(window, WM_COMMAND, command, parameter);
    }
}

void OnInitMenu() {
    EnableMenuItem(editor.menu, IDM_EDIT_PASTE, MF_BYCOMMAND | (HasClipboard() ? MF_ENABLED : MF_GRAYED));
    UINT listState = MF_BYCOMMAND | (ListSelected() ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(editor.menu, IDM_FILE_CREATE_HEX, listState);
    EnableMenuItem(editor.menu, IDM_EDIT_LIST_FILE, listState);
    EnableMenuItem(editor.menu, IDM_FILE_ADD_TO_LIST, listState);
    EnableMenuItem(editor.menu, IDM_FILE_PREVIEW_LIST, listState);
    OnInitWorkbenchMenu();
}

bool AskSaveChanges(HWND window) {
    if (!editor.pattern->modified) return true;
    int answer = MessageBoxW(editor.mainWindow,
                             L"データは変更されています。\n現在編集しているデータを保存しますか？", L"確認",
                             MB_YESNO | MB_ICONWARNING);
    // Esc and the close box end the box with neither answer: back to editing.
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;
    return SavePattern(window, ListSelected(), false);
}

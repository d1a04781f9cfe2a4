#include "editor/app/MenuCommands.h"

#include "editor/app/EditorState.h"
#include "editor/commands/CodeExportCommand.h"
#include "editor/commands/EditCommands.h"
#include "editor/commands/FileCommands.h"
#include "editor/commands/FrameCommands.h"
#include "editor/commands/ToolCommands.h"
#include "editor/commands/ViewCommands.h"
#include "editor/grid/Playback.h"
#include "editor/grid/ToolPointer.h"
#include "editor/views/MenuMarks.h"
#include "resources/resource.h"

LRESULT OnCommand(EditorState& state, HWND window, WPARAM command, LPARAM parameter) {
    const UINT id = LOWORD(command);
    // Any other command first ends playing and the tools' work under way: it acts on the page being edited.
    if (id != IDM_FRAME_PLAY) StopPlayback(state);
    FinishToolWork(state, KeepsSelection(id));
    switch (id) {
    case IDM_FILE_NEW: OnFileNew(state, window); break;
    case IDM_FILE_LOAD: OnFileLoad(state, window); break;
    case IDM_FILE_SAVE: OnFileSave(state, window); break;
    case IDM_FILE_SAVE_AS: OnFileSaveAs(state, window); break;
    case IDM_FILE_ADD_TO_LIST:
        OnFileAddToList(state, window);
        // Goes on to default processing, as the command always has.
        return DefWindowProcW(window, WM_COMMAND, command, parameter);
    case IDM_FILE_CREATE_HEX: OnFileCreateHexFile(state, window); break;
    case IDM_FILE_EXPORT_CODE: OnFileExportCode(state, window); break;
    case IDM_FILE_PREVIEW_LIST: OnFilePreviewList(state, window); break;
    case IDM_FILE_EXIT: OnFileExit(state); break;

    case IDM_EDIT_COPY: OnEditCopy(state); break;
    case IDM_EDIT_PASTE: OnEditPaste(state); break;
    case IDM_EDIT_INVERSE: OnEditInverse(state); break;
    case IDM_EDIT_ALL_CLEAR: OnEditAllClear(state); break;
    case IDM_EDIT_XOR_MODE:
    case IDM_EDIT_OR_MODE:
    case IDM_EDIT_ERASE_MODE: OnEditMode(state, id); break;
    case IDM_EDIT_CHANGE_TARGET: OnEditChangeTarget(state); break;
    case IDM_EDIT_LIST_FILE: OnEditListFile(state, window); break;
    case IDM_EDIT_UNDO: OnEditUndo(state); break;
    case IDM_EDIT_REDO: OnEditRedo(state); break;

    case IDM_VIEW_ONE_PLANE:
    case IDM_VIEW_TWO_PLANES: OnViewPlanes(state, id); break;
    case IDM_VIEW_TRANSPARENT: OnViewTransparent(state); break;
    case IDM_VIEW_OPTION: OnViewOption(state, window); break;
    case IDM_VIEW_ZOOM_IN: OnViewZoomIn(state); break;
    case IDM_VIEW_ZOOM_OUT: OnViewZoomOut(state); break;
    case IDM_VIEW_FIT_TO_WINDOW: OnViewFitToWindow(state); break;
    case IDM_VIEW_STATUS_BAR: OnViewStatusBar(state); break;

    case IDM_FRAME_TEXT: OnFrameText(state, window); break;
    case IDM_FRAME_IMPORT_PICTURE: OnFrameImportPicture(state, window); break;
    case IDM_FRAME_EXPORT_PICTURE: OnFrameExportPicture(state, window); break;
    case IDM_FRAME_SHIFT_UP:
    case IDM_FRAME_SHIFT_DOWN:
    case IDM_FRAME_SHIFT_LEFT:
    case IDM_FRAME_SHIFT_RIGHT: OnFrameShift(state, id); break;
    case IDM_FRAME_INSERT: OnFrameInsert(state); break;
    case IDM_FRAME_DUPLICATE: OnFrameDuplicate(state); break;
    case IDM_FRAME_DELETE: OnFrameDelete(state); break;
    case IDM_FRAME_NEXT_PAGE: OnFrameNextPage(state); break;
    case IDM_FRAME_PREVIOUS_PAGE: OnFramePreviousPage(state); break;
    case IDM_FRAME_PLAY: OnFramePlay(state); break;
    case IDM_FRAME_RESIZE: OnFrameResize(state, window); break;
    case IDM_FRAME_GO_TO: OnFrameGoTo(state, window); break;
    case IDM_FRAME_EFFECTS: OnFrameEffects(state, window); break;

    case IDM_TOOLS_PENCIL:
    case IDM_TOOLS_FREEHAND:
    case IDM_TOOLS_LINE:
    case IDM_TOOLS_RECTANGLE:
    case IDM_TOOLS_FILLED_RECTANGLE:
    case IDM_TOOLS_ELLIPSE:
    case IDM_TOOLS_FILLED_ELLIPSE:
    case IDM_TOOLS_FLOOD_FILL:
    case IDM_TOOLS_SELECT: OnToolsChooseTool(state, id); break;
    case IDM_TOOLS_SELECT_ALL: OnToolsSelectAll(state); break;
    case IDM_TOOLS_FLIP_HORIZONTAL:
    case IDM_TOOLS_FLIP_VERTICAL:
    case IDM_TOOLS_ROTATE_CLOCKWISE:
    case IDM_TOOLS_ROTATE_ANTICLOCKWISE: OnToolsTurn(state, id); break;
    // The selection's keys, which have no menu item.
    case IDM_TOOLS_CLEAR_SELECTION: OnToolsClearSelection(state); break;
    case IDM_TOOLS_DROP_SELECTION: OnToolsDropSelection(state); break;

    default:
        return DefWindowProcW(window, WM_COMMAND, command, parameter);
    }
    return 0;
}

void OnInitMenu(const EditorState& state) {
    const HMENU menu = state.windows.menu;
    const LedPattern& pattern = *state.pattern;
    EnableMenuCommand(menu, IDM_EDIT_PASTE, HasClipboard(state));
    const bool listSelected = state.displayList.IsSelected();
    EnableMenuCommand(menu, IDM_FILE_CREATE_HEX, listSelected);
    EnableMenuCommand(menu, IDM_EDIT_LIST_FILE, listSelected);
    EnableMenuCommand(menu, IDM_FILE_ADD_TO_LIST, listSelected);
    EnableMenuCommand(menu, IDM_FILE_PREVIEW_LIST, listSelected);
    EnableMenuCommand(menu, IDM_EDIT_UNDO, state.history.CanUndo());
    EnableMenuCommand(menu, IDM_EDIT_REDO, state.history.CanRedo());
    const bool room = pattern.frameCount < LedPattern::MaxFrames;
    EnableMenuCommand(menu, IDM_FRAME_INSERT, room && state.EditedFrameExists());
    EnableMenuCommand(menu, IDM_FRAME_DUPLICATE, room && state.EditedFrameExists());
    EnableMenuCommand(menu, IDM_FRAME_DELETE, pattern.frameCount > 1 && state.EditedFrameExists());
    CheckMenuCommand(menu, IDM_FRAME_PLAY, IsPlaying(state));
}

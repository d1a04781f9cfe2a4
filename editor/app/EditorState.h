// EditorState: the editor's one global record of windows, modes and the
// objects it owns, from start-up to tear-down. The dialogs receive its
// address and change it in place.
#ifndef LUMIGRID_EDITOR_EDITORSTATE_H
#define LUMIGRID_EDITOR_EDITORSTATE_H

#include <windows.h>

#include <cstdint>
#include <memory>

#include "drawing/EditModes.h"
#include "editor/grid/DrawingTools.h"
#include "editor/grid/GridLayout.h"
#include "editor/views/PlaneView.h"
#include "pattern/document/EditHistory.h"
#include "pattern/document/LedPattern.h"
#include "pattern/list/DisplayList.h"

// The drawing surface every paint composes the grid in.
const int SurfaceWidth = 680;
const int SurfaceHeight = 480;

// The boxes of the two views in the grid window at start-up.
const RECT ViewBoxes[2] = {{10, 10, 330, 330}, {330, 10, 650, 330}};

// Whether the status bar shows: as the layout asks (hidden at start-up,
// shown otherwise) until the user chooses.
enum class StatusBarChoice { FollowLayout, Hidden, Shown };

struct EditorState {
    HWND mainWindow = nullptr;
    HWND gridWindow = nullptr;
    HWND sliderWindow = nullptr;
    HMENU menu = nullptr;
    HDC surface = nullptr;
    HBITMAP keptSurfaceBitmap = nullptr;   // selected back before the surface is deleted
    HBITMAP surfaceBitmap = nullptr;       // 680 x 480 at start-up, else the visible part of the grid
    int surfaceWidth = SurfaceWidth;
    int surfaceHeight = SurfaceHeight;
    int editMode = EditXor;
    int planeCount = 2;
    int frameCount = 2;
    int targetPlane = 0;
    int firstFrame = 0;
    std::uint8_t transparent = 1;
    std::unique_ptr<std::uint8_t[]> clipboard;
    std::unique_ptr<LedPattern> pattern;
    PlaneView views[2];
    DisplayList displayList;
    std::uint8_t penDown = 0;
    Cell lastCell = NoCell;
    // Undo and redo of the pattern's changes; emptied by Load.
    EditHistory history;
    HACCEL accelerators = nullptr;
    // The Tools menu's tool, its drag and the selection.
    DrawingTools tools;
    // Play: the page shown, and the page and target to return to.
    struct {
        bool playing = false;
        int page = 0;
        int keptFirstFrame = 0;
        int keptTargetPlane = 0;
    } playback;

    // The grid's zoom and scroll: a cell of 0 is as large as fits.
    struct {
        int cell = 0;
        int scrollX = 0;
        int scrollY = 0;
    } zoom;
    // The start-up layout holds for the 16 x 16 pattern, as large as fits,
    // in the main window's first size; any other is the grid's layout.
    bool startUpLayout = true;
    GridLayout layout = {};
    SIZE firstClientSize = {0, 0};
    // The trackbar's place in the slider dialog, as its template has it.
    RECT trackbarBox = {0, 0, 0, 0};
    HWND statusBar = nullptr;
    StatusBarChoice statusBarChoice = StatusBarChoice::FollowLayout;

    // The view that editing acts on, and the frame it shows.
    PlaneView& TargetView() { return views[targetPlane]; }
    // Points both views at a pattern, from frames 0 and 1, and lays them out
    // for its size, as large as fit.
    void ShowPattern(LedPattern* shown);
    // A pattern that takes the place of the document (Load, New): the
    // clipboard stays only for frames of its size, the undo history starts
    // anew, and the views, slider and title show its first page.
    void ReplaceDocument(std::unique_ptr<LedPattern> replacement);
    // Puts the radio mark of the menu group first .. last on chosen.
    void MarkMenuRadio(UINT first, UINT last, UINT chosen);
};

extern EditorState editor;

#endif

// EditorState: the editor's one record of windows, modes and the objects it
// owns, from start-up to tear-down, in named parts. Data only: what the
// windows show of it is refreshed by Refresh (Refresh.h). The slider and
// the options dialog receive its address; the options dialog changes it in
// place.
#ifndef LUMIGRID_EDITOR_EDITORSTATE_H
#define LUMIGRID_EDITOR_EDITORSTATE_H

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "drawing/EditModes.h"
#include "editor/grid/DrawingTools.h"
#include "editor/grid/GridLayout.h"
#include "editor/views/GdiObjects.h"
#include "editor/views/PlaneView.h"
#include "pattern/document/EditHistory.h"
#include "pattern/document/LedPattern.h"
#include "pattern/list/DisplayList.h"
#include "picture/ImageImport.h"

// The drawing surface every paint composes the grid in, at start-up.
const int SurfaceWidth = 680;
const int SurfaceHeight = 480;

// The boxes of the two views in the grid window at start-up.
const RECT ViewBoxes[2] = {{10, 10, 330, 330}, {330, 10, 650, 330}};

// The windows and the handles that go with them.
struct EditorWindows {
    HWND mainWindow = nullptr;
    HWND gridWindow = nullptr;
    HWND sliderWindow = nullptr;
    HMENU menu = nullptr;
    HACCEL accelerators = nullptr;
    HWND statusBar = nullptr;
};

// The off-screen surface. Its members go in the reverse of their order: the
// surface's own bitmap is selected back, then the bitmap made for it and the
// surface itself are deleted.
struct DrawingSurface {
    MemoryDc surface;
    OwnedBitmap bitmap;                 // 680 x 480 at start-up, else the visible part of the grid
    SelectedObject keptSurfaceBitmap;   // the bitmap the surface held before
    int width = SurfaceWidth;
    int height = SurfaceHeight;
};

// Play: the page shown, and the page and target to return to.
struct PlaybackState {
    bool playing = false;
    int page = 0;
    int keptFirstFrame = 0;
    int keptTargetPlane = 0;
};

// The grid's zoom and scroll: a cell of 0 is as large as fits.
struct ZoomState {
    int cell = 0;
    int scrollX = 0;
    int scrollY = 0;
};

// Whether the status bar shows: as the layout asks (hidden at start-up,
// shown otherwise) until the user chooses.
enum class StatusBarChoice { FollowLayout, Hidden, Shown };

// Where the windows and views lie.
struct LayoutState {
    // The start-up layout holds for the 16 x 16 pattern, as large as fits,
    // in the main window's first size; any other is the grid's layout.
    bool startUp = true;
    GridLayout grid = {};
    SIZE firstClientSize = {0, 0};
    // The trackbar's place in the slider dialog, as its template has it.
    RECT trackbarBox = {0, 0, 0, 0};
    StatusBarChoice statusBarChoice = StatusBarChoice::FollowLayout;
};

// This editor's copy of unsaved work (RecoveryKeeping.h).
struct RecoveryKeepingState {
    std::string path;                    // this editor's recovery file; empty: none is kept
    bool written = false;                // the file holds a copy
    std::uint64_t writtenChecksum = 0;   // of the pattern as last copied
    bool failed = false;                 // the last copy could not be written
};

// Choices a dialog offers again for the rest of the session.
struct RememberedChoices {
    bool pictureImportChosen = false;
    ImportOptions pictureImport;
};

struct EditorState {
    EditorWindows windows;
    DrawingSurface drawing;
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
    // The Tools menu's tool, its drag and the selection.
    DrawingTools tools;
    PlaybackState playback;
    ZoomState zoom;
    LayoutState layout;
    RecoveryKeepingState recovery;
    RememberedChoices remembered;

    // The view that editing acts on, and the frame it shows.
    PlaneView& TargetView() { return views[targetPlane]; }
    const PlaneView& TargetView() const { return views[targetPlane]; }
    // The frame the editing commands act on: the target view's.
    std::uint32_t EditedFrame() const { return static_cast<std::uint32_t>(firstFrame + targetPlane); }
    bool EditedFrameExists() const { return EditedFrame() < pattern->frameCount; }
    // The target view's frame, when it is one of the pattern's.
    bool TargetFrame(std::uint32_t& frame) const;
    // Whether the target view shows the frame the tools' drag or selection is on.
    bool ShowsToolFrame() const;

    // Pages of plane-count frames; at least one, also without frames.
    int PageCount() const;
    // The page that holds the first frame, within the pages there are.
    int FirstFramePage() const;
    // The frames of a page in the views: its first in view 0, view 0 the target.
    void ShowPageFrames(int page);
};

// The one record, read by the window procedures and the entry alone; every
// function below them is handed it.
extern EditorState editor;

// Releases everything the record owns and gives every field its first value.
void ResetEditorState(EditorState& state);

#endif

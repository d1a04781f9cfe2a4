#include "editor/views/ViewLayout.h"

#include "editor/app/EditorState.h"
#include "editor/grid/GridWindow.h"
#include "editor/views/StatusBar.h"

namespace {

const int StartUpColumns = 16;
const int StartUpRows = 16;

// The grid window's client area as it would be without scroll bars.
Extent WholeGridWindow() {
    RECT client;
    GetClientRect(editor.gridWindow, &client);
    LONG_PTR style = GetWindowLongPtrW(editor.gridWindow, GWL_STYLE);
    return {client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0),
            client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0)};
}

void ResizeSurface(int width, int height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (width == editor.surfaceWidth && height == editor.surfaceHeight) return;
    HDC windowDc = GetDC(editor.gridWindow);
    HBITMAP resized = CreateCompatibleBitmap(windowDc, width, height);
    ReleaseDC(editor.gridWindow, windowDc);
    // Without memory for it the surface keeps its size: the views are drawn
    // clipped to it.
    if (!resized) return;
    SelectObject(editor.surface, resized);
    DeleteObject(editor.surfaceBitmap);
    editor.surfaceBitmap = resized;
    editor.surfaceWidth = width;
    editor.surfaceHeight = height;
}

void SetScrollBar(int bar, bool shown, int content, int visible, int position) {
    ShowScrollBar(editor.gridWindow, bar, shown);
    if (!shown) return;
    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, content - 1,
                       static_cast<UINT>(visible), position, 0};
    SetScrollInfo(editor.gridWindow, bar, &info, TRUE);
}

void LayOutStartUpViews() {
    ShowScrollBar(editor.gridWindow, SB_BOTH, FALSE);
    ResizeSurface(SurfaceWidth, SurfaceHeight);
    for (int i = 0; i < 2; ++i)
        editor.views[i].Layout(ViewBoxes[i].left, ViewBoxes[i].top, ViewBoxes[i].right, ViewBoxes[i].bottom);
    editor.zoom.scrollX = 0;
    editor.zoom.scrollY = 0;
}

void LayOutGridViews() {
    const LedPattern* shown = editor.views[0].pattern;
    GridRequest request = {shown ? shown->columns : 0,
                           shown ? shown->rows : 0,
                           editor.planeCount,
                           WholeGridWindow(),
                           editor.zoom.cell,
                           {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)},
                           editor.zoom.scrollX,
                           editor.zoom.scrollY};
    GridLayout layout = LayOutGrid(request);
    SetScrollBar(SB_HORZ, layout.horizontalBar, layout.content.width, layout.visible.width, layout.scrollX);
    SetScrollBar(SB_VERT, layout.verticalBar, layout.content.height, layout.visible.height, layout.scrollY);
    ResizeSurface(layout.visible.width, layout.visible.height);
    for (int i = 0; i < 2; ++i) {
        Box box = layout.ViewInWindow(i);
        editor.views[i].Place(box.left, box.top, layout.cell);
    }
    editor.layout = layout;
    editor.zoom.scrollX = layout.scrollX;
    editor.zoom.scrollY = layout.scrollY;
}

}  // namespace

bool IsStartUpLayout() {
    const LedPattern* shown = editor.views[0].pattern;
    if (!shown || shown->columns != StartUpColumns || shown->rows != StartUpRows) return false;
    if (editor.zoom.cell != 0 || editor.statusBarChoice == StatusBarChoice::Shown) return false;
    RECT client;
    GetClientRect(editor.mainWindow, &client);
    return client.right == editor.firstClientSize.cx && client.bottom == editor.firstClientSize.cy;
}

void LayOutViews() {
    // Showing or hiding a scroll bar resizes the grid window, which would
    // ask for this layout again.
    static bool layingOut = false;
    if (layingOut || !editor.gridWindow || !editor.surface) return;
    layingOut = true;
    if (editor.startUpLayout) LayOutStartUpViews();
    else LayOutGridViews();
    layingOut = false;
    RepaintGrid();
    UpdateStatusBar();
}

void ScrollGridTo(int x, int y) {
    if (editor.startUpLayout) return;
    editor.zoom.scrollX = x;
    editor.zoom.scrollY = y;
    LayOutViews();
}

#include "editor/views/ViewLayout.h"

#include "editor/app/EditorState.h"

namespace {

const int StartUpColumns = 16;
const int StartUpRows = 16;

// The grid window's client area as it would be without scroll bars.
Extent WholeGridWindow(HWND gridWindow) {
    RECT client;
    GetClientRect(gridWindow, &client);
    LONG_PTR style = GetWindowLongPtrW(gridWindow, GWL_STYLE);
    return {client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0),
            client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0)};
}

void ResizeSurface(DrawingSurface& drawing, HWND gridWindow, int width, int height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (width == drawing.width && height == drawing.height) return;
    OwnedBitmap resized;
    {
        WindowDc windowDc(gridWindow);
        resized = OwnedBitmap(CreateCompatibleBitmap(windowDc, width, height));
    }
    // Without memory for it the surface keeps its size: the views are drawn
    // clipped to it.
    if (!resized) return;
    SelectObject(drawing.surface, resized);
    drawing.bitmap = std::move(resized);
    drawing.width = width;
    drawing.height = height;
}

void SetScrollBar(HWND gridWindow, int bar, bool shown, int content, int visible, int position) {
    ShowScrollBar(gridWindow, bar, shown);
    if (!shown) return;
    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, content - 1,
                       static_cast<UINT>(visible), position, 0};
    SetScrollInfo(gridWindow, bar, &info, TRUE);
}

void LayOutStartUpViews(EditorState& state) {
    ShowScrollBar(state.windows.gridWindow, SB_BOTH, FALSE);
    ResizeSurface(state.drawing, state.windows.gridWindow, SurfaceWidth, SurfaceHeight);
    for (int i = 0; i < 2; ++i)
        state.views[i].Layout(ViewBoxes[i].left, ViewBoxes[i].top, ViewBoxes[i].right, ViewBoxes[i].bottom);
    state.zoom.scrollX = 0;
    state.zoom.scrollY = 0;
}

void LayOutGridViews(EditorState& state) {
    HWND gridWindow = state.windows.gridWindow;
    const LedPattern* shown = state.views[0].pattern;
    GridRequest request = {shown ? shown->columns : 0,
                           shown ? shown->rows : 0,
                           state.planeCount,
                           WholeGridWindow(gridWindow),
                           state.zoom.cell,
                           {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)},
                           state.zoom.scrollX,
                           state.zoom.scrollY};
    GridLayout layout = LayOutGrid(request);
    SetScrollBar(gridWindow, SB_HORZ, layout.horizontalBar, layout.content.width, layout.visible.width,
                 layout.scrollX);
    SetScrollBar(gridWindow, SB_VERT, layout.verticalBar, layout.content.height, layout.visible.height,
                 layout.scrollY);
    ResizeSurface(state.drawing, gridWindow, layout.visible.width, layout.visible.height);
    for (int i = 0; i < 2; ++i) {
        Box box = layout.ViewInWindow(i);
        state.views[i].Place(box.left, box.top, layout.cell);
    }
    state.layout.grid = layout;
    state.zoom.scrollX = layout.scrollX;
    state.zoom.scrollY = layout.scrollY;
}

}  // namespace

bool IsStartUpLayout(const EditorState& state) {
    const LedPattern* shown = state.views[0].pattern;
    if (!shown || shown->columns != StartUpColumns || shown->rows != StartUpRows) return false;
    if (state.zoom.cell != 0 || state.layout.statusBarChoice == StatusBarChoice::Shown) return false;
    RECT client;
    GetClientRect(state.windows.mainWindow, &client);
    return client.right == state.layout.firstClientSize.cx && client.bottom == state.layout.firstClientSize.cy;
}

bool LayOutViews(EditorState& state) {
    // Showing or hiding a scroll bar resizes the grid window, which would
    // ask for this layout again.
    static bool layingOut = false;
    if (layingOut || !state.windows.gridWindow || !state.drawing.surface) return false;
    layingOut = true;
    if (state.layout.startUp) LayOutStartUpViews(state);
    else LayOutGridViews(state);
    layingOut = false;
    return true;
}

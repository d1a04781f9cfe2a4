#include "editor/views/MainLayout.h"

#include "editor/app/EditorState.h"
#include "editor/views/StatusBar.h"
#include "editor/views/ViewLayout.h"
#include "resources/resource.h"

namespace {

// The trackbar keeps its template's place at start-up and otherwise spans
// the slider's width, so that each of many pages has room on it.
void PlaceTrackbar(const EditorState& state) {
    HWND sliderWindow = state.windows.sliderWindow;
    HWND trackbar = GetDlgItem(sliderWindow, IDC_FRAME_SLIDER);
    RECT box = state.layout.trackbarBox;
    if (!state.layout.startUp) {
        RECT slider;
        GetClientRect(sliderWindow, &slider);
        box.right = slider.right - box.left > box.left ? slider.right - box.left : box.left + 1;
    }
    RECT now;
    GetWindowRect(trackbar, &now);
    MapWindowPoints(nullptr, sliderWindow, reinterpret_cast<POINT*>(&now), 2);
    if (now.left != box.left || now.top != box.top || now.right != box.right || now.bottom != box.bottom)
        MoveWindow(trackbar, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
}

}  // namespace

void KeepStartUpPlaces(EditorState& state) {
    RECT client;
    GetClientRect(state.windows.mainWindow, &client);
    state.layout.firstClientSize = {client.right, client.bottom};
    RECT& trackbar = state.layout.trackbarBox;
    GetWindowRect(GetDlgItem(state.windows.sliderWindow, IDC_FRAME_SLIDER), &trackbar);
    MapWindowPoints(nullptr, state.windows.sliderWindow, reinterpret_cast<POINT*>(&trackbar), 2);
}

bool UpdateLayout(EditorState& state) {
    const EditorWindows& windows = state.windows;
    // Until start-up has made them all, there is nothing to place.
    if (!windows.gridWindow || !windows.sliderWindow || !state.drawing.surface) return false;
    state.layout.startUp = IsStartUpLayout(state);
    RECT client;
    RECT slider;
    GetClientRect(windows.mainWindow, &client);
    client.bottom -= PlaceStatusBar(state, client);
    GetWindowRect(windows.sliderWindow, &slider);
    int sliderHeight = slider.bottom - slider.top;
    MoveWindow(windows.sliderWindow, 0, client.bottom - sliderHeight, client.right, sliderHeight, TRUE);
    PlaceTrackbar(state);
    // A maximise left the slider blank until it was clicked: its children
    // are painted anew with it.
    RedrawWindow(windows.sliderWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    MoveWindow(windows.gridWindow, 0, 0, client.right, client.bottom - sliderHeight, TRUE);
    return LayOutViews(state);
}

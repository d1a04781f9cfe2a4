#include "editor/app/EditorState.h"

#include <new>

EditorState editor;

void ResetEditorState(EditorState& state) {
    // The record's initial values are its members' own: it is made anew.
    state.~EditorState();
    new (&state) EditorState();
}

bool EditorState::TargetFrame(std::uint32_t& frame) const {
    const int index = TargetView().frameIndex;
    if (!pattern || index < 0 || static_cast<std::uint32_t>(index) >= pattern->frameCount) return false;
    frame = static_cast<std::uint32_t>(index);
    return true;
}

bool EditorState::ShowsToolFrame() const {
    std::uint32_t frame;
    return TargetFrame(frame) && frame == tools.frame;
}

int EditorState::PageCount() const {
    const int pages = frameCount / planeCount + (frameCount % planeCount ? 1 : 0);
    return pages > 0 ? pages : 1;
}

int EditorState::FirstFramePage() const {
    const int page = firstFrame / planeCount;
    if (page < 0) return 0;
    return page < PageCount() ? page : PageCount() - 1;
}

void EditorState::ShowPageFrames(int page) {
    firstFrame = page * planeCount;
    targetPlane = 0;
    // With one plane, view 1 keeps its frame: it is neither shown nor edited.
    for (int i = 0; i < planeCount; ++i) views[i].frameIndex = firstFrame + i;
}

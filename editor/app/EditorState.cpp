#include "editor/app/EditorState.h"

#include "editor/app/Application.h"
#include "editor/grid/GridWindow.h"
#include "editor/views/SliderWindow.h"

EditorState editor;

void EditorState::MarkMenuRadio(UINT first, UINT last, UINT chosen) {
    CheckMenuRadioItem(menu, first, last, chosen, MF_BYCOMMAND);
}

void EditorState::ShowPattern(LedPattern* shown) {
    for (int i = 0; i < 2; ++i) {
        views[i].pattern = shown;
        views[i].frameIndex = i;
    }
    zoom.cell = 0;
    zoom.scrollX = 0;
    zoom.scrollY = 0;
    UpdateLayout();
}

void EditorState::ReplaceDocument(std::unique_ptr<LedPattern> replacement) {
    // The clipboard only pastes into frames of its own size.
    if (replacement->FrameSize() != pattern->FrameSize()) clipboard.reset();
    pattern = std::move(replacement);
    history.Clear();
    ShowPattern(pattern.get());
    firstFrame = 0;
    frameCount = static_cast<int>(pattern->frameCount);
    UpdateSlider();
    RepaintGrid();
}

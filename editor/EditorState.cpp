#include "EditorState.h"

EditorState editor;

void EditorState::ShowPattern(LedPattern* shown) {
    for (int i = 0; i < 2; ++i) {
        views[i].pattern = shown;
        views[i].frameIndex = i;
        views[i].Layout(ViewBoxes[i].left, ViewBoxes[i].top, ViewBoxes[i].right, ViewBoxes[i].bottom);
    }
}

#include "EditorState.h"

EditorState editor;

void EditorState::MarkMenuRadio(UINT first, UINT last, UINT chosen) {
    CheckMenuRadioItem(menu, first, last, chosen, MF_BYCOMMAND);
}

void EditorState::ShowPattern(LedPattern* shown) {
    for (int i = 0; i < 2; ++i) {
        views[i].pattern = shown;
        views[i].frameIndex = i;
        views[i].Layout(ViewBoxes[i].left, ViewBoxes[i].top, ViewBoxes[i].right, ViewBoxes[i].bottom);
    }
}

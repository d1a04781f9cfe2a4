#include "editor/views/WindowTitle.h"

#include <cwchar>

#include "editor/app/EditorState.h"

namespace {

const wchar_t TitleFormat[] = L"Lumigrid ver " LUMIGRID_VERSION L"  [ %4d / %4d ]";

}  // namespace

void UpdateTitle(const EditorState& state) {
    wchar_t title[64];
    std::swprintf(title, 64, TitleFormat, state.firstFrame, state.frameCount);
    SetWindowTextW(state.windows.mainWindow, title);
}

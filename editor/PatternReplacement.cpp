#include "PatternReplacement.h"

#include "Commands.h"
#include "EditorState.h"
#include "GridWindow.h"
#include "SliderWindow.h"

bool ReplacePattern(HWND window, std::unique_ptr<LedPattern> generated) {
    if (!generated || !AskSaveChanges(window)) return false;
    // The same document with new frames: Save writes where it came from.
    if (editor.pattern->fileName) generated->SetFileName(editor.pattern->fileName.get());
    generated->modified = true;
    // The clipboard only pastes into frames of its own size.
    if (generated->FrameSize() != editor.pattern->FrameSize()) editor.clipboard.reset();
    editor.pattern = std::move(generated);
    editor.ShowPattern(editor.pattern.get());
    editor.firstFrame = 0;
    editor.targetPlane = 0;
    editor.frameCount = static_cast<int>(editor.pattern->frameCount);
    UpdateSlider();
    RepaintGrid();
    return true;
}

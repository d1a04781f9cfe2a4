#include "editor/commands/UndoCommands.h"

#include "editor/app/EditorState.h"
#include "editor/commands/FrameCommands.h"
#include "editor/grid/GridWindow.h"
#include "pattern/document/FrameTools.h"

namespace {

struct Shape {
    std::size_t frameSize;
    int columns;
    int rows;
};

Shape ShapeOf(const LedPattern& pattern) { return {pattern.FrameSize(), pattern.columns, pattern.rows}; }

void AfterStep(std::int64_t changed, const Shape& before) {
    if (changed == EditHistory::Nothing) return;
    std::uint32_t shown = static_cast<std::uint32_t>(editor.firstFrame + editor.targetPlane);
    if (changed >= 0) shown = static_cast<std::uint32_t>(changed);
    FollowPattern(shown, before.frameSize, before.columns, before.rows);
}

}  // namespace

void OnUndo() {
    Shape before = ShapeOf(*editor.pattern);
    AfterStep(editor.history.Undo(*editor.pattern), before);
}

void OnRedo() {
    Shape before = ShapeOf(*editor.pattern);
    AfterStep(editor.history.Redo(*editor.pattern), before);
}

void BeginFrameEdit(std::uint32_t frame) { editor.history.BeginFrameChange(*editor.pattern, frame); }
void EndFrameEdit() { editor.history.EndFrameChange(*editor.pattern); }
void BeginPatternEdit() { editor.history.BeginPatternChange(*editor.pattern); }
void EndPatternEdit() { editor.history.EndPatternChange(*editor.pattern); }
void CancelPatternEdit() { editor.history.CancelChange(); }

void ContinueStroke(std::uint32_t frame) {
    if (!editor.history.IsChanging(frame)) editor.history.BeginFrameChange(*editor.pattern, frame);
}

void EndStroke() { editor.history.EndFrameChange(*editor.pattern); }

void ReplacePatternFrames(LedPattern& generated) {
    Shape before = ShapeOf(*editor.pattern);
    BeginPatternEdit();
    ReplaceFrames(*editor.pattern, generated);
    EndPatternEdit();
    FollowPattern(0, before.frameSize, before.columns, before.rows);
}

void FollowPattern(std::uint32_t shownFrame, std::size_t oldFrameSize, int oldColumns, int oldRows) {
    LedPattern& pattern = *editor.pattern;
    // As after Load: the clipboard pastes only into frames of its own size,
    // and the views are laid out for the pattern's size.
    if (pattern.FrameSize() != oldFrameSize) editor.clipboard.reset();
    if (pattern.columns != oldColumns || pattern.rows != oldRows) editor.ShowPattern(&pattern);
    ShowEditedFrame(shownFrame);
}

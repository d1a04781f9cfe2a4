// Changes of the whole document and what the editor shows of it after them:
// another pattern in its place (Load, New), new frames in the same document
// (a text, pictures, effects), and the frame shown after the frame count or
// size changed (frame tools, Resize, Undo and Redo, Go to Frame).
#ifndef LUMIGRID_EDITOR_DOCUMENTCHANGE_H
#define LUMIGRID_EDITOR_DOCUMENTCHANGE_H

#include <cstddef>
#include <cstdint>
#include <memory>

#include "pattern/document/PictureCanvas.h"

struct EditorState;

// The pattern's frame size and sides, kept from before a change.
struct PatternShape {
    std::size_t frameSize;
    int columns;
    int rows;
};
PatternShape ShapeOf(const LedPattern& pattern);

// Points both views at a pattern, from frames 0 and 1, and lays them out for
// its size, as large as fit.
void ShowPattern(EditorState& state, LedPattern* shown);
// A pattern that takes the place of the document (Load, New): the clipboard
// stays only for frames of its size, the undo history starts anew, and the
// views, slider and title show its first page.
void ReplaceDocument(EditorState& state, std::unique_ptr<LedPattern> replacement);
// Replaces the pattern's frames, size and all, by a generated pattern's as
// one undoable step, and shows its first page.
void ReplacePatternFrames(EditorState& state, LedPattern& generated);
// Puts the first count frames of made in place of one picture's frames as
// one undoable step, the other frames staying, and shows the first of them;
// false, changing nothing, when they do not fit (ReplacePicture).
bool ReplacePictureFrames(EditorState& state, std::uint32_t picture, const LedPattern& made, std::uint32_t count,
                          Planes planes);
// After the frame count or size changed: the clipboard, views, slider and
// title follow, and the given frame is shown as the edited one.
void FollowPattern(EditorState& state, std::uint32_t shownFrame, const PatternShape& before);
// Shows the page that holds the frame and makes its view the target; the
// slider and title follow the pattern's frame count.
void ShowEditedFrame(EditorState& state, std::uint32_t frame);

#endif

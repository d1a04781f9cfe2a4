// Undo and Redo, and the undoable changes that the commands and the pen make
// through the editor's EditHistory.
#ifndef LUMIGRID_EDITOR_UNDOCOMMANDS_H
#define LUMIGRID_EDITOR_UNDOCOMMANDS_H

#include <cstddef>
#include <cstdint>

class LedPattern;

void OnUndo();
void OnRedo();

// Around a command that changes one frame.
void BeginFrameEdit(std::uint32_t frame);
void EndFrameEdit();
// Around a command that changes the frame count or the frames' size.
void BeginPatternEdit();
void EndPatternEdit();
void CancelPatternEdit();

// The pen: a stroke lasts from the first LED it changes to the release, and
// begins anew when it moves on to another frame.
void ContinueStroke(std::uint32_t frame);
void EndStroke();

// Replaces the pattern's frames, size and all, by a generated pattern's as
// one undoable step, and shows its first page.
void ReplacePatternFrames(LedPattern& generated);

// After the frame count or size changed: the clipboard, views, slider and
// title follow, and the given frame is shown as the edited one.
void FollowPattern(std::uint32_t shownFrame, std::size_t oldFrameSize, int oldColumns, int oldRows);

#endif

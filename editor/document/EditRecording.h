// The undoable changes of the pattern: the commands, the tools and the pen
// say where a change begins and ends, and the editor's EditHistory keeps
// what it changed.
#ifndef LUMIGRID_EDITOR_EDITRECORDING_H
#define LUMIGRID_EDITOR_EDITRECORDING_H

#include <cstdint>

struct EditorState;

// Around a change of one frame.
void BeginFrameEdit(EditorState& state, std::uint32_t frame);
void EndFrameEdit(EditorState& state);
// Around a change of the frame count or the frames' size.
void BeginPatternEdit(EditorState& state);
void EndPatternEdit(EditorState& state);
void CancelPatternEdit(EditorState& state);

// The pen: a stroke lasts from the first LED it changes to the release, and
// begins anew when it moves on to another frame.
void ContinueStroke(EditorState& state, std::uint32_t frame);
void EndStroke(EditorState& state);

#endif

// At start-up: the offer to restore work that an editor left unsaved when it
// ended without closing (a crash, a power cut). Asked once, about the newest
// copy, after the main window shows; with no such copy nothing happens.
#ifndef LUMIGRID_EDITOR_RECOVERYOFFER_H
#define LUMIGRID_EDITOR_RECOVERYOFFER_H

struct EditorState;

void OfferRecoveredWork(EditorState& state);

#endif

// The Effects dialog ("ｴﾌｪｸﾄ", Frame > Effects...): an in and an out effect,
// step and hold, on the edited picture or every picture (of the planes the
// view shows: two frames side by side, or one), with a live preview that
// plays the pictures it makes. They are made by the same core as
// lumigrid-cli effect (EffectSequence.h). What OK ended with is offered
// again the next time.
#ifndef LUMIGRID_EDITOR_EFFECTSDIALOG_H
#define LUMIGRID_EDITOR_EFFECTSDIALOG_H

#include <windows.h>

#include <cstdint>

#include "effects/EffectSequence.h"

// The dialog's record: the pattern, planes and edited picture it opens on,
// the choices as they stand, and the frames they make.
struct EffectsDialogData {
    const LedPattern* pattern = nullptr;
    Planes planes = Planes::Two;
    std::uint32_t editedPicture = 0;
    EffectChoice choice;
    bool everyPicture = false;
    EffectSequenceResult result;
    std::uint32_t previewPicture = 0;
};

// The preview's timer: one made picture a tick.
const UINT_PTR EffectsPreviewTimer = 1;
const UINT EffectsPreviewInterval = 100;

// True on OK, the record then holding the frames made: for every picture,
// the pattern's new frames; for the edited one, the first
// result.frameCount of them take its place. The choices it opens
// with are the last ones.
bool AskEffects(HWND owner, EffectsDialogData& data);

#endif

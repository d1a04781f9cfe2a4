// The Effects dialog ("ｴﾌｪｸﾄ", Frame > Effects...): an in and an out effect,
// step and hold, on the edited frame or every frame, with a live preview
// that plays the frames it makes. The frames are made by the same core as
// lumigrid-cli effect (EffectSequence.h). What OK ended with is offered
// again the next time.
#ifndef LUMIGRID_EDITOR_EFFECTSDIALOG_H
#define LUMIGRID_EDITOR_EFFECTSDIALOG_H

#include <windows.h>

#include <cstdint>

#include "effects/EffectSequence.h"

// The dialog's record: the pattern and edited frame it opens on, the
// choices as they stand, and the frames they make.
struct EffectsDialogData {
    const LedPattern* pattern = nullptr;
    std::uint32_t editedFrame = 0;
    bool editedFrameExists = true;
    EffectChoice choice;
    bool everyFrame = false;
    EffectSequenceResult result;
    std::uint32_t previewFrame = 0;
};

// The preview's timer: one made frame a tick.
const UINT_PTR EffectsPreviewTimer = 1;
const UINT EffectsPreviewInterval = 100;

// True on OK, the record then holding the frames made. The choices it opens
// with are the last ones.
bool AskEffects(HWND owner, EffectsDialogData& data);

#endif

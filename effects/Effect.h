// Effects: transitions baked into pictures (PictureCanvas.h: with two planes
// a picture is two frames side by side, with one a frame). A transition
// leads from a dark picture to a full one (the in side) or from the full
// picture to a dark one (the out side) in a number of pictures, each drawn
// from the full picture alone, over its whole canvas: a scroll moves the
// content across both planes, a wipe passes over both. Below, "frame" is a
// picture of the transition and its size the canvas's.
//
// Every family moves step LEDs a frame (dissolve and blink have a fixed
// number of frames and take no step). Frame k of a transition is counted
// from 1; the last frame of the in side is the full frame, the last one of
// the out side all dark.
//   scroll-*  the content moves in that direction: in, it enters from the
//             opposite edge, shifted by size - k x step (at least 0); out, it
//             leaves shifted by k x step. LEDs shifted in are dark.
//   wipe-*    the first k x step columns or rows from the side the wipe
//             starts on (wipe-right starts at column 0, wipe-down at row 0)
//             are shown, in; are darkened, out.
//   blinds    horizontal slats of 4 rows opened (in) or closed (out) row by
//             row, k x step rows of every slat.
//   split-*   split-horizontal grows from the horizontal centre line up and
//             down, split-vertical from the vertical one left and right;
//             in shows the rows or columns within k x step of the line, out
//             darkens those within k x step of the edges.
//   dissolve  the cells in an order shuffled by the seed, a sixteenth of them
//             a frame: 16 frames; one seed always gives the same order.
//   blink     in: dark and full alternating three times (6 frames, ending
//             full); out: full and dark three times (ending dark).
//   none      no frames.
#ifndef LUMIGRID_EFFECTS_EFFECT_H
#define LUMIGRID_EFFECTS_EFFECT_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pattern/document/LedPattern.h"
#include "pattern/document/PictureCanvas.h"

enum class Effect : std::uint8_t {
    None,
    ScrollLeft,
    ScrollRight,
    ScrollUp,
    ScrollDown,
    WipeLeft,
    WipeRight,
    WipeUp,
    WipeDown,
    Blinds,
    SplitHorizontal,
    SplitVertical,
    Dissolve,
    Blink,
};

enum class TransitionSide { In, Out };

struct EffectName {
    Effect effect;
    const char* name;   // as lumigrid-cli takes it: "scroll-left", ...
};
// Every effect with its name, None first, in the order above.
extern const EffectName EffectNames[];
extern const std::size_t EffectNameCount;

const char* NameOfEffect(Effect effect);
// False when no effect has that name.
bool EffectNamed(const char* name, Effect* effect);

constexpr unsigned MaxEffectStep = 255;

// One side of one effect for pictures of one size, planned once and drawn
// for every picture of a pattern.
struct Transition {
    Effect effect = Effect::None;
    TransitionSide side = TransitionSide::In;
    unsigned columns = 0;   // of the canvas: up to 2 x 255 with two planes
    unsigned rows = 0;
    unsigned step = 1;
    unsigned frameCount = 0;
    // Dissolve: each cell's place (row-major) in the shuffled order.
    std::vector<std::uint32_t> cellOrder;
};

// step 0 counts as 1. Empty cellOrder for dissolve when out of memory:
// check with IsPlanned.
Transition PlanTransition(Effect effect, TransitionSide side, unsigned columns, unsigned rows, unsigned step,
                          std::uint32_t seed);
bool IsPlanned(const Transition& transition);

// Draws frame k (1 .. frameCount) of the transition of the full picture
// into target, which must be dark and of the transition's size.
void DrawTransitionPicture(const Transition& transition, unsigned k, const PictureCanvas& full, PictureCanvas& target);

// The same from a frame of the source into a dark frame of the target, one
// plane: the frame is the picture.
void DrawTransitionFrame(const Transition& transition, unsigned k, const LedPattern& source,
                         std::uint32_t sourceFrame, LedPattern& target, std::uint32_t targetFrame);

#endif

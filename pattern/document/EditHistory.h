// EditHistory: undo and redo of the changes made to one pattern.
//
// A change is recorded around the operation that makes it: Begin... takes
// what the change may touch, End... keeps what it did. Changes to one frame
// (a pen stroke from press to release, clear, inverse, paste, a shift) keep
// only the bytes that changed, as exclusive-or masks, so that one step serves
// for undo and redo alike. Changes of the frame count or the frame size keep
// the whole pattern's frames (and the wait, which the options dialog sets
// with the frame count), swapped with the pattern's on each undo and redo.
//
// Memory is bounded: at most MaxSteps steps and MaxBytes bytes of kept
// frames; the oldest steps go first. The newest step is kept whatever its
// size.
//
// The history knows which step the pattern was last saved at: the pattern's
// modified flag is false there, so each operation first notes a clear flag as
// the saved step. An undo or redo that arrives at the saved step clears the
// flag; one that leaves it sets it.
#ifndef LUMIGRID_PATTERN_EDITHISTORY_H
#define LUMIGRID_PATTERN_EDITHISTORY_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "pattern/document/LedPattern.h"

class EditHistory {
public:
    static constexpr std::size_t MaxSteps = 100;
    static constexpr std::size_t MaxBytes = 64u * 1024 * 1024;
    // What an undo or redo changed: one frame, or the whole pattern.
    static constexpr std::int64_t WholePattern = -1;
    static constexpr std::int64_t Nothing = -2;

    EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Forgets every step; the pattern as it is now is the starting point.
    void Clear();

    // A change to one frame: End records what changed since Begin (nothing
    // when nothing did). A Begin while another change is open ends that one.
    void BeginFrameChange(const LedPattern& pattern, std::uint32_t frame);
    void EndFrameChange(const LedPattern& pattern);
    // True while a frame change on this frame is open (a stroke in progress).
    bool IsChanging(std::uint32_t frame) const;

    // A change of the frame count or size, or of every frame.
    void BeginPatternChange(const LedPattern& pattern);
    void EndPatternChange(const LedPattern& pattern);
    // Forgets the open change without recording it (a dialog cancelled).
    void CancelChange();

    bool CanUndo() const { return undoable_ > 0; }
    bool CanRedo() const { return undoable_ < steps_.size(); }
    // The frame index the step changed, WholePattern, or Nothing when there
    // was no step. An open change is ended first.
    std::int64_t Undo(LedPattern& pattern);
    std::int64_t Redo(LedPattern& pattern);

    std::size_t StepCount() const { return steps_.size(); }
    std::size_t KeptBytes() const { return keptBytes_; }

private:
    struct PatternState {
        std::unique_ptr<std::uint8_t[]> frames;
        std::uint32_t frameCount = 0;
        std::uint8_t columns = 0;
        std::uint8_t rows = 0;
        std::uint8_t wait = 0;
    };
    struct Step {
        std::int64_t frame = WholePattern;
        std::vector<std::uint32_t> offsets;   // of the changed bytes in the frame
        std::vector<std::uint8_t> masks;      // what changed in each
        PatternState other;                   // the state not shown, for a whole-pattern step
        std::size_t Bytes() const;
    };
    enum class Open { None, Frame, Pattern };

    void NoteSaved(const LedPattern& pattern);
    void Push(Step step);
    void Apply(Step& step, LedPattern& pattern);
    static PatternState Copy(const LedPattern& pattern);
    static void Swap(PatternState& state, LedPattern& pattern);
    void EndOpen(const LedPattern& pattern);

    std::deque<Step> steps_;
    std::size_t undoable_ = 0;        // steps before the current state
    std::int64_t saved_ = 0;          // undoable_ at the saved state, -1 when it is gone
    std::size_t keptBytes_ = 0;
    Open open_ = Open::None;
    std::uint32_t openFrame_ = 0;
    std::vector<std::uint8_t> openBytes_;
    PatternState openPattern_;
};

#endif

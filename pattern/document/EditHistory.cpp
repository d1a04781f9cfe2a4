#include "pattern/document/EditHistory.h"

#include <cstring>
#include <new>

namespace {

const std::int64_t SavedStateGone = -1;

std::uint8_t* FrameBytes(LedPattern& pattern, std::uint32_t frame) {
    return pattern.frames.get() + static_cast<std::size_t>(frame) * pattern.FrameSize();
}

}  // namespace

std::size_t EditHistory::Step::Bytes() const {
    std::size_t frameBytes = static_cast<std::size_t>(other.frameCount) * other.rows * LedPattern::RowBytesFor(other.columns);
    return sizeof(Step) + offsets.size() * (sizeof(std::uint32_t) + 1) + frameBytes;
}

EditHistory::EditHistory() = default;

void EditHistory::Clear() {
    steps_.clear();
    undoable_ = 0;
    saved_ = 0;
    keptBytes_ = 0;
    open_ = Open::None;
    openBytes_.clear();
    openPattern_ = PatternState();
}

void EditHistory::NoteSaved(const LedPattern& pattern) {
    if (!pattern.modified) saved_ = static_cast<std::int64_t>(undoable_);
}

void EditHistory::BeginFrameChange(const LedPattern& pattern, std::uint32_t frame) {
    EndOpen(pattern);
    NoteSaved(pattern);
    const std::uint8_t* bytes = pattern.Frame(frame);
    if (!bytes) return;
    openBytes_.assign(bytes, bytes + pattern.FrameSize());
    openFrame_ = frame;
    open_ = Open::Frame;
}

bool EditHistory::IsChanging(std::uint32_t frame) const { return open_ == Open::Frame && openFrame_ == frame; }

void EditHistory::EndFrameChange(const LedPattern& pattern) {
    if (open_ != Open::Frame) return;
    open_ = Open::None;
    const std::uint8_t* bytes = pattern.Frame(openFrame_);
    // The frame went away or changed size under the change: nothing to keep.
    if (!bytes || pattern.FrameSize() != openBytes_.size()) return;
    Step step;
    step.frame = openFrame_;
    for (std::size_t i = 0; i < openBytes_.size(); ++i)
        if (std::uint8_t mask = static_cast<std::uint8_t>(bytes[i] ^ openBytes_[i])) {
            step.offsets.push_back(static_cast<std::uint32_t>(i));
            step.masks.push_back(mask);
        }
    if (!step.offsets.empty()) Push(std::move(step));
}

EditHistory::PatternState EditHistory::Copy(const LedPattern& pattern) {
    PatternState state;
    const std::size_t bytes = static_cast<std::size_t>(pattern.frameCount) * pattern.FrameSize();
    state.frames.reset(new (std::nothrow) std::uint8_t[bytes ? bytes : 1]);
    if (!state.frames) return state;
    if (bytes) std::memcpy(state.frames.get(), pattern.frames.get(), bytes);
    state.frameCount = pattern.frameCount;
    state.columns = pattern.columns;
    state.rows = pattern.rows;
    state.wait = pattern.header.wait;
    return state;
}

void EditHistory::Swap(PatternState& state, LedPattern& pattern) {
    PatternState shown;
    shown.frames = std::move(pattern.frames);
    shown.frameCount = pattern.frameCount;
    shown.columns = pattern.columns;
    shown.rows = pattern.rows;
    shown.wait = pattern.header.wait;
    pattern.frames = std::move(state.frames);
    pattern.frameCount = state.frameCount;
    pattern.columns = state.columns;
    pattern.rows = state.rows;
    pattern.rowBytes = LedPattern::RowBytesFor(state.columns);
    pattern.header.columns = pattern.columns;
    pattern.header.rows = pattern.rows;
    pattern.header.rowBytes = pattern.rowBytes;
    pattern.header.SetFrameCount(static_cast<std::uint16_t>(pattern.frameCount));
    pattern.header.wait = state.wait;
    state = std::move(shown);
}

void EditHistory::BeginPatternChange(const LedPattern& pattern) {
    EndOpen(pattern);
    NoteSaved(pattern);
    openPattern_ = Copy(pattern);
    // Without memory for the copy the change goes unrecorded.
    open_ = openPattern_.frames ? Open::Pattern : Open::None;
}

void EditHistory::EndPatternChange(const LedPattern&) {
    if (open_ != Open::Pattern) return;
    open_ = Open::None;
    Step step;
    step.frame = WholePattern;
    step.other = std::move(openPattern_);
    Push(std::move(step));
}

void EditHistory::CancelChange() {
    open_ = Open::None;
    openBytes_.clear();
    openPattern_ = PatternState();
}

void EditHistory::EndOpen(const LedPattern& pattern) {
    if (open_ == Open::Frame) EndFrameChange(pattern);
    if (open_ == Open::Pattern) EndPatternChange(pattern);
}

void EditHistory::Push(Step step) {
    // A new step ends the steps that were undone, and with them perhaps the saved state.
    while (steps_.size() > undoable_) {
        keptBytes_ -= steps_.back().Bytes();
        steps_.pop_back();
    }
    if (saved_ > static_cast<std::int64_t>(undoable_)) saved_ = SavedStateGone;
    keptBytes_ += step.Bytes();
    steps_.push_back(std::move(step));
    ++undoable_;
    while (steps_.size() > 1 && (steps_.size() > MaxSteps || keptBytes_ > MaxBytes)) {
        keptBytes_ -= steps_.front().Bytes();
        steps_.pop_front();
        --undoable_;
        if (saved_ != SavedStateGone) --saved_;
    }
}

void EditHistory::Apply(Step& step, LedPattern& pattern) {
    if (step.frame == WholePattern) {
        // The step now keeps the other state, which may be larger or smaller.
        keptBytes_ -= step.Bytes();
        Swap(step.other, pattern);
        keptBytes_ += step.Bytes();
        return;
    }
    std::uint32_t frame = static_cast<std::uint32_t>(step.frame);
    if (frame >= pattern.frameCount) return;
    std::uint8_t* bytes = FrameBytes(pattern, frame);
    for (std::size_t i = 0; i < step.offsets.size(); ++i)
        if (step.offsets[i] < pattern.FrameSize()) bytes[step.offsets[i]] ^= step.masks[i];
}

std::int64_t EditHistory::Undo(LedPattern& pattern) {
    EndOpen(pattern);
    NoteSaved(pattern);
    if (!CanUndo()) return Nothing;
    Step& step = steps_[--undoable_];
    Apply(step, pattern);
    pattern.modified = static_cast<std::int64_t>(undoable_) != saved_;
    return step.frame;
}

std::int64_t EditHistory::Redo(LedPattern& pattern) {
    EndOpen(pattern);
    NoteSaved(pattern);
    if (!CanRedo()) return Nothing;
    Step& step = steps_[undoable_++];
    Apply(step, pattern);
    pattern.modified = static_cast<std::int64_t>(undoable_) != saved_;
    return step.frame;
}

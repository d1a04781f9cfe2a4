#include "drawing/Selection.h"

void Selection::Select(GridCell corner, GridCell opposite, int columns, int rows) {
    Cancel();
    area_ = ClipArea(AreaBetween(corner, opposite), columns, rows);
    active_ = !area_.IsEmpty();
}

bool Selection::Lift(LedPattern& pattern, std::uint32_t frame) {
    if (!active_ || floating_) return false;
    content_ = CellBlock::Copy(pattern, frame, area_);
    floating_ = true;
    return ClearArea(pattern, frame, area_);
}

void Selection::Float(const CellBlock& content, int left, int top) {
    content_ = content;
    area_ = {left, top, content.Columns(), content.Rows()};
    active_ = !content.IsEmpty();
    floating_ = active_;
}

void Selection::MoveTo(int left, int top) {
    if (!floating_) return;
    area_.left = left;
    area_.top = top;
}

bool Selection::StampInto(LedPattern& pattern, std::uint32_t frame, EditMode mode) const {
    return floating_ && StampBlock(pattern, frame, content_, area_.left, area_.top, mode);
}

bool Selection::Drop(LedPattern& pattern, std::uint32_t frame, EditMode mode) {
    const bool changed = StampInto(pattern, frame, mode);
    Cancel();
    return changed;
}

void Selection::Cancel() {
    active_ = false;
    floating_ = false;
    area_ = CellArea();
    content_ = CellBlock();
}

bool Selection::Delete(LedPattern& pattern, std::uint32_t frame) {
    if (!active_) return false;
    if (floating_) {
        const CellArea kept = ClipArea(area_, pattern.columns, pattern.rows);
        Cancel();
        area_ = kept;
        active_ = !kept.IsEmpty();
        return false;
    }
    return ClearArea(pattern, frame, area_);
}

CellBlock Selection::Copy(const LedPattern& pattern, std::uint32_t frame) const {
    if (!active_) return CellBlock();
    return floating_ ? content_ : CellBlock::Copy(pattern, frame, area_);
}

bool Selection::TurnContent(LedPattern& pattern, std::uint32_t frame, Turn turn) {
    if (!active_) return false;
    if (floating_) {
        content_ = Turned(content_, turn);
        area_.columns = content_.Columns();
        area_.rows = content_.Rows();
        return false;
    }
    bool changed = false;
    area_ = TurnArea(pattern, frame, area_, turn, changed);
    active_ = !area_.IsEmpty();
    return changed;
}

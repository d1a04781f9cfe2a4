#include "DisplayProgram.h"

#include <cstring>
#include <memory>

namespace {

const std::uint8_t ResetItem[] = {0x60, 0x00};
const unsigned PictureCommandNibble[] = {1, 0, 3, 4};   // by control code; Scroll has its own block
const unsigned ScrollCommandNibble = 3;

std::uint8_t EmittedControlCode(const LedFileHeader& header) {
    return header.controlCode == ControlAnimation ? static_cast<std::uint8_t>(ControlNormal) : header.controlCode;
}

std::uint8_t EmittedWait(const LedFileHeader& header) {
    return header.controlCode == ControlAnimation ? 0 : header.wait;
}

bool HasItems(std::uint8_t controlCode) { return controlCode <= ControlOnOff; }

// Gathers a pattern's items and hands them to the writer in large pieces:
// the same bytes in the same order as pushing each one by itself.
class ProgramStage {
public:
    explicit ProgramStage(HexImageWriter& writer) : writer_(writer), bytes_(new std::uint8_t[Capacity]), length_(0) {}
    ~ProgramStage() { Flush(); }

    void Command(std::uint8_t high, std::uint8_t low) {
        MakeRoom(2);
        bytes_[length_++] = high;
        bytes_[length_++] = low;
    }
    void Frame(const LedPattern& pattern, std::uint32_t frame) {
        MakeRoom(MaxFrameProgramBytes);
        length_ += WriteFrameBitmap(pattern.Frame(frame), pattern.columns, pattern.rows, bytes_.get() + length_);
    }
    void Flush() {
        writer_.PushBytes(bytes_.get(), length_);
        length_ = 0;
    }

private:
    static constexpr std::size_t Capacity = 64 * 1024;

    void MakeRoom(std::size_t count) {
        if (Capacity - length_ < count) Flush();
    }

    HexImageWriter& writer_;
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t length_;
};

void EmitPattern(const LedPattern& pattern, HexImageWriter& writer) {
    const std::uint32_t pairs = pattern.header.FrameCount() / 2;
    const std::uint8_t controlCode = EmittedControlCode(pattern.header);
    const std::uint8_t wait = EmittedWait(pattern.header);
    if (!HasItems(controlCode)) return;
    ProgramStage stage(writer);
    if (controlCode == ControlScroll) {
        // 3, then the pair count in three nibbles.
        stage.Command(static_cast<std::uint8_t>(ScrollCommandNibble << 4 | ((pairs >> 8) & 0xF)),
                      static_cast<std::uint8_t>(pairs & 0xFF));
        for (std::uint32_t i = 0; i < pairs && writer.Error() == HexExportError::None; ++i) {
            stage.Frame(pattern, 2 * i);
            stage.Frame(pattern, 2 * i + 1);
        }
        return;
    }
    for (std::uint32_t i = 0; i < pairs && writer.Error() == HexExportError::None; ++i) {
        // The command nibble, 0, then the wait byte.
        stage.Command(static_cast<std::uint8_t>(PictureCommandNibble[controlCode] << 4), wait);
        stage.Frame(pattern, 2 * i);
        stage.Frame(pattern, 2 * i + 1);
    }
}

EntryPlan PlanPattern(const PatternLoadResult& loaded) {
    EntryPlan plan{EntryKind::Skipped, loaded.status, loaded.fileHeader, 0};
    if (!loaded.pattern) return plan;
    const LedPattern& pattern = *loaded.pattern;
    plan.header = pattern.header;
    const std::uint8_t controlCode = EmittedControlCode(pattern.header);
    if (!HasItems(controlCode)) return plan;
    plan.kind = EntryKind::Pattern;
    const std::uint64_t pairs = pattern.header.FrameCount() / 2;
    const std::uint64_t pairBytes = 2ull * FrameProgramBytes(pattern.columns, pattern.rows);
    plan.bytes = controlCode == ControlScroll ? 2 + pairs * pairBytes : pairs * (2 + pairBytes);
    return plan;
}

}  // namespace

void LedPattern::EmitFrame(HexImageWriter& writer, std::uint32_t frame) const {
    std::uint8_t bitmap[MaxFrameProgramBytes];
    // A frame out of range comes out as all unlit.
    writer.PushBytes(bitmap, WriteFrameBitmap(Frame(frame), columns, rows, bitmap));
}

EntryPlan PlanEntry(const char* text) {
    LedFileHeader none;
    std::memset(&none, 0, sizeof none);
    if (std::strcmp(text, ResetMark) == 0)
        return EntryPlan{EntryKind::Reset, PatternLoadStatus::Loaded, none, sizeof ResetItem};
    return PlanPattern(ReadPatternFile(text));
}

const char* DescribeSkip(const EntryPlan& plan) {
    if (plan.kind != EntryKind::Skipped) return "";
    if (plan.loadStatus == PatternLoadStatus::Loaded || plan.loadStatus == PatternLoadStatus::EndsEarly)
        return "its control code is none of Normal, Animation, Scroll, On-Off";
    return DescribePatternLoadStatus(plan.loadStatus);
}

bool BuildDisplayProgram(const DisplayList& list, HexImageWriter& writer, const EntryObserver& observe) {
    std::size_t index = 0;
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next, ++index) {
        if (!writer.IsOpen() || writer.Error() != HexExportError::None) break;
        EntryPlan plan;
        if (entry->IsReset()) {
            writer.PushBytes(ResetItem, sizeof ResetItem);
            plan = PlanEntry(entry->text.get());
        } else {
            PatternLoadResult loaded = ReadPatternFile(entry->text.get());
            plan = PlanPattern(loaded);
            if (plan.kind == EntryKind::Pattern) EmitPattern(*loaded.pattern, writer);
        }
        if (observe) observe(index, *entry, plan);
    }
    return writer.IsOpen() && writer.Error() == HexExportError::None;
}

#include "DisplayProgram.h"

#include <cstring>
#include <memory>

namespace {

const std::uint8_t ResetItem[] = {0x60, 0x00};
const unsigned PictureCommandNibble[] = {1, 0, 3, 4};   // by control code; Scroll has its own block
const unsigned ScrollCommandNibble = 3;
// The largest frame: 255 x 255 pixels.
const std::size_t MaxFrameProgramBytes = (255 * 255 + 7) / 8;

std::uint8_t EmittedControlCode(const LedFileHeader& header) {
    return header.controlCode == ControlAnimation ? static_cast<std::uint8_t>(ControlNormal) : header.controlCode;
}

std::uint8_t EmittedWait(const LedFileHeader& header) {
    return header.controlCode == ControlAnimation ? 0 : header.wait;
}

bool HasItems(std::uint8_t controlCode) { return controlCode <= ControlOnOff; }

// Transposes an 8 x 8 bit block held one row per byte, row 0 in the most
// significant byte and column 0 in each byte's top bit, into one column per
// byte in the same arrangement.
std::uint64_t TransposeBlock(std::uint64_t x) {
    x = (x & 0xAA55AA55AA55AA55ull) | ((x & 0x00AA00AA00AA00AAull) << 7) | ((x >> 7) & 0x00AA00AA00AA00AAull);
    x = (x & 0xCCCC3333CCCC3333ull) | ((x & 0x0000CCCC0000CCCCull) << 14) | ((x >> 14) & 0x0000CCCC0000CCCCull);
    x = (x & 0xF0F0F0F00F0F0F0Full) | ((x & 0x00000000F0F0F0F0ull) << 28) | ((x >> 28) & 0x00000000F0F0F0F0ull);
    return x;
}

// Writes the frame's bitmap to out (FrameProgramBytes of room); returns its
// length.
std::size_t WriteFrameBitmap(const LedPattern& pattern, std::uint32_t frame, std::uint8_t* out) {
    const unsigned columns = pattern.columns, rows = pattern.rows, rowBytes = pattern.rowBytes;
    if (columns == 0) return 0;
    const std::uint8_t* bits = pattern.Frame(frame);
    if (bits && rows % 8 == 0) {
        // Whole bytes per column: transpose 8 x 8 blocks instead of walking
        // every pixel. Column x's bytes land at x * rows / 8.
        const std::size_t columnBytes = rows / 8;
        for (unsigned columnByte = 0; columnByte < rowBytes; ++columnByte) {
            const unsigned firstColumn = columnByte * 8;
            const unsigned columnsHere = columns - firstColumn < 8 ? columns - firstColumn : 8;
            for (std::size_t block = 0; block < columnBytes; ++block) {
                const std::uint8_t* row = bits + block * 8 * rowBytes + columnByte;
                const std::size_t r = rowBytes;
                std::uint64_t x = static_cast<std::uint64_t>(row[0]) << 56 | static_cast<std::uint64_t>(row[r]) << 48 |
                                  static_cast<std::uint64_t>(row[2 * r]) << 40 | static_cast<std::uint64_t>(row[3 * r]) << 32 |
                                  static_cast<std::uint64_t>(row[4 * r]) << 24 | static_cast<std::uint64_t>(row[5 * r]) << 16 |
                                  static_cast<std::uint64_t>(row[6 * r]) << 8 | row[7 * r];
                x = ~TransposeBlock(x);
                std::uint8_t* column = out + firstColumn * columnBytes + block;
                if (columnsHere == 8) {
                    const std::size_t c = columnBytes;
                    column[0] = static_cast<std::uint8_t>(x >> 56);
                    column[c] = static_cast<std::uint8_t>(x >> 48);
                    column[2 * c] = static_cast<std::uint8_t>(x >> 40);
                    column[3 * c] = static_cast<std::uint8_t>(x >> 32);
                    column[4 * c] = static_cast<std::uint8_t>(x >> 24);
                    column[5 * c] = static_cast<std::uint8_t>(x >> 16);
                    column[6 * c] = static_cast<std::uint8_t>(x >> 8);
                    column[7 * c] = static_cast<std::uint8_t>(x);
                } else {
                    for (unsigned j = 0; j < columnsHere; ++j)
                        column[j * columnBytes] = static_cast<std::uint8_t>(x >> (56 - 8 * j));
                }
            }
        }
        return columns * columnBytes;
    }
    std::size_t length = 0;
    std::uint8_t accumulator = 0;
    unsigned bitCount = 0;
    for (unsigned x = 0; x < columns; ++x) {
        for (unsigned y = 0; y < rows; ++y) {
            if (!pattern.GetPixel(frame, x, y)) accumulator = static_cast<std::uint8_t>(accumulator | (0x80 >> bitCount));
            if (++bitCount == 8) {
                out[length++] = accumulator;
                accumulator = 0;
                bitCount = 0;
            }
        }
    }
    if (bitCount != 0) out[length++] = accumulator;
    return length;
}

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
        length_ += WriteFrameBitmap(pattern, frame, bytes_.get() + length_);
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

EntryPlan SkippedPlan(SkipReason reason, PatternLoadStatus status, const LedFileHeader& header) {
    return EntryPlan{EntryKind::Skipped, reason, status, header, 0, false};
}

EntryPlan PlanLoaded(const PatternLoadResult& loaded) {
    if (!loaded.pattern) return SkippedPlan(SkipReason::NotLoaded, loaded.status, loaded.fileHeader);
    return PlanPattern(*loaded.pattern, loaded.status);
}

}  // namespace

std::uint32_t FrameProgramBytes(std::uint8_t columns, std::uint8_t rows) {
    return columns == 0 ? 0 : (static_cast<std::uint32_t>(columns) * rows + 7) / 8;
}

void LedPattern::EmitFrame(HexImageWriter& writer, std::uint32_t frame) const {
    std::uint8_t bitmap[MaxFrameProgramBytes];
    writer.PushBytes(bitmap, WriteFrameBitmap(*this, frame, bitmap));
}

EntryPlan PlanPattern(const LedPattern& pattern, PatternLoadStatus status) {
    const std::uint8_t controlCode = EmittedControlCode(pattern.header);
    if (!HasItems(controlCode)) return SkippedPlan(SkipReason::UnknownControlCode, status, pattern.header);
    const std::uint32_t frames = pattern.header.FrameCount();
    const std::uint64_t pairs = frames / 2;
    const std::uint64_t pairBytes = 2ull * FrameProgramBytes(pattern.columns, pattern.rows);
    EntryPlan plan{EntryKind::Pattern, SkipReason::None, status, pattern.header,
                   controlCode == ControlScroll ? 2 + pairs * pairBytes : pairs * (2 + pairBytes), frames % 2 != 0};
    if (pairs == 0) {
        plan.kind = EntryKind::Skipped;
        plan.skipReason = SkipReason::NoFramePair;
        plan.unpairedLastFrame = false;   // the skip says it all
    }
    return plan;
}

EntryPlan PlanEntry(const char* text) {
    LedFileHeader none;
    std::memset(&none, 0, sizeof none);
    if (std::strcmp(text, ResetMark) == 0)
        return EntryPlan{EntryKind::Reset, SkipReason::None, PatternLoadStatus::Loaded, none, sizeof ResetItem, false};
    return PlanLoaded(ReadPatternFile(text));
}

const char* DescribeSkip(const EntryPlan& plan) {
    switch (plan.skipReason) {
    case SkipReason::None: return "";
    case SkipReason::NotLoaded: return DescribePatternLoadStatus(plan.loadStatus);
    case SkipReason::UnknownControlCode: return "its control code is none of Normal, Animation, Scroll, On-Off";
    case SkipReason::NoFramePair:
        return plan.header.FrameCount() == 0 ? "it has no frames"
                                             : "it has one frame, and the display shows frames in pairs";
    }
    return "";
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
            plan = PlanLoaded(loaded);
            if (plan.kind == EntryKind::Pattern || plan.skipReason == SkipReason::NoFramePair)
                EmitPattern(*loaded.pattern, writer);
        }
        if (observe) observe(index, *entry, plan);
    }
    return writer.IsOpen() && writer.Error() == HexExportError::None;
}

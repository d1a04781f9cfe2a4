#include "pattern/program/DisplayProgram.h"

#include <cstring>
#include <memory>

#include "pattern/document/PatternFrameReader.h"
#include "pattern/program/ProgramFormat.h"

namespace {

std::uint8_t EmittedControlCode(const LedFileHeader& header) {
    return header.controlCode == ControlAnimation ? static_cast<std::uint8_t>(ControlNormal) : header.controlCode;
}

std::uint8_t EmittedWait(const LedFileHeader& header) {
    return header.controlCode == ControlAnimation ? 0 : header.wait;
}

bool HasItems(std::uint8_t controlCode) { return controlCode <= ControlOnOff; }

// Gathers a pattern's items and hands them to the writer in large pieces:
// the same bytes in the same order as pushing each one by itself. Each piece
// is reported to the progress hook, if there is one.
class ProgramStage {
public:
    ProgramStage(HexImageWriter& writer, const BuildProgressHook& report, BuildProgress& progress)
        : writer_(writer), report_(report), progress_(progress), bytes_(new std::uint8_t[Capacity]), length_(0),
          stopped_(false) {}
    ~ProgramStage() { Flush(); }

    // Whether to go on: the writer is sound and the hook did not stop it.
    bool Going() const { return !stopped_ && writer_.Error() == HexExportError::None; }
    bool Stopped() const { return stopped_; }

    void Command(std::uint16_t word) {
        MakeRoom(CommandWordSize);
        const CommandWordBytes command(word);
        std::memcpy(bytes_.get() + length_, command.bytes, CommandWordSize);
        length_ += CommandWordSize;
    }
    // The bitmaps of count frames that lie one after another (all blank
    // when frames is null).
    void Frames(const FrameBitmapWriter& bitmaps, const std::uint8_t* frames, std::uint32_t count) {
        const std::size_t each = bitmaps.BitmapBytes();
        if (each == 0) return;
        while (count > 0 && Going()) {
            MakeRoom(each);
            const std::size_t fit = (Capacity - length_) / each;
            const std::uint32_t now = fit < count ? static_cast<std::uint32_t>(fit) : count;
            length_ += bitmaps.Write(frames, now, bytes_.get() + length_);
            if (frames) frames += now * bitmaps.FrameBytes();
            count -= now;
        }
    }
    void Flush() {
        if (stopped_ || length_ == 0) return;
        writer_.PushBytes(bytes_.get(), length_);
        progress_.entryBytesDone += length_;
        length_ = 0;
        if (report_ && !report_(progress_)) stopped_ = true;
    }

private:
    static constexpr std::size_t Capacity = 64 * 1024;

    void MakeRoom(std::size_t count) {
        if (Capacity - length_ < count) Flush();
    }

    HexImageWriter& writer_;
    const BuildProgressHook& report_;
    BuildProgress& progress_;
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t length_;
    bool stopped_;
};

// False when the progress hook stopped it. The frames come in order from
// frames, the rest from the pattern.
bool EmitPattern(const LedPattern& pattern, PatternFrameReader& frames, HexImageWriter& writer,
                 const BuildProgressHook& report, BuildProgress& progress) {
    const std::uint32_t pairs = pattern.header.FrameCount() / 2;
    const std::uint8_t controlCode = EmittedControlCode(pattern.header);
    const std::uint8_t wait = EmittedWait(pattern.header);
    if (!HasItems(controlCode)) return true;
    ProgramStage stage(writer, report, progress);
    const FrameBitmapWriter bitmaps(pattern.columns, pattern.rows);
    // Frames in runs as the reader holds them: a list of small frames has
    // tens of thousands.
    const auto emitFrames = [&](std::uint32_t count) {
        while (count > 0 && stage.Going()) {
            std::uint32_t got;
            const std::uint8_t* run = frames.NextFrames(count, &got);
            stage.Frames(bitmaps, run, got);
            count -= got;
        }
    };
    if (controlCode == ControlScroll) {
        stage.Command(BlockWord(ScrollBlockCommand, pairs));
        emitFrames(2 * pairs);
    } else {
        for (std::uint32_t i = 0; i < pairs && stage.Going(); ++i) {
            stage.Command(PictureWord(PictureCommandFor(controlCode), wait));
            emitFrames(2);
        }
    }
    stage.Flush();
    return !stage.Stopped();
}

EntryPlan SkippedPlan(SkipReason reason, PatternLoadStatus status, const LedFileHeader& header) {
    return EntryPlan{EntryKind::Skipped, reason, status, header, 0, false};
}

EntryPlan PlanLoaded(const PatternLoadResult& loaded) {
    if (!loaded.pattern) return SkippedPlan(SkipReason::NotLoaded, loaded.status, loaded.fileHeader);
    return PlanPattern(*loaded.pattern, loaded.status);
}

}  // namespace

void LedPattern::EmitFrame(HexImageWriter& writer, std::uint32_t frame) const {
    std::uint8_t bitmap[MaxFrameProgramBytes];
    // A frame out of range comes out as all unlit.
    writer.PushBytes(bitmap, WriteFrameBitmap(Frame(frame), columns, rows, bitmap));
}

EntryPlan PlanPattern(const LedPattern& pattern, PatternLoadStatus status) {
    const std::uint8_t controlCode = EmittedControlCode(pattern.header);
    if (!HasItems(controlCode)) return SkippedPlan(SkipReason::UnknownControlCode, status, pattern.header);
    const std::uint32_t frames = pattern.header.FrameCount();
    const std::uint64_t pairs = frames / 2;
    const std::uint64_t pairBytes = 2ull * FrameProgramBytes(pattern.columns, pattern.rows);
    const std::uint64_t bytes =
        controlCode == ControlScroll ? CommandWordSize + pairs * pairBytes : pairs * (CommandWordSize + pairBytes);
    EntryPlan plan{EntryKind::Pattern, SkipReason::None, status, pattern.header, bytes, frames % 2 != 0};
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
        return EntryPlan{EntryKind::Reset, SkipReason::None, PatternLoadStatus::Loaded, none, CommandWordSize, false};
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

double BuildProgress::Done() const {
    if (entries == 0) return 1;
    const double withinEntry = entryBytes ? static_cast<double>(entryBytesDone) / static_cast<double>(entryBytes) : 0;
    return (static_cast<double>(entry) + (withinEntry < 1 ? withinEntry : 1)) / static_cast<double>(entries);
}

bool BuildDisplayProgram(const DisplayList& list, HexImageWriter& writer, const EntryObserver& observe,
                         const BuildProgressHook& report) {
    BuildProgress progress{0, 0, 0, 0};
    for (const DisplayListEntry* entry = list.first; entry; entry = entry->next) ++progress.entries;
    std::size_t index = 0;
    bool going = true;
    for (const DisplayListEntry* entry = list.first; entry && going; entry = entry->next, ++index) {
        if (!writer.IsOpen() || writer.Error() != HexExportError::None) break;
        progress.entry = index;
        progress.entryBytesDone = progress.entryBytes = 0;
        if (report && !report(progress)) return false;
        EntryPlan plan;
        if (entry->IsReset()) {
            const CommandWordBytes reset(ResetWord);
            writer.PushBytes(reset.bytes, sizeof reset.bytes);
            plan = PlanEntry(entry->text.get());
        } else {
            PatternFrameReader frames;
            PatternLoadResult loaded = frames.Open(entry->text.get());
            plan = PlanLoaded(loaded);
            progress.entryBytes = plan.bytes;
            if (plan.kind == EntryKind::Pattern || plan.skipReason == SkipReason::NoFramePair)
                going = EmitPattern(*loaded.pattern, frames, writer, report, progress);
        }
        if (going && observe) observe(index, *entry, plan);
    }
    return going && writer.IsOpen() && writer.Error() == HexExportError::None;
}

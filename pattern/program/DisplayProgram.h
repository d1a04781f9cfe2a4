// The display program: what the display board runs, built from a display
// list and written through a HexImageWriter.
//
// Each Normal or Animation (wait 0) pattern becomes one picture per frame
// pair, each On-Off pattern one On-Off picture per pair, each Scroll pattern
// one scroll block of all its pairs, each ":Reset" entry a reset; the command
// words are in ProgramFormat.h. Frames come in pairs; a last unpaired frame
// is never emitted. A frame bitmap runs column by column from the left, each
// column from the top row down, one bit per pixel with 1 = not lit, packed
// from the most significant bit; its last byte is padded with zeros
// (LedPattern::EmitFrame).
#ifndef LUMIGRID_PATTERN_DISPLAYPROGRAM_H
#define LUMIGRID_PATTERN_DISPLAYPROGRAM_H

#include <cstddef>
#include <cstdint>
#include <functional>

#include "pattern/document/LedFile.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/list/DisplayList.h"
#include "pattern/program/BuildProgress.h"
#include "pattern/program/FrameBitmap.h"

enum class EntryKind {
    Reset,
    Pattern,
    Skipped,   // adds no frame to the display program
};

// Why an entry adds no frame.
enum class SkipReason {
    None,
    NotLoaded,            // missing, unreadable, not a pattern file: loadStatus says which
    UnknownControlCode,   // above On-Off: the board has no item for it
    NoFramePair,          // fewer than two frames, and frames are shown in pairs
};

// What one list entry contributes to the display program.
struct EntryPlan {
    EntryKind kind;
    SkipReason skipReason;
    PatternLoadStatus loadStatus;   // for patterns and skipped files
    LedFileHeader header;           // of the pattern as loaded (the file's, when refused)
    std::uint64_t bytes;            // bytes the entry adds to the image (a Scroll pattern
                                    // without a pair still adds its block's command word)
    bool unpairedLastFrame;         // an odd frame count: the last frame is left out
};

// Loads the entry's file, if it names one, and tells what it would add.
EntryPlan PlanEntry(const char* text);
// What a pattern adds as a list entry; status is how it was loaded.
EntryPlan PlanPattern(const LedPattern& pattern, PatternLoadStatus status = PatternLoadStatus::Loaded);
// One line for a user: why an entry is skipped.
const char* DescribeSkip(const EntryPlan& plan);

// Called once for every entry, in list order, with its position from 0.
typedef std::function<void(std::size_t index, const DisplayListEntry& entry, const EntryPlan& plan)> EntryObserver;

// Pushes the items of every entry into an opened writer, loading each pattern
// file afresh. Entries that cannot be emitted are skipped. Stops early when
// the writer fails or the progress hook says so; true when every entry went
// into a sound image. The caller closes the writer (or, when stopped,
// discards its image). A skipped Scroll pattern without a frame pair still
// emits its empty block, as the board's programs always had it.
bool BuildDisplayProgram(const DisplayList& list, HexImageWriter& writer, const EntryObserver& observe = nullptr,
                         const BuildProgressHook& progress = nullptr);

#endif

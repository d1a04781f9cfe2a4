// The display program: what the display board runs, built from a display
// list and written through a HexImageWriter.
//
// Items, each a whole number of bytes, high nibble first:
//   F0 00            start (the writer opens every image with it)
//   1 0 ww + 2 frames   picture, Normal (Animation counts as Normal, wait 0)
//   3 ppp + 2P frames   scroll block of P frame pairs
//   4 0 ww + 2 frames   picture, On-Off
//   60 00            reset, for each ":Reset" entry
//   00 00            end (the writer closes every image with it)
// Frames come in pairs; a last unpaired frame is never emitted. A frame
// bitmap runs column by column from the left, each column from the top row
// down, one bit per pixel with 1 = not lit, packed from the most significant
// bit; its last byte is padded with zeros (LedPattern::EmitFrame).
#ifndef LUMIGRID_PATTERN_DISPLAYPROGRAM_H
#define LUMIGRID_PATTERN_DISPLAYPROGRAM_H

#include <cstddef>
#include <cstdint>
#include <functional>

#include "DisplayList.h"
#include "FrameBitmap.h"
#include "HexImageWriter.h"
#include "LedFile.h"

enum class EntryKind {
    Reset,
    Pattern,
    Skipped,   // not loadable, or a control code without items: adds nothing
};

// What one list entry contributes to the display program.
struct EntryPlan {
    EntryKind kind;
    PatternLoadStatus loadStatus;   // for patterns and skipped files
    LedFileHeader header;           // of the pattern as loaded (the file's, when refused)
    std::uint64_t bytes;            // bytes the entry adds to the image
};

// Loads the entry's file, if it names one, and tells what it would add.
EntryPlan PlanEntry(const char* text);
// One line for a user: why an entry is skipped.
const char* DescribeSkip(const EntryPlan& plan);

// Called once for every entry, in list order, with its position from 0.
typedef std::function<void(std::size_t index, const DisplayListEntry& entry, const EntryPlan& plan)> EntryObserver;

// Pushes the items of every entry into an opened writer, loading each pattern
// file afresh. Entries that cannot be emitted are skipped. Stops early when
// the writer fails; true when every entry went into a sound image. The caller
// closes the writer.
bool BuildDisplayProgram(const DisplayList& list, HexImageWriter& writer, const EntryObserver& observe = nullptr);

#endif

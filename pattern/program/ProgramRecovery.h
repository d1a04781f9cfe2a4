// ProgramRecovery: the patterns and the display list that build a display
// program again, the inverse of the builder.
//
// Consecutive pictures with the same command word make one pattern (Normal
// with wait w, or On-Off with wait w; a picture with wait 0 becomes Normal
// wait 0, which builds the same bytes as Animation), at most
// LedPattern::MaxFrames frames each; each block becomes a pattern of its
// own, each reset a reset entry.
//
// A listing in memory is grouped with RecoverDisplayList and RecoverFrames.
// A program of any size is read twice as it comes: SurveyProgram finds its
// entries, RecoverPatterns then assembles their patterns and hands each on
// as soon as it is whole, so that no more than one pattern is held.
// RecoverProgram does both for an image held in memory.
#ifndef LUMIGRID_PATTERN_PROGRAMRECOVERY_H
#define LUMIGRID_PATTERN_PROGRAMRECOVERY_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "pattern/document/LedPattern.h"
#include "pattern/hex/ImageSource.h"
#include "pattern/program/DisplayProgramReader.h"

// One entry of the recovered display list.
struct RecoveredEntry {
    bool reset;
    std::uint8_t controlCode;   // of the pattern
    std::uint8_t wait;
    std::size_t firstItem;      // items firstItem .. firstItem + itemCount - 1 of the listing
    std::size_t itemCount;
    std::size_t firstFrame;     // program-wide
    std::size_t frameCount;     // frames of the pattern; may exceed MaxFrames for a block
};

// Groups items into entries as they come, as RecoverDisplayList does.
class EntryGrouper {
public:
    // Takes the item at index (from 0, the start item counted); returns the
    // entry it belongs to, or null for the start and end; started is true
    // when the item begins that entry.
    const RecoveredEntry* Take(const ProgramItem& item, std::size_t index, bool* started);

private:
    ProgramItem before_{};
    RecoveredEntry current_{};
    bool hasBefore_ = false;
    bool hasCurrent_ = false;
};

std::vector<RecoveredEntry> RecoverDisplayList(const ProgramListing& listing);

// Frames first .. first + count - 1 (program-wide, at most MaxFrames) of the
// image as a pattern with the entry's control code and wait, or null when
// out of memory. Bits after a frame's last pixel are not kept.
std::unique_ptr<LedPattern> RecoverFrames(const std::uint8_t* image, const ProgramListing& listing,
                                          const RecoveredEntry& entry, std::size_t first, std::size_t count);
// A pattern of count blank frames of columns x rows with the entry's control
// code and wait, or null when out of memory.
std::unique_ptr<LedPattern> EmptyRecoveredPattern(std::uint8_t columns, std::uint8_t rows, const RecoveredEntry& entry,
                                                  std::size_t count);

// The items of a program read as it comes, each with the entry it belongs
// to (grouped as RecoverDisplayList groups them) and that entry's pattern
// number (from 0; resets are not counted).
class EntryWalk {
public:
    EntryWalk(ImageSource& source, std::uint8_t columns, std::uint8_t rows) : program_(source, columns, rows) {}

    // The next item; its entry (null for the start and the end) and
    // pattern number are then current.
    bool Next(ProgramItem* item);
    ProgramStream& Program() { return program_; }
    const RecoveredEntry* Entry() const { return entry_; }
    // Whether the current item begins its entry.
    bool StartedEntry() const { return startedEntry_; }
    // Entries begun so far.
    std::size_t EntryCount() const { return started_; }
    // The pattern number of the current entry; for a reset, the next one's.
    std::size_t PatternNumber() const { return pattern_; }

private:
    ProgramStream program_;
    EntryGrouper grouper_;
    const RecoveredEntry* entry_ = nullptr;
    std::size_t index_ = 0, started_ = 0, pattern_ = 0;
    bool previousReset_ = true;
    bool startedEntry_ = false;
};

// What a first pass over a program finds: its entries, and its items counted.
struct ProgramSurvey {
    std::vector<RecoveredEntry> entries;
    std::size_t items = 0, pictures = 0, scrolls = 0, animations = 0, resets = 0, patterns = 0;
    std::uint64_t frames = 0;
    // The first item of the first entry with more frames than a pattern holds.
    bool oversized = false;
    ProgramItem oversizedItem{};
    std::size_t oversizedFrames = 0;
};

// Reads the program at columns x rows into survey. False with the error
// when it does not read at that size.
bool SurveyProgram(ImageSource& image, std::uint8_t columns, std::uint8_t rows, ProgramSurvey* survey,
                   ProgramReadError* error);
// Whether every entry fits in a pattern; when one does not, error names the
// block that holds too many frames.
bool EntriesFitPatterns(const ProgramSurvey& survey, ProgramReadError* error);

enum class RecoveryStatus {
    Recovered,
    Stopped,            // by the receiver
    ChangedWhileRead,   // the image read again is not the one surveyed
    OutOfMemory,
};

// What a rebuild from the recovered patterns does not give back as it was.
struct RecoveryNotes {
    std::size_t paddedFrames = 0;      // bits set after the last pixel: a rebuild writes them as 0
    std::size_t animationBlocks = 0;   // of an older editor: a rebuild writes pictures with wait 0
};

// Takes each entry of the list in order, as soon as its pattern is whole:
// the entry as surveyed, its pattern number (below the survey's pattern
// count), and the pattern (null for a reset). False stops the recovery.
typedef std::function<bool(const RecoveredEntry& entry, std::size_t patternNumber, std::unique_ptr<LedPattern> pattern)>
    RecoveredEntryReceiver;

// Reads the surveyed program again from its start and hands every entry to
// receive with its pattern. The entries must fit in patterns
// (EntriesFitPatterns).
RecoveryStatus RecoverPatterns(ImageSource& image, std::uint8_t columns, std::uint8_t rows,
                               const ProgramSurvey& survey, const RecoveredEntryReceiver& receive,
                               RecoveryNotes* notes);

struct RecoveredProgram {
    std::vector<RecoveredEntry> entries;                 // the display list, in order
    std::vector<std::unique_ptr<LedPattern>> patterns;   // one for each entry, null for a reset
    RecoveryNotes notes;
};

// The list and patterns of a program held in memory. False with the error
// when it does not read at columns x rows, when an entry does not fit in a
// pattern, or when memory runs out.
bool RecoverProgram(const std::uint8_t* image, std::size_t size, std::uint8_t columns, std::uint8_t rows,
                    RecoveredProgram* program, ProgramReadError* error);

#endif

// What a display list's entries leave out of its display program, entry by
// entry: the HEX file is still written, and the user is told. One set of
// rules for every caller (the editor's Create Hex File report, lumigrid-cli
// check and build).
//
// Left out are: whole entries that add no frame (EntryKind::Skipped), the
// unpaired last frame of an odd frame count, and patterns whose size differs
// from the list's common size (the size most of its patterns have; of equal
// counts the first met), since a HEX file holds no sizes and is read back at
// one.
#ifndef LUMIGRID_PATTERN_LISTOMISSIONS_H
#define LUMIGRID_PATTERN_LISTOMISSIONS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pattern/program/DisplayProgram.h"

enum class Omission {
    WholeEntry,   // plan.skipReason says why
    LastFrame,    // the last of an odd number of frames
    OtherSize,    // frames of another size than the list's common one
};

struct EntryOmission {
    std::size_t index;   // of the entry, from 0
    std::string text;    // the entry's text
    Omission what;
    EntryPlan plan;
};

struct PatternSize {
    std::uint8_t columns;
    std::uint8_t rows;
};

class ListOmissions {
public:
    // Every entry, in list order (resets may be left out).
    void Add(std::size_t index, const char* text, const EntryPlan& plan);
    // What is left out, in entry order; an entry may be named twice (its
    // last frame and its size).
    std::vector<EntryOmission> All() const;
    // The size most patterns have; false when the list has no pattern.
    bool CommonSize(PatternSize* size) const;

private:
    struct Noted {
        std::size_t index;
        std::string text;
        EntryPlan plan;
    };
    std::vector<Noted> noted_;
};

// One line for a user, in English: what the omission leaves out and why.
std::string DescribeOmission(const EntryOmission& omission, const PatternSize& commonSize);

#endif

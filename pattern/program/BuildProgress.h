// BuildProgress: how far a build of the display program has come, for a
// window that shows it and lets the user stop the build.
#ifndef LUMIGRID_PATTERN_BUILDPROGRESS_H
#define LUMIGRID_PATTERN_BUILDPROGRESS_H

#include <cstddef>
#include <cstdint>
#include <functional>

// The entry being built (from 0) of all the list's, and of that entry's
// program the bytes handed to the writer and its whole length (0 until its
// file is loaded).
struct BuildProgress {
    std::size_t entry;
    std::size_t entries;
    std::uint64_t entryBytesDone;
    std::uint64_t entryBytes;

    // The share of the list done, 0 to 1.
    double Done() const;
};

// Told at every entry and after every 64 KiB or so of program; false stops
// the build.
typedef std::function<bool(const BuildProgress& progress)> BuildProgressHook;

#endif

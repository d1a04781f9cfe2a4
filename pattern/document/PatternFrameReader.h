// A pattern file read one frame at a time, for the display program, which
// emits each frame once and in order: the same checks, statuses and header
// as ReadPatternFile (LedFile.h) and the same frames, without holding them
// all, so that a large pattern costs one frame of memory instead of its
// whole size (for 2048 frames of 255 x 255, 16 MB and 4000 page faults).
// A file that is not whole, or whose size cannot be told (a pipe), is read
// whole by ReadPatternFile itself, whose rules for a short file stay the
// only ones.
#ifndef LUMIGRID_PATTERN_DOCUMENT_PATTERNFRAMEREADER_H
#define LUMIGRID_PATTERN_DOCUMENT_PATTERNFRAMEREADER_H

#include <cstdint>
#include <memory>

#include "panekit/File.h"
#include "pattern/document/LedFile.h"

class PatternFrameReader {
public:
    PatternFrameReader();
    // Opens path and reads the header. The result is ReadPatternFile's;
    // when the file is whole, its pattern has the header and size but no
    // frames, and NextFrame reads them.
    PatternLoadResult Open(const char* path);
    // The next frame, FrameSize() bytes, as ReadPatternFile would hold it.
    const std::uint8_t* NextFrame();
    // The next frames, from one to wanted of them (*got says how many), one
    // after another, as NextFrame would give them one by one; null for
    // frames that the pattern does not hold, which are blank.
    const std::uint8_t* NextFrames(std::uint32_t wanted, std::uint32_t* got);

private:
    std::uint32_t ChunkFrames() const;

    CFile file_;
    const LedPattern* pattern_;           // the frames, when the file was read whole
    // Whole frames, read some at a time: a read of each 32-byte frame would
    // cost a system call each.
    std::unique_ptr<std::uint8_t[]> frames_;
    std::size_t frameSize_;
    std::uint32_t next_;
    std::uint32_t left_;                  // frames not yet read from the file
    std::uint32_t held_;                  // frames in frames_
    std::uint32_t taken_;                 // of those, handed out
};

#endif

// Reading and writing .led pattern files: the 12-byte LedFileHeader, then
// every frame exactly as LedPattern holds it.
//
// Loading refuses, without reading past any buffer, what cannot be a sound
// pattern: a file shorter than its header, a wrong magic, a frame count
// above LedPattern::MaxFrames, and a row-bytes byte that differs from the
// row bytes its columns give. A file that ends inside its frames still loads
// as far as it goes, as a modified pattern whose header says Animation with
// wait 0 (the control code and wait are taken only from complete files).
//
// Saving writes the header as it stands in the pattern, so the caller sets
// the add-to-list flag (0 for a plain Save) and, after the save options, the
// control code before calling SavePatternFile. The file is written beside
// its target and replaces it only when complete: a failed save leaves the
// previous file intact and the pattern modified.
#ifndef LUMIGRID_PATTERN_LEDFILE_H
#define LUMIGRID_PATTERN_LEDFILE_H

#include <cstdint>
#include <memory>

#include "panekit/File.h"
#include "pattern/document/LedPattern.h"

// Filter list of the file dialogs for patterns, and their default extension.
extern const char PatternFileFilter[];
extern const char PatternFileExtension[];

enum class PatternLoadStatus {
    Loaded,            // every frame the header announces was read
    EndsEarly,         // loaded as far as the file goes
    CannotOpen,
    NotPatternFile,    // shorter than the header, or no LED1 magic
    TooManyFrames,
    RowBytesMismatch,
    OutOfMemory,
};

struct PatternLoadResult {
    std::unique_ptr<LedPattern> pattern;  // null unless Loaded or EndsEarly
    PatternLoadStatus status;
    LedFileHeader fileHeader;             // as read; valid from NotPatternFile's check on
    std::uint32_t framesRead;             // frames that had at least one byte in the file
    bool lastFrameShort;                  // the file ends inside the last frame it has
};

// Loads the pattern file named path.
PatternLoadResult ReadPatternFile(const char* path);
// Loads from a CFile already opened for reading; the file is closed after.
PatternLoadResult ReadPatternFile(CFile& file);

// With an owner window, lets the user choose the file in the open dialog;
// otherwise loads path. None when cancelled, not loadable, or given neither.
std::unique_ptr<LedPattern> LoadPattern(HWND owner, const char* path);

class ReplacementFile;
// The bytes of the pattern's .led file: its header as it stands, then every
// frame.
void WritePatternContents(ReplacementFile& output, const LedPattern& pattern);

// Writes the pattern to path (see above). On success the pattern takes path
// as its file name and is no longer modified.
bool SavePatternFile(LedPattern& pattern, const char* path);

// "Normal", "Animation", "Scroll", "On-Off", or null for any other value.
const char* ControlCodeName(std::uint8_t controlCode);
// One line for a user: why a file did not load.
const char* DescribePatternLoadStatus(PatternLoadStatus status);

#endif

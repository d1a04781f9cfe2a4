// ExportReader: exported code read back into its frames, for lumigrid-cli
// import and for the exporter's own round-trip check.
//
// Text that the exporter wrote (C, Python, JSON, XBM, Rust) is read by its
// layout line (the JSON layout block): its layout, size and frame count
// come from there, the frames from the name_frames array (name_bits in XBM;
// the "frames" of JSON), the delays from name_delays_ms. Other text, such as
// code pasted from elsewhere, is read with a layout and a frame size the
// caller gives: its values are those of the first bracketed group after the
// first "=", or every number when it has no "=". Binary is read the same
// way, with a layout and a frame size.
//
// A text that does not parse, values that do not fit their type, or bytes
// that do not fill whole frames are refused with the line (0 for the file
// as a whole) and the reason. Whatever the input, the reader never reads
// past it, never recurses on its nesting, and keeps no more than the bytes
// it found.
#ifndef LUMIGRID_EXPORT_EXPORTREADER_H
#define LUMIGRID_EXPORT_EXPORTREADER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "export/ExportLayout.h"
#include "export/LayoutPipeline.h"
#include "pattern/document/LedPattern.h"

// What the caller says of a file that does not say it itself.
struct ReadHints {
    bool hasLayout = false;      // the layout (a preset and generic options) was given
    ExportLayout layout;
    PictureSize size{0, 0};      // an exported frame's size, after rotation; 0 x 0: not given
};

struct ExportedCode {
    ExportLayout layout;
    PictureSize size{0, 0};                // of an exported frame, after rotation
    std::uint32_t frames = 0;
    std::size_t frameBytes = 0;
    bool fromLayoutLine = false;           // the text said its layout itself
    std::string name;                      // as the text names its data, if it does
    std::vector<std::uint8_t> bytes;       // frames x frameBytes
    std::vector<std::uint32_t> delays;     // one a frame, or none

    // The size of the pictures the frames decode to (rotation undone).
    PictureSize Picture() const { return PictureSizeOf(layout, size); }
};

struct ExportReadError {
    unsigned long line = 0;   // 0: the file as a whole
    std::string what;

    // "line N: what", or what alone.
    std::string Describe() const;
};

bool ReadExportedText(const char* text, std::size_t size, const ReadHints& hints, ExportedCode* code,
                      ExportReadError* error);
// keepBytes false leaves code->bytes empty, for a caller that decodes from
// its own bytes.
bool ReadExportedBinary(const std::uint8_t* bytes, std::size_t size, const ReadHints& hints, ExportedCode* code,
                        ExportReadError* error, bool keepBytes = true);

// Frame i as the picture it was made from: decoded, rotation and mirroring
// undone. The coder is FrameCoder(code.layout, code.Picture()), made once
// for all the frames.
PictureCanvas ExportedPicture(const ExportedCode& code, FrameCoder& coder, std::uint32_t frame);

// The pattern the frames were exported from: its frames from the pictures
// by the layout's planes. When every delay is one number of ticks from 2 to
// 255, the pattern is Normal with that wait; otherwise Animation. Empty
// when made, else why not.
std::string MakePattern(const ExportedCode& code, unsigned tickMilliseconds, LedPattern& pattern);

#endif

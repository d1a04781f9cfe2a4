// DisplayProgramReader: a display program (the bytes of a HEX image) read
// back into its items and frames, the inverse of the builder (see
// DisplayProgram.h), and from there into the patterns and list entries that
// build the same bytes again.
//
// The frame size is not in the image: the caller gives it. A frame is then
// ceil(columns x rows / 8) bytes, column by column from the left, each
// column from the top, 1 = not lit. Every program starts with F000 and ends
// with 0000 as its last two bytes; between them stand pictures (1 0 ww or
// 4 0 ww, then two frames), scroll blocks (3 ppp, then 2P frames), resets
// (6000), and, from an older build of the editor, Animation blocks (2 ppp,
// then 2P frames), which today's builder writes as pictures instead.
//
// Recovery groups consecutive pictures with the same command word into one
// pattern (Normal with wait w, or On-Off with wait w; a picture with wait 0
// becomes Normal wait 0, which builds the same bytes as Animation), at most
// LedPattern::MaxFrames frames each; each block becomes a pattern of its
// own, each reset a reset entry.
#ifndef LUMIGRID_PATTERN_DISPLAYPROGRAMREADER_H
#define LUMIGRID_PATTERN_DISPLAYPROGRAMREADER_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LedPattern.h"

enum class ProgramItemKind { Start, Picture, ScrollBlock, AnimationBlock, Reset, End };

struct ProgramItem {
    ProgramItemKind kind;
    std::size_t offset;         // of its command word in the image
    std::uint16_t word;         // the command word
    std::uint8_t controlCode;   // of the pattern it comes from: Normal or On-Off for pictures
    std::uint8_t wait;          // of a picture
    std::uint32_t pairs;        // frame pairs after the word: 1 for a picture, P for a block
    std::size_t firstFrame;     // program-wide number of its first frame
};

struct ProgramListing {
    std::uint8_t columns = 0;
    std::uint8_t rows = 0;
    std::size_t frameBytes = 0;
    std::vector<ProgramItem> items;
    std::size_t frameCount = 0;

    // Where frame number frame (program-wide) of item starts in the image.
    std::size_t FrameOffset(const ProgramItem& item, std::size_t frame) const {
        return item.offset + 2 + (frame - item.firstFrame) * frameBytes;
    }
};

struct ProgramReadError {
    std::size_t offset = 0;
    std::string what;
};

// Reads the program at columns x rows (1 to 255 each). False with the offset
// and what is wrong when it does not read at that size.
bool ReadDisplayProgram(const std::uint8_t* image, std::size_t size, std::uint8_t columns, std::uint8_t rows,
                        ProgramListing* listing, ProgramReadError* error);

struct FrameSizeName {
    std::uint8_t columns, rows;
};
// Sizes boards commonly have, for hints: 5x7, 8x8, 16x16, 32x16, ...
extern const FrameSizeName CommonFrameSizes[];
extern const std::size_t CommonFrameSizeCount;

// The common sizes at which the program reads, leaving out those of
// excludedFrameBytes bytes a frame; sizes of one frame length as one, the
// first named.
std::vector<FrameSizeName> CommonSizesThatRead(const std::uint8_t* image, std::size_t size,
                                               std::size_t excludedFrameBytes);
// The smallest frame length from 1 to that of 255 x 255 at which the
// program reads, other than excludedFrameBytes; 0 when there is none.
std::size_t SmallestFrameBytesThatRead(const std::uint8_t* image, std::size_t size, std::size_t excludedFrameBytes);

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

std::vector<RecoveredEntry> RecoverDisplayList(const ProgramListing& listing);

// Frames first .. first + count - 1 (program-wide, at most MaxFrames) of the
// image as a pattern with the entry's control code and wait, or null when
// out of memory. Bits after a frame's last pixel are not kept.
std::unique_ptr<LedPattern> RecoverFrames(const std::uint8_t* image, const ProgramListing& listing,
                                          const RecoveredEntry& entry, std::size_t first, std::size_t count);
// Whether pixel (x, y) of frame (program-wide) of item is lit.
bool FramePixelLit(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                   std::size_t frame, unsigned x, unsigned y);
// Whether the unused low bits of the frame's last byte are 0, as the
// builder leaves them; otherwise rebuilding cannot give the same bytes.
bool FramePaddingIsClear(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                         std::size_t frame);

#endif

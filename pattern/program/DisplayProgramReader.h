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
// The program is read as it comes (ProgramStream, over any ImageSource, such
// as a HEX file read as a stream), so that an image of any size is read in
// memory that does not grow with it; ReadDisplayProgram lists one held in
// memory.
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

#include "pattern/document/LedPattern.h"
#include "pattern/hex/ImageSource.h"

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

// The rules of the program's items, one command word at a time: says where
// the next word lies and what each word is. The image's end comes last.
class ProgramWalker {
public:
    explicit ProgramWalker(std::size_t frameBytes);
    // Offset of the next command word.
    std::uint64_t NextWord() const { return next_; }
    // Takes the word found at NextWord() and fills item; false when the word
    // is not one the program may have there.
    bool TakeWord(std::uint16_t word, ProgramItem* item);
    // The image ends after size bytes: true when the program is whole and
    // nothing follows its end word.
    bool Finish(std::uint64_t size);
    bool Ended() const { return ended_; }
    bool Failed() const { return failed_; }
    const ProgramReadError& Error() const { return error_; }

private:
    bool Fail(std::uint64_t offset, const std::string& what);

    std::size_t frameBytes_;
    std::uint64_t next_;
    std::uint64_t frames_;
    std::uint64_t endOffset_;
    ProgramItem last_;
    std::uint64_t words_;
    bool ended_;
    bool failed_;
    ProgramReadError error_;
};

// A display program read item by item from a source as it comes.
class ProgramStream {
public:
    // Frames of columns x rows; none reads when either is 0.
    ProgramStream(ImageSource& source, std::uint8_t columns, std::uint8_t rows);
    // The next item; the frames of the one before that were not read are
    // passed over. False at the end of the program or at a fault: Sound()
    // then tells which.
    bool Next(ProgramItem* item);
    // The current item's next frame bitmap (FrameBytes() of them); false
    // when it has no more, or the image ends.
    bool ReadFrame(std::uint8_t* bitmap);
    std::size_t FrameBytes() const { return frameBytes_; }
    // After Next has given false: whether the program read whole, and why not.
    bool Sound() const { return sound_; }
    const ProgramReadError& Error() const { return error_; }
    // After a sound end: the image's size.
    std::uint64_t Size() const { return size_; }

private:
    bool End(std::uint64_t size);

    ImageSource& source_;
    std::size_t frameBytes_;
    ProgramWalker walker_;
    std::uint64_t position_;
    std::uint64_t framesLeft_;   // of the current item, not read yet
    std::uint64_t size_ = 0;
    bool finished_;
    bool sound_;
    ProgramReadError error_;
};

// Of the frame lengths given, those at which the program in the source
// reads, in the order given; one pass over the source.
std::vector<std::size_t> FrameBytesThatRead(ImageSource& source, const std::vector<std::size_t>& candidates);
// Every frame length from 1 to that of 255 x 255 but excludedFrameBytes.
std::vector<std::size_t> CandidateFrameBytes(std::size_t excludedFrameBytes);

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

// The common sizes whose frame length is among those given; sizes of one
// frame length as one, the first named.
std::vector<FrameSizeName> CommonSizesAmong(const std::vector<std::size_t>& frameBytes);
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
// Whether pixel (x, y) of frame (program-wide) of item is lit.
bool FramePixelLit(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                   std::size_t frame, unsigned x, unsigned y);
// Whether the unused low bits of the frame's last byte are 0, as the
// builder leaves them; otherwise rebuilding cannot give the same bytes.
bool FramePaddingIsClear(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                         std::size_t frame);

#endif

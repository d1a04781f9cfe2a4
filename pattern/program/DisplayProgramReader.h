// DisplayProgramReader: a display program (the bytes of a HEX image) read
// back into its items and frames, the inverse of the builder (see
// DisplayProgram.h). The frame size guess is in FrameSizeGuess.h, the
// patterns and list entries that build the same bytes again in
// ProgramRecovery.h.
//
// The frame size is not in the image: the caller gives it. A frame is then
// ceil(columns x rows / 8) bytes, column by column from the left, each
// column from the top, 1 = not lit. Every program starts with F000 and ends
// with 0000 as its last two bytes; between them stand pictures, scroll
// blocks, resets and, from an older build of the editor, Animation blocks
// (ProgramFormat.h).
//
// The program is read as it comes (ProgramStream, over any ImageSource, such
// as a HEX file read as a stream), so that an image of any size is read in
// memory that does not grow with it; ReadDisplayProgram lists one held in
// memory.
#ifndef LUMIGRID_PATTERN_DISPLAYPROGRAMREADER_H
#define LUMIGRID_PATTERN_DISPLAYPROGRAMREADER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pattern/hex/ImageSource.h"
#include "pattern/program/ProgramFormat.h"

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
        return item.offset + CommandWordSize + (frame - item.firstFrame) * frameBytes;
    }
};

struct ProgramReadError {
    std::size_t offset = 0;
    std::string what;
};

// What a command word stands for, whatever the frame size: its kind,
// control code, wait and pair count in item (its offset and first frame are
// the caller's). False when the program may not have the word there (first:
// at its start), with why not when why is given.
bool ReadCommandWord(std::uint16_t word, bool first, ProgramItem* item, std::string* why);

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

// Reads the program at columns x rows (1 to 255 each). False with the offset
// and what is wrong when it does not read at that size.
bool ReadDisplayProgram(const std::uint8_t* image, std::size_t size, std::uint8_t columns, std::uint8_t rows,
                        ProgramListing* listing, ProgramReadError* error);

// Whether pixel (x, y) of frame (program-wide) of item is lit.
bool FramePixelLit(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                   std::size_t frame, unsigned x, unsigned y);
// Whether the unused low bits of the frame's last byte are 0, as the
// builder leaves them; otherwise rebuilding cannot give the same bytes.
bool FramePaddingIsClear(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                         std::size_t frame);

#endif

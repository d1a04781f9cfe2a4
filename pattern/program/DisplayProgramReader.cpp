#include "pattern/program/DisplayProgramReader.h"

#include <cstdio>
#include <new>

#include "pattern/program/FrameBitmap.h"

namespace {

std::string Word(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", word);
    return text;
}

std::string Bytes(std::uint64_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

bool Fail(ProgramReadError* error, std::size_t offset, const std::string& what) {
    if (error) {
        error->offset = offset;
        error->what = what;
    }
    return false;
}

}  // namespace

ProgramWalker::ProgramWalker(std::size_t frameBytes)
    : frameBytes_(frameBytes), next_(0), frames_(0), endOffset_(0), last_{}, words_(0), ended_(false), failed_(false) {}

bool ProgramWalker::Fail(std::uint64_t offset, const std::string& what) {
    failed_ = true;
    error_.offset = static_cast<std::size_t>(offset);
    error_.what = what;
    return false;
}

bool ReadCommandWord(std::uint16_t word, bool first, ProgramItem* item, std::string* why) {
    *item = ProgramItem{ProgramItemKind::Start, 0, word, 0, 0, 0, 0};
    if (first) {
        if (word == StartWord) return true;
        if (why) *why = "the image begins with " + Word(word) + ", not with the start word F000";
        return false;
    }
    const unsigned command = CommandOf(word);
    switch (command) {
    case EndCommand:
        item->kind = ProgramItemKind::End;
        if (word == EndWord) return true;
        if (why) *why = "the word " + Word(word) + " is not the end word 0000";
        return false;
    case NormalPictureCommand:
    case OnOffPictureCommand:
        item->kind = ProgramItemKind::Picture;
        item->controlCode = command == NormalPictureCommand ? ControlNormal : ControlOnOff;
        item->wait = static_cast<std::uint8_t>(word & PictureWaitMask);
        item->pairs = 1;
        if (!(word & PictureReservedMask)) return true;
        if (why)
            *why = "the picture command " + Word(word) + " has " + Word(word).substr(1, 1) + " where a picture command has 0";
        return false;
    case ScrollBlockCommand:
    case AnimationBlockCommand:
        item->kind = command == ScrollBlockCommand ? ProgramItemKind::ScrollBlock : ProgramItemKind::AnimationBlock;
        item->controlCode = command == ScrollBlockCommand ? ControlScroll : ControlAnimation;
        item->wait = static_cast<std::uint8_t>(word & PictureWaitMask);
        item->pairs = word & BlockPairsMask;
        return true;
    case ResetCommand:
        item->kind = ProgramItemKind::Reset;
        item->wait = static_cast<std::uint8_t>(word & PictureWaitMask);
        if (word == ResetWord) return true;
        if (why) *why = "the word " + Word(word) + " is not the reset word 6000";
        return false;
    default:
        if (why)
            *why = "unknown command " + Word(word) + " (its first nibble " + Word(word).substr(0, 1) +
                   " is none of 0, 1, 2, 3, 4, 6)";
        return false;
    }
}

bool ProgramWalker::TakeWord(std::uint16_t word, ProgramItem* item) {
    if (ended_ || failed_) return false;
    const std::uint64_t at = next_;
    std::string why;
    ProgramItem read;
    if (!ReadCommandWord(word, words_++ == 0, &read, &why)) return Fail(at, why);
    last_ = read;
    last_.offset = static_cast<std::size_t>(at);
    last_.firstFrame = static_cast<std::size_t>(frames_);
    frames_ += 2 * static_cast<std::uint64_t>(last_.pairs);
    next_ = at + CommandWordSize + 2 * static_cast<std::uint64_t>(last_.pairs) * frameBytes_;
    if (last_.kind == ProgramItemKind::End) {
        ended_ = true;
        endOffset_ = at;
    }
    *item = last_;
    return true;
}

bool ProgramWalker::Finish(std::uint64_t size) {
    if (failed_) return false;
    if (words_ == 0) return Fail(0, size == 0 ? "the image is empty" : "the image is a single byte");
    if (ended_) {
        if (size - endOffset_ > CommandWordSize)
            return Fail(endOffset_ + CommandWordSize,
                        Bytes(size - endOffset_ - CommandWordSize) + " after the end word 0000");
        return true;
    }
    if (next_ > size) {
        // The last item's frames run past the end.
        const std::uint64_t need = next_ - last_.offset - CommandWordSize;
        return Fail(last_.offset, "the " + std::to_string(2 * static_cast<std::uint64_t>(last_.pairs)) + " frames of " +
                                      Word(last_.word) + " need " + Bytes(need) + ", the image has " +
                                      Bytes(size - last_.offset - CommandWordSize) + " after it");
    }
    if (next_ == size) return Fail(next_, "the image ends without the end word 0000");
    return Fail(next_, "the image ends inside a command word");
}

ProgramStream::ProgramStream(ImageSource& source, std::uint8_t columns, std::uint8_t rows)
    : source_(source),
      frameBytes_(FrameProgramBytes(columns, rows)),
      walker_(frameBytes_),
      position_(0),
      framesLeft_(0),
      finished_(false),
      sound_(false) {
    if (frameBytes_ == 0) {
        finished_ = true;
        error_.what = "a frame needs at least one column and one row";
    }
}

bool ProgramStream::Next(ProgramItem* item) {
    if (finished_) return false;
    // The frames of the item before that were not read.
    const std::uint64_t skip = framesLeft_ * frameBytes_;
    const std::uint64_t skipped = skip ? source_.Skip(skip) : 0;
    position_ += skipped;
    framesLeft_ = 0;
    if (skipped == skip && !walker_.Ended()) {
        std::uint8_t word[CommandWordSize];
        const std::size_t got = source_.Read(word, CommandWordSize);
        position_ += got;
        if (got == CommandWordSize) {
            if (walker_.TakeWord(static_cast<std::uint16_t>(word[0] << 8 | word[1]), item)) {
                framesLeft_ = 2 * static_cast<std::uint64_t>(item->pairs);
                return true;
            }
            return End(position_);
        }
    }
    // The rest counts only for its length.
    return End(position_ + source_.Skip(~0ull));
}

bool ProgramStream::End(std::uint64_t size) {
    finished_ = true;
    sound_ = walker_.Finish(size);
    if (!sound_) error_ = walker_.Error();
    size_ = size;
    return false;
}

bool ProgramStream::ReadFrame(std::uint8_t* bitmap) {
    if (finished_ || framesLeft_ == 0) return false;
    const std::size_t got = source_.Read(bitmap, frameBytes_);
    position_ += got;
    if (got < frameBytes_) {
        framesLeft_ = 0;
        return false;
    }
    --framesLeft_;
    return true;
}

bool ReadDisplayProgram(const std::uint8_t* image, std::size_t size, std::uint8_t columns, std::uint8_t rows,
                        ProgramListing* listing, ProgramReadError* error) {
    ProgramListing read;
    read.columns = columns;
    read.rows = rows;
    read.frameBytes = FrameProgramBytes(columns, rows);
    MemoryImageSource source(image, size);
    ProgramStream stream(source, columns, rows);
    ProgramItem item;
    try {
        while (stream.Next(&item)) read.items.push_back(item);
    } catch (const std::bad_alloc&) {
        return Fail(error, item.offset, "not enough memory for the listing");
    }
    if (!stream.Sound()) return Fail(error, stream.Error().offset, stream.Error().what);
    read.frameCount = read.items.empty() ? 0 : read.items.back().firstFrame;
    *listing = std::move(read);
    return true;
}

bool FramePixelLit(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                   std::size_t frame, unsigned x, unsigned y) {
    // Column by column from the left, each from the top row; 0 = lit.
    const std::size_t bit = static_cast<std::size_t>(x) * listing.rows + y;
    return !(image[listing.FrameOffset(item, frame) + (bit >> 3)] & (0x80 >> (bit & 7)));
}

bool FramePaddingIsClear(const std::uint8_t* image, const ProgramListing& listing, const ProgramItem& item,
                         std::size_t frame) {
    return BitmapPaddingIsClear(image + listing.FrameOffset(item, frame), listing.columns, listing.rows);
}

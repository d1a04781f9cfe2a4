#include "pattern/program/DisplayProgramReader.h"

#include <cstdio>
#include <new>

#include "pattern/program/DisplayProgram.h"
#include "pattern/program/FrameBitmap.h"

namespace {

const std::uint16_t StartWord = 0xF000;
const std::uint16_t ResetWord = 0x6000;
const std::uint16_t EndWord = 0x0000;
// The first nibble of each command word.
enum CommandNibble : unsigned {
    EndCommand = 0x0,
    NormalPictureCommand = 0x1,
    AnimationBlockCommand = 0x2,
    ScrollBlockCommand = 0x3,
    OnOffPictureCommand = 0x4,
    ResetCommand = 0x6,
};

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

bool ProgramWalker::TakeWord(std::uint16_t word, ProgramItem* item) {
    if (ended_ || failed_) return false;
    const std::uint64_t at = next_;
    if (words_++ == 0) {
        if (word != StartWord)
            return Fail(0, "the image begins with " + Word(word) + ", not with the start word F000");
        last_ = ProgramItem{ProgramItemKind::Start, 0, word, 0, 0, 0, 0};
        next_ = 2;
        *item = last_;
        return true;
    }
    const unsigned command = word >> 12;
    std::uint32_t pairs = 0;
    ProgramItemKind kind;
    std::uint8_t controlCode = 0;
    switch (command) {
    case EndCommand:
        if (word != EndWord) return Fail(at, "the word " + Word(word) + " is not the end word 0000");
        kind = ProgramItemKind::End;
        break;
    case NormalPictureCommand:
    case OnOffPictureCommand:
        if ((word >> 8) & 0xF)
            return Fail(at, "the picture command " + Word(word) + " has " + Word(word).substr(1, 1) +
                                " where a picture command has 0");
        kind = ProgramItemKind::Picture;
        controlCode = command == NormalPictureCommand ? ControlNormal : ControlOnOff;
        pairs = 1;
        break;
    case ScrollBlockCommand:
    case AnimationBlockCommand:
        kind = command == ScrollBlockCommand ? ProgramItemKind::ScrollBlock : ProgramItemKind::AnimationBlock;
        controlCode = command == ScrollBlockCommand ? ControlScroll : ControlAnimation;
        pairs = word & 0xFFF;
        break;
    case ResetCommand:
        if (word != ResetWord) return Fail(at, "the word " + Word(word) + " is not the reset word 6000");
        kind = ProgramItemKind::Reset;
        break;
    default:
        return Fail(at, "unknown command " + Word(word) + " (its first nibble " + Word(word).substr(0, 1) +
                            " is none of 0, 1, 2, 3, 4, 6)");
    }
    last_ = ProgramItem{kind, static_cast<std::size_t>(at), word, controlCode, static_cast<std::uint8_t>(word & 0xFF),
                        pairs, static_cast<std::size_t>(frames_)};
    frames_ += 2 * static_cast<std::uint64_t>(pairs);
    next_ = at + 2 + 2 * static_cast<std::uint64_t>(pairs) * frameBytes_;
    if (kind == ProgramItemKind::End) {
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
        if (size - endOffset_ > 2) return Fail(endOffset_ + 2, Bytes(size - endOffset_ - 2) + " after the end word 0000");
        return true;
    }
    if (next_ > size) {
        // The last item's frames run past the end.
        const std::uint64_t need = next_ - last_.offset - 2;
        return Fail(last_.offset, "the " + std::to_string(2 * static_cast<std::uint64_t>(last_.pairs)) + " frames of " +
                                      Word(last_.word) + " need " + Bytes(need) + ", the image has " +
                                      Bytes(size - last_.offset - 2) + " after it");
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
        std::uint8_t word[2];
        const std::size_t got = source_.Read(word, 2);
        position_ += got;
        if (got == 2) {
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

std::vector<std::size_t> FrameBytesThatRead(ImageSource& source, const std::vector<std::size_t>& candidates) {
    struct Walk {
        std::size_t frameBytes;
        ProgramWalker walker;
    };
    std::vector<Walk> walks;
    for (std::size_t frameBytes : candidates) walks.push_back(Walk{frameBytes, ProgramWalker(frameBytes)});
    // Walks still taking words; the others only wait for the end.
    std::vector<Walk*> live;
    for (Walk& walk : walks) live.push_back(&walk);
    std::vector<std::uint8_t> piece(64 * 1024);
    std::uint64_t base = 0;   // offset of piece[0]
    int carried = -1;         // the byte before piece[0], for a word across pieces
    for (;;) {
        const std::size_t got = source.Read(piece.data(), piece.size());
        const std::uint64_t end = base + got;
        for (std::size_t i = 0; i < live.size();) {
            ProgramWalker& walker = live[i]->walker;
            ProgramItem item;
            while (!walker.Ended() && !walker.Failed() && walker.NextWord() + 2 <= end) {
                const std::uint64_t at = walker.NextWord();
                const unsigned high = at < base ? static_cast<unsigned>(carried) : piece[at - base];
                walker.TakeWord(static_cast<std::uint16_t>(high << 8 | piece[at + 1 - base]), &item);
            }
            if (walker.Ended() || walker.Failed()) {
                live[i] = live.back();
                live.pop_back();
            } else {
                ++i;
            }
        }
        if (got) carried = piece[got - 1];
        base = end;
        if (got < piece.size()) break;
    }
    std::vector<std::size_t> reading;
    for (Walk& walk : walks)
        if (walk.walker.Finish(base)) reading.push_back(walk.frameBytes);
    return reading;
}

const FrameSizeName CommonFrameSizes[] = {
    {5, 7},   {8, 8},   {16, 8},   {16, 16},  {32, 8},   {32, 16},  {32, 32},
    {64, 16}, {64, 32}, {96, 16},  {128, 16}, {128, 32}, {64, 64},  {255, 255},
};
const std::size_t CommonFrameSizeCount = sizeof CommonFrameSizes / sizeof CommonFrameSizes[0];

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

std::vector<std::size_t> CandidateFrameBytes(std::size_t excludedFrameBytes) {
    std::vector<std::size_t> candidates;
    for (std::size_t frameBytes = 1; frameBytes <= MaxFrameProgramBytes; ++frameBytes)
        if (frameBytes != excludedFrameBytes) candidates.push_back(frameBytes);
    return candidates;
}

std::vector<FrameSizeName> CommonSizesAmong(const std::vector<std::size_t>& reading) {
    std::vector<FrameSizeName> sizes;
    std::vector<std::size_t> named;
    for (std::size_t i = 0; i < CommonFrameSizeCount; ++i) {
        const FrameSizeName& name = CommonFrameSizes[i];
        const std::size_t frameBytes = FrameProgramBytes(name.columns, name.rows);
        bool seen = false;
        for (std::size_t bytes : named) seen = seen || bytes == frameBytes;
        bool reads = false;
        for (std::size_t bytes : reading) reads = reads || bytes == frameBytes;
        if (seen || !reads) continue;
        named.push_back(frameBytes);
        sizes.push_back(name);
    }
    return sizes;
}

std::vector<FrameSizeName> CommonSizesThatRead(const std::uint8_t* image, std::size_t size,
                                               std::size_t excludedFrameBytes) {
    MemoryImageSource source(image, size);
    return CommonSizesAmong(FrameBytesThatRead(source, CandidateFrameBytes(excludedFrameBytes)));
}

std::size_t SmallestFrameBytesThatRead(const std::uint8_t* image, std::size_t size, std::size_t excludedFrameBytes) {
    MemoryImageSource source(image, size);
    const std::vector<std::size_t> reading = FrameBytesThatRead(source, CandidateFrameBytes(excludedFrameBytes));
    return reading.empty() ? 0 : reading.front();
}

const RecoveredEntry* EntryGrouper::Take(const ProgramItem& item, std::size_t index, bool* started) {
    *started = false;
    const bool followsSamePicture = hasBefore_ && before_.kind == ProgramItemKind::Picture && before_.word == item.word;
    before_ = item;
    hasBefore_ = true;
    switch (item.kind) {
    case ProgramItemKind::Start:
    case ProgramItemKind::End: return nullptr;
    case ProgramItemKind::Reset:
        current_ = RecoveredEntry{true, 0, 0, index, 1, item.firstFrame, 0};
        break;
    case ProgramItemKind::Picture:
        if (hasCurrent_ && !current_.reset && followsSamePicture && current_.frameCount + 2 <= LedPattern::MaxFrames) {
            ++current_.itemCount;
            current_.frameCount += 2;
            return &current_;
        }
        current_ = RecoveredEntry{false, item.controlCode, item.wait, index, 1, item.firstFrame, 2};
        break;
    case ProgramItemKind::ScrollBlock:
    case ProgramItemKind::AnimationBlock:
        current_ = RecoveredEntry{false, item.controlCode, 0, index, 1, item.firstFrame, 2 * static_cast<std::size_t>(item.pairs)};
        break;
    }
    hasCurrent_ = true;
    *started = true;
    return &current_;
}

std::vector<RecoveredEntry> RecoverDisplayList(const ProgramListing& listing) {
    std::vector<RecoveredEntry> entries;
    EntryGrouper grouper;
    for (std::size_t i = 0; i < listing.items.size(); ++i) {
        bool started = false;
        const RecoveredEntry* entry = grouper.Take(listing.items[i], i, &started);
        if (!entry) continue;
        if (started) entries.push_back(*entry);
        else entries.back() = *entry;
    }
    return entries;
}

std::unique_ptr<LedPattern> EmptyRecoveredPattern(std::uint8_t columns, std::uint8_t rows, const RecoveredEntry& entry,
                                                  std::size_t count) {
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (!pattern || count > LedPattern::MaxFrames) return nullptr;
    pattern->Create(columns, rows);
    pattern->SetFrameCount(static_cast<std::uint32_t>(count));
    if (pattern->frameCount != count) return nullptr;
    pattern->header.controlCode = entry.controlCode;
    pattern->header.wait = entry.wait;
    pattern->modified = false;
    return pattern;
}

std::unique_ptr<LedPattern> RecoverFrames(const std::uint8_t* image, const ProgramListing& listing,
                                          const RecoveredEntry& entry, std::size_t first, std::size_t count) {
    std::unique_ptr<LedPattern> pattern = EmptyRecoveredPattern(listing.columns, listing.rows, entry, count);
    if (!pattern) return nullptr;
    for (std::size_t f = 0; f < count; ++f) {
        const std::size_t frame = first + f;
        // A block holds all its frames; a run of pictures two each.
        const ProgramItem& item = listing.items[entry.firstItem + (entry.itemCount == 1 ? 0 : (frame - entry.firstFrame) / 2)];
        ReadFrameBitmap(image + listing.FrameOffset(item, frame), listing.columns, listing.rows,
                        pattern->frames.get() + f * pattern->FrameSize());
    }
    return pattern;
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

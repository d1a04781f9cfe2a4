#include "DisplayProgramReader.h"

#include <cstdio>
#include <new>

#include "DisplayProgram.h"

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

std::string Bytes(std::size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

bool Fail(ProgramReadError* error, std::size_t offset, const std::string& what) {
    if (error) {
        error->offset = offset;
        error->what = what;
    }
    return false;
}

// Walks the program with frames of frameBytes bytes; fills listing when one
// is given, so that the search for other sizes only checks.
bool Walk(const std::uint8_t* image, std::size_t size, std::size_t frameBytes, ProgramListing* listing,
          ProgramReadError* error) {
    if (size < 2) return Fail(error, 0, size == 0 ? "the image is empty" : "the image is a single byte");
    const std::uint16_t first = static_cast<std::uint16_t>(image[0] << 8 | image[1]);
    if (first != StartWord)
        return Fail(error, 0, "the image begins with " + Word(first) + ", not with the start word F000");
    std::size_t frames = 0;
    auto add = [&](ProgramItemKind kind, std::size_t offset, std::uint16_t word, std::uint8_t controlCode,
                   std::uint32_t pairs) {
        if (listing)
            listing->items.push_back(ProgramItem{kind, offset, word, controlCode,
                                                 static_cast<std::uint8_t>(word & 0xFF), pairs, frames});
        frames += 2 * static_cast<std::size_t>(pairs);
    };
    add(ProgramItemKind::Start, 0, first, 0, 0);
    std::size_t at = 2;
    for (;;) {
        if (at == size) return Fail(error, at, "the image ends without the end word 0000");
        if (size - at < 2) return Fail(error, at, "the image ends inside a command word");
        const std::uint16_t word = static_cast<std::uint16_t>(image[at] << 8 | image[at + 1]);
        const unsigned command = word >> 12;
        std::uint32_t pairs = 0;
        ProgramItemKind kind;
        std::uint8_t controlCode = 0;
        switch (command) {
        case EndCommand:
            if (word != EndWord) return Fail(error, at, "the word " + Word(word) + " is not the end word 0000");
            if (size - at > 2)
                return Fail(error, at + 2, Bytes(size - at - 2) + " after the end word 0000");
            add(ProgramItemKind::End, at, word, 0, 0);
            if (listing) listing->frameCount = frames;
            return true;
        case NormalPictureCommand:
        case OnOffPictureCommand:
            if ((word >> 8) & 0xF)
                return Fail(error, at, "the picture command " + Word(word) + " has " + Word(word).substr(1, 1) +
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
            if (word != ResetWord) return Fail(error, at, "the word " + Word(word) + " is not the reset word 6000");
            kind = ProgramItemKind::Reset;
            break;
        default:
            return Fail(error, at, "unknown command " + Word(word) + " (its first nibble " + Word(word).substr(0, 1) +
                                       " is none of 0, 1, 2, 3, 4, 6)");
        }
        const std::size_t need = 2 * static_cast<std::size_t>(pairs) * frameBytes;
        if (size - at - 2 < need)
            return Fail(error, at, "the " + std::to_string(2 * pairs) + " frames of " + Word(word) + " need " +
                                       Bytes(need) + ", the image has " + Bytes(size - at - 2) + " after it");
        try {
            add(kind, at, word, controlCode, pairs);
        } catch (const std::bad_alloc&) {
            return Fail(error, at, "not enough memory for the listing");
        }
        at += 2 + need;
    }
}

}  // namespace

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
    if (read.frameBytes == 0) return Fail(error, 0, "a frame needs at least one column and one row");
    if (!Walk(image, size, read.frameBytes, &read, error)) return false;
    *listing = std::move(read);
    return true;
}

std::vector<FrameSizeName> CommonSizesThatRead(const std::uint8_t* image, std::size_t size,
                                               std::size_t excludedFrameBytes) {
    std::vector<FrameSizeName> sizes;
    std::vector<std::size_t> tried = {excludedFrameBytes};
    for (std::size_t i = 0; i < CommonFrameSizeCount; ++i) {
        const FrameSizeName& name = CommonFrameSizes[i];
        const std::size_t frameBytes = FrameProgramBytes(name.columns, name.rows);
        bool seen = false;
        for (std::size_t bytes : tried) seen = seen || bytes == frameBytes;
        if (seen) continue;
        tried.push_back(frameBytes);
        if (Walk(image, size, frameBytes, nullptr, nullptr)) sizes.push_back(name);
    }
    return sizes;
}

std::size_t SmallestFrameBytesThatRead(const std::uint8_t* image, std::size_t size, std::size_t excludedFrameBytes) {
    const std::size_t largest = FrameProgramBytes(255, 255);
    for (std::size_t frameBytes = 1; frameBytes <= largest; ++frameBytes)
        if (frameBytes != excludedFrameBytes && Walk(image, size, frameBytes, nullptr, nullptr)) return frameBytes;
    return 0;
}

std::vector<RecoveredEntry> RecoverDisplayList(const ProgramListing& listing) {
    std::vector<RecoveredEntry> entries;
    for (std::size_t i = 0; i < listing.items.size(); ++i) {
        const ProgramItem& item = listing.items[i];
        switch (item.kind) {
        case ProgramItemKind::Start:
        case ProgramItemKind::End: break;
        case ProgramItemKind::Reset: entries.push_back(RecoveredEntry{true, 0, 0, i, 1, item.firstFrame, 0}); break;
        case ProgramItemKind::Picture: {
            RecoveredEntry* run = entries.empty() ? nullptr : &entries.back();
            const ProgramItem* before = i > 0 ? &listing.items[i - 1] : nullptr;
            if (run && !run->reset && before->kind == ProgramItemKind::Picture && before->word == item.word &&
                run->frameCount + 2 <= LedPattern::MaxFrames) {
                ++run->itemCount;
                run->frameCount += 2;
            } else {
                entries.push_back(RecoveredEntry{false, item.controlCode, item.wait, i, 1, item.firstFrame, 2});
            }
            break;
        }
        case ProgramItemKind::ScrollBlock:
        case ProgramItemKind::AnimationBlock:
            entries.push_back(RecoveredEntry{false, item.controlCode, 0, i, 1, item.firstFrame, 2 * item.pairs});
            break;
        }
    }
    return entries;
}

std::unique_ptr<LedPattern> RecoverFrames(const std::uint8_t* image, const ProgramListing& listing,
                                          const RecoveredEntry& entry, std::size_t first, std::size_t count) {
    std::unique_ptr<LedPattern> pattern(new (std::nothrow) LedPattern);
    if (!pattern || count > LedPattern::MaxFrames) return nullptr;
    pattern->Create(listing.columns, listing.rows);
    pattern->SetFrameCount(static_cast<std::uint32_t>(count));
    if (pattern->frameCount != count) return nullptr;
    pattern->header.controlCode = entry.controlCode;
    pattern->header.wait = entry.wait;
    const unsigned columns = listing.columns, rows = listing.rows;
    const std::size_t rowBytes = pattern->rowBytes;
    for (std::size_t f = 0; f < count; ++f) {
        const std::size_t frame = first + f;
        // A block holds all its frames; a run of pictures two each.
        const ProgramItem& item = listing.items[entry.firstItem + (entry.itemCount == 1 ? 0 : (frame - entry.firstFrame) / 2)];
        std::uint8_t* pixels = pattern->frames.get() + f * pattern->FrameSize();
        for (unsigned x = 0; x < columns; ++x)
            for (unsigned y = 0; y < rows; ++y)
                if (FramePixelLit(image, listing, item, frame, x, y))
                    pixels[y * rowBytes + (x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
    }
    pattern->modified = false;
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
    const std::size_t bits = static_cast<std::size_t>(listing.columns) * listing.rows;
    if (bits % 8 == 0) return true;
    const std::uint8_t last = image[listing.FrameOffset(item, frame) + listing.frameBytes - 1];
    return (last & ((1u << (8 - bits % 8)) - 1)) == 0;
}

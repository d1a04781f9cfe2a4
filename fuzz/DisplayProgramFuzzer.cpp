// The display program read from any bytes as its image, as decode, decode
// --extract and preview read it once the HEX records are read: the first byte
// of the input picks the frame size from a small set, the rest is the image.
// Never a crash or an out-of-bounds access (the sanitizers watch); the
// listing, the program read as a stream in uneven pieces, the frame size
// guess, the recovered patterns and the play model all agree on what the
// image holds.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz/FuzzScratch.h"
#include "pattern/program/DisplayProgramReader.h"
#include "pattern/program/FrameBitmap.h"
#include "pattern/program/FrameSizeGuess.h"
#include "pattern/program/ProgramPlayback.h"
#include "pattern/program/ProgramRecovery.h"

namespace {

// Sizes with and without spare bits in a frame's last byte, and the
// editor's default.
const FrameSizeName FrameSizes[] = {{16, 16}, {5, 7}, {8, 8}, {1, 1}, {3, 3}, {32, 16}, {12, 10}, {7, 13}};

// The guess is tried with frame lengths 1 to GuessedLengths (past every
// size above) on every input, checked against each length walked alone up to
// AloneLimit bytes, and with every length on images up to GuessLimit.
const std::size_t GuessedLengths = 80;
const std::size_t AloneLimit = 1024;
const std::size_t GuessLimit = 64;

// An image handed out in pieces of uneven lengths, as a HEX file's records
// hand it on.
class PiecemealSource : public ImageSource {
public:
    PiecemealSource(const std::uint8_t* bytes, std::size_t size, std::uint8_t seed)
        : bytes_(bytes), size_(size), seed_(seed) {}
    std::size_t Read(std::uint8_t* bytes, std::size_t count) override {
        std::size_t given = 0;
        while (given < count && at_ < size_) {
            const std::size_t piece = std::min({count - given, size_ - at_, std::size_t(1) + (seed_ + at_) % 7});
            std::memcpy(bytes + given, bytes_ + at_, piece);
            given += piece;
            at_ += piece;
        }
        return given;
    }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::uint8_t seed_;
    std::size_t at_ = 0;
};

void CheckListing(std::size_t size, const ProgramListing& listing) {
    FUZZ_REQUIRE(listing.items.size() >= 2);
    FUZZ_REQUIRE(listing.items.front().kind == ProgramItemKind::Start && listing.items.front().offset == 0);
    FUZZ_REQUIRE(listing.items.back().kind == ProgramItemKind::End);
    FUZZ_REQUIRE(listing.items.back().offset + 2 == size);
    std::size_t frames = 0;
    for (const ProgramItem& item : listing.items) {
        FUZZ_REQUIRE(item.firstFrame == frames);
        frames += 2 * static_cast<std::size_t>(item.pairs);
        FUZZ_REQUIRE(listing.FrameOffset(item, frames) <= size);
    }
    FUZZ_REQUIRE(frames == listing.frameCount);
}

// The same program read as it comes agrees with the listing, item by item
// and frame by frame.
void CheckStream(const std::uint8_t* image, std::size_t size, FrameSizeName frame, const ProgramListing& listing,
                 std::uint8_t seed) {
    PiecemealSource source(image, size, seed);
    ProgramStream stream(source, frame.columns, frame.rows);
    std::vector<std::uint8_t> bitmap(stream.FrameBytes());
    ProgramItem item;
    std::size_t index = 0;
    while (stream.Next(&item)) {
        FUZZ_REQUIRE(index < listing.items.size());
        const ProgramItem& listed = listing.items[index];
        FUZZ_REQUIRE(item.kind == listed.kind && item.offset == listed.offset && item.pairs == listed.pairs);
        // Every other item's frames are read, the rest passed over.
        if (index++ % 2) continue;
        for (std::size_t f = 0; f < 2 * static_cast<std::size_t>(item.pairs); ++f) {
            FUZZ_REQUIRE(stream.ReadFrame(bitmap.data()));
            const std::size_t offset = listing.FrameOffset(listed, listed.firstFrame + f);
            FUZZ_REQUIRE(std::memcmp(bitmap.data(), image + offset, bitmap.size()) == 0);
        }
        FUZZ_REQUIRE(!stream.ReadFrame(bitmap.data()));
    }
    FUZZ_REQUIRE(stream.Sound() && stream.Size() == size && index == listing.items.size());
}

// The patterns recovered hold the program's frames, pixel for pixel.
void CheckRecovery(const std::uint8_t* image, std::size_t size, FrameSizeName frame, const ProgramListing& listing) {
    const std::vector<RecoveredEntry> entries = RecoverDisplayList(listing);
    RecoveredProgram program;
    ProgramReadError error;
    const bool fits = std::all_of(entries.begin(), entries.end(),
                                  [](const RecoveredEntry& entry) { return entry.frameCount <= LedPattern::MaxFrames; });
    if (!RecoverProgram(image, size, frame.columns, frame.rows, &program, &error)) {
        FUZZ_REQUIRE(!fits && !error.what.empty());
        return;
    }
    FUZZ_REQUIRE(fits && program.entries.size() == entries.size() && program.patterns.size() == entries.size());
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const RecoveredEntry& entry = program.entries[e];
        FUZZ_REQUIRE(entry.reset == entries[e].reset && entry.firstFrame == entries[e].firstFrame &&
                     entry.frameCount == entries[e].frameCount);
        FUZZ_REQUIRE(entry.reset == !program.patterns[e]);
        if (entry.reset) continue;
        const LedPattern& pattern = *program.patterns[e];
        const ProgramItem& first = listing.items[entry.firstItem];
        FUZZ_REQUIRE(pattern.columns == frame.columns && pattern.rows == frame.rows);
        FUZZ_REQUIRE(pattern.frameCount == entry.frameCount && pattern.header.FrameCount() == pattern.frameCount);
        FUZZ_REQUIRE(pattern.header.controlCode == entry.controlCode && pattern.header.wait == entry.wait);
        // A block of no pairs has no frames to compare.
        if (first.pairs == 0) continue;
        // The last frame of the entry's first item, a pixel the input picks.
        const std::size_t last = first.firstFrame + 2 * static_cast<std::size_t>(first.pairs) - 1;
        const unsigned x = image[size / 2] % frame.columns, y = image[size / 3] % frame.rows;
        FUZZ_REQUIRE(pattern.GetPixel(static_cast<std::uint32_t>(last - entry.firstFrame), x, y) ==
                     FramePixelLit(image, listing, first, last, x, y));
    }
}

// What a sign shows in one pass: every picture's ticks counted once, and
// each picture within the program.
void CheckPlay(const std::uint8_t* image, std::size_t size, const ProgramListing& listing, Planes planes) {
    ProgramPlayback playback;
    playback.image.assign(image, image + size);
    playback.listing = listing;
    PlayProgram(playback, planes);
    std::uint64_t ticks = 0;
    for (const ShownPicture& shown : playback.shown) {
        FUZZ_REQUIRE(shown.ticks >= 1);
        ticks += shown.ticks;
        if (shown.dark) continue;
        FUZZ_REQUIRE(shown.item < listing.items.size() && shown.frame < listing.frameCount);
        const ProgramItem& item = listing.items[shown.item];
        FUZZ_REQUIRE(shown.frame >= item.firstFrame && shown.frame < item.firstFrame + 2 * std::size_t(item.pairs));
        const unsigned plane = PlaneCount(planes) - 1;
        playback.Lit(shown, plane, listing.columns - 1u, listing.rows - 1u);
    }
    FUZZ_REQUIRE(ticks == playback.ticks);
}

// Each length walked alone, word by word, as the reader walks it.
std::vector<std::size_t> LengthsReadAlone(const std::uint8_t* image, std::size_t size,
                                          const std::vector<std::size_t>& candidates) {
    std::vector<std::size_t> reading;
    for (std::size_t frameBytes : candidates) {
        ProgramWalker walker(frameBytes);
        ProgramItem item;
        while (!walker.Ended() && !walker.Failed() && walker.NextWord() + CommandWordSize <= size) {
            const std::size_t at = static_cast<std::size_t>(walker.NextWord());
            walker.TakeWord(static_cast<std::uint16_t>(image[at] << 8 | image[at + 1]), &item);
        }
        if (walker.Finish(size)) reading.push_back(frameBytes);
    }
    return reading;
}

// The guess, which walks many lengths at once, finds the lengths that read
// walked alone: this frame length exactly when the program reads at it, and
// a common size only when the program reads at that size.
void CheckGuess(const std::uint8_t* image, std::size_t size, std::size_t frameBytes, bool reads, bool everyLength) {
    std::vector<std::size_t> candidates;
    for (std::size_t length = 1; length <= GuessedLengths; ++length) candidates.push_back(length);
    for (std::size_t i = 0; i < CommonFrameSizeCount; ++i)
        candidates.push_back(FrameProgramBytes(CommonFrameSizes[i].columns, CommonFrameSizes[i].rows));
    MemoryImageSource source(image, size);
    const std::vector<std::size_t> found = FrameBytesThatRead(source, candidates);
    FUZZ_REQUIRE((std::find(found.begin(), found.end(), frameBytes) != found.end()) == reads);
    if (size <= AloneLimit) FUZZ_REQUIRE(found == LengthsReadAlone(image, size, candidates));
    for (const FrameSizeName& common : CommonSizesAmong(found)) {
        ProgramListing listing;
        ProgramReadError error;
        FUZZ_REQUIRE(ReadDisplayProgram(image, size, common.columns, common.rows, &listing, &error));
    }
    // Every length from 1 to that of 255 x 255, for about one input in 256
    // and small images only: thousands of walks.
    if (!everyLength || size > GuessLimit) return;
    const std::size_t smallest = SmallestFrameBytesThatRead(image, size, 0);
    FUZZ_REQUIRE(!reads || (smallest != 0 && smallest <= frameBytes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const FrameSizeName frame = FrameSizes[data[0] % (sizeof FrameSizes / sizeof FrameSizes[0])];
    const std::uint8_t* image = data + 1;
    --size;
    ProgramListing listing;
    ProgramReadError error;
    const bool reads = ReadDisplayProgram(image, size, frame.columns, frame.rows, &listing, &error);
    CheckGuess(image, size, FrameProgramBytes(frame.columns, frame.rows), reads, data[0] < 8 && size % 8 == 0);
    if (!reads) {
        FUZZ_REQUIRE(!error.what.empty() && error.offset <= size);
        PiecemealSource source(image, size, data[0]);
        ProgramSurvey survey;
        ProgramReadError surveyError;
        FUZZ_REQUIRE(!SurveyProgram(source, frame.columns, frame.rows, &survey, &surveyError));
        FUZZ_REQUIRE(surveyError.what == error.what && surveyError.offset == error.offset);
        return 0;
    }
    FUZZ_REQUIRE(listing.columns == frame.columns && listing.rows == frame.rows);
    CheckListing(size, listing);
    CheckStream(image, size, frame, listing, data[0]);
    CheckRecovery(image, size, frame, listing);
    CheckPlay(image, size, listing, Planes::Two);
    CheckPlay(image, size, listing, Planes::One);
    return 0;
}

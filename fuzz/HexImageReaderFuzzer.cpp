// HexImageReader and DisplayProgramReader over any text: never a crash or an
// out-of-bounds access (the sanitizers watch); an image that reads as a
// display program keeps the listing's invariants, and the patterns recovered
// from it build the same image again.
#include <cstring>
#include <vector>

#include "fuzz/FuzzScratch.h"
#include "pattern/document/LedFile.h"
#include "pattern/hex/HexImageReader.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/list/DisplayList.h"
#include "pattern/program/DisplayProgram.h"
#include "pattern/program/DisplayProgramReader.h"
#include "pattern/program/FrameSizeGuess.h"
#include "pattern/program/ProgramRecovery.h"

namespace {

const FuzzScratch scratch;
const std::string listPath = scratch.File("list.ll");
const std::string rebuiltPath = scratch.File("rebuilt.hex");

// Searches and rebuilds are checked on modest images only, to keep runs fast.
const std::size_t SearchLimit = 4 * 1024;
const std::size_t RebuildLimit = 64 * 1024;

void CheckListing(const HexImage& image, const ProgramListing& listing) {
    FUZZ_REQUIRE(listing.items.size() >= 2);
    FUZZ_REQUIRE(listing.items.front().kind == ProgramItemKind::Start);
    FUZZ_REQUIRE(listing.items.back().kind == ProgramItemKind::End);
    FUZZ_REQUIRE(listing.items.back().offset + 2 == image.bytes.size());
    std::size_t frames = 0;
    for (const ProgramItem& item : listing.items) {
        FUZZ_REQUIRE(item.firstFrame == frames);
        frames += 2 * static_cast<std::size_t>(item.pairs);
    }
    FUZZ_REQUIRE(frames == listing.frameCount);
}

// Whether the builder can give back these bytes: no frame with bits after its
// last pixel, no Animation block of an older editor, no block too long.
bool Rebuildable(const HexImage& image, const ProgramListing& listing, const std::vector<RecoveredEntry>& entries) {
    for (const RecoveredEntry& entry : entries)
        if (entry.frameCount > LedPattern::MaxFrames) return false;
    for (const ProgramItem& item : listing.items) {
        if (item.kind == ProgramItemKind::AnimationBlock) return false;
        for (std::size_t f = item.firstFrame; f < item.firstFrame + 2 * static_cast<std::size_t>(item.pairs); ++f)
            if (!FramePaddingIsClear(image.bytes.data(), listing, item, f)) return false;
    }
    return true;
}

void CheckRebuild(const HexImage& image, const ProgramListing& listing) {
    const std::vector<RecoveredEntry> entries = RecoverDisplayList(listing);
    std::size_t frames = 0;
    for (const RecoveredEntry& entry : entries) frames += entry.frameCount;
    FUZZ_REQUIRE(frames == listing.frameCount);
    if (image.bytes.size() > RebuildLimit || !Rebuildable(image, listing, entries)) return;
    DisplayList list;
    FUZZ_REQUIRE(list.SelectFile(listPath.c_str(), true));
    for (std::size_t e = 0; e < entries.size(); ++e) {
        if (entries[e].reset) {
            FUZZ_REQUIRE(list.Add(ResetMark, false));
            continue;
        }
        std::unique_ptr<LedPattern> pattern =
            RecoverFrames(image.bytes.data(), listing, entries[e], entries[e].firstFrame, entries[e].frameCount);
        FUZZ_REQUIRE(pattern != nullptr);
        const std::string path = scratch.File(("p" + std::to_string(e) + ".led").c_str());
        FUZZ_REQUIRE(SavePatternFile(*pattern, path.c_str()));
        FUZZ_REQUIRE(list.Add(path.c_str(), false));
    }
    HexImageWriter writer;
    FUZZ_REQUIRE(writer.Open(rebuiltPath.c_str(), HexOptions::ForFormat(HexFormat::Linear32)));
    FUZZ_REQUIRE(BuildDisplayProgram(list, writer));
    FUZZ_REQUIRE(writer.Close());
    HexImage rebuilt;
    HexReadError error;
    FUZZ_REQUIRE(ReadHexFile(rebuiltPath.c_str(), &rebuilt, &error));
    FUZZ_REQUIRE(rebuilt.bytes == image.bytes);
}

// The data records as a sink takes them.
class Collected : public HexDataSink {
public:
    std::vector<std::uint8_t> bytes;
    std::uint64_t next = 0;
    bool inOrder = true;
    void Data(std::uint64_t address, const std::uint8_t* data, std::size_t count) override {
        inOrder = inOrder && address == next;
        bytes.insert(bytes.end(), data, data + count);
        next = address + count;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // In two pieces, cut where the first byte says, so lines cross pieces.
    const std::size_t cut = size ? data[0] % (size + 1) : 0;
    HexImageReader reader;
    reader.Feed(reinterpret_cast<const char*>(data), cut);
    reader.Feed(reinterpret_cast<const char*>(data) + cut, size - cut);
    // The same text read as a stream: the same verdict, and records in
    // address order hand on the image itself.
    Collected collected;
    HexImageReader streamed(&collected);
    streamed.Feed(reinterpret_cast<const char*>(data), size);
    HexImage summary;
    const bool streamRead = streamed.Finish(&summary);
    HexImage image;
    if (!reader.Finish(&image)) {
        FUZZ_REQUIRE(!reader.Error().what.empty());
        FUZZ_REQUIRE(!streamRead && streamed.Error().what == reader.Error().what);
        return 0;
    }
    FUZZ_REQUIRE(streamRead && summary.Size() == image.bytes.size());
    FUZZ_REQUIRE(!collected.inOrder || collected.bytes == image.bytes);
    FUZZ_REQUIRE(image.bytes.size() <= HexImageReader::MaxImageBytes);
    // The default size, and one the text picks.
    const std::uint8_t last = size ? data[size - 1] : 0;
    const FrameSizeName sizes[] = {{16, 16}, {static_cast<std::uint8_t>(1 + last % 32), static_cast<std::uint8_t>(1 + cut % 16)}};
    for (const FrameSizeName& frame : sizes) {
        ProgramListing listing;
        ProgramReadError error;
        if (ReadDisplayProgram(image.bytes.data(), image.bytes.size(), frame.columns, frame.rows, &listing, &error)) {
            CheckListing(image, listing);
            CheckRebuild(image, listing);
        } else {
            FUZZ_REQUIRE(!error.what.empty());
            FUZZ_REQUIRE(error.offset <= image.bytes.size());
        }
    }
    if (image.bytes.size() <= SearchLimit) {
        CommonSizesThatRead(image.bytes.data(), image.bytes.size(), 0);
        SmallestFrameBytesThatRead(image.bytes.data(), image.bytes.size(), 0);
    }
    return 0;
}

// LoadPattern over any bytes: never a crash or an out-of-bounds access (the
// sanitizers watch), only patterns that keep LedPattern's invariants, and a
// pattern that saves loads back the same.
#include <cstring>

#include "fuzz/FuzzScratch.h"
#include "pattern/document/LedFile.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/program/DisplayProgram.h"

namespace {

const FuzzScratch scratch;
const std::string input = scratch.File("input.led");
const std::string copy = scratch.File("copy.led");
const std::string program = scratch.File("program.hex");

// Emitting is checked on modest images only, to keep the runs fast.
const std::uint64_t EmitLimit = 64 * 1024;

void CheckInvariants(const LedPattern& pattern, const std::uint8_t* data, std::size_t size) {
    FUZZ_REQUIRE(size >= LedFileHeader::Size);
    FUZZ_REQUIRE(std::memcmp(data, LedFileHeader::Magic, 4) == 0);
    FUZZ_REQUIRE(pattern.frameCount <= LedPattern::MaxFrames);
    FUZZ_REQUIRE(pattern.frameCount == pattern.header.FrameCount());
    FUZZ_REQUIRE(pattern.rowBytes == LedPattern::RowBytesFor(pattern.columns));
    FUZZ_REQUIRE(pattern.columns == data[10] && pattern.rows == data[8]);
    for (std::uint32_t i = 0; i < pattern.frameCount; ++i) FUZZ_REQUIRE(pattern.Frame(i) != nullptr);
}

void CheckRoundTrip(LedPattern& pattern) {
    if (!SavePatternFile(pattern, copy.c_str())) return;
    PatternLoadResult again = ReadPatternFile(copy.c_str());
    FUZZ_REQUIRE(again.status == PatternLoadStatus::Loaded);
    const LedPattern& reloaded = *again.pattern;
    FUZZ_REQUIRE(std::memcmp(&reloaded.header, &pattern.header, LedFileHeader::Size) == 0);
    FUZZ_REQUIRE(reloaded.frameCount == pattern.frameCount);
    for (std::uint32_t i = 0; i < pattern.frameCount; ++i)
        FUZZ_REQUIRE(std::memcmp(reloaded.Frame(i), pattern.Frame(i), pattern.FrameSize()) == 0);
}

void CheckEmit(const LedPattern& pattern) {
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(pattern.frameCount) * FrameProgramBytes(pattern.columns, pattern.rows);
    if (bytes > EmitLimit) return;
    HexImageWriter writer;
    if (!writer.Open(program.c_str(), HexOptions::ForFormat(HexFormat::Linear32))) return;
    for (std::uint32_t i = 0; i <= pattern.frameCount; ++i) pattern.EmitFrame(writer, i);
    const std::uint64_t frameBytes = FrameProgramBytes(pattern.columns, pattern.rows);
    FUZZ_REQUIRE(writer.ImageBytes() == 2 + (pattern.frameCount + 1ull) * frameBytes);
    FUZZ_REQUIRE(writer.Close());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzScratch::Write(input, data, size);
    PatternLoadResult loaded = ReadPatternFile(input.c_str());
    if (!loaded.pattern) return 0;
    CheckInvariants(*loaded.pattern, data, size);
    if (loaded.status == PatternLoadStatus::Loaded) FUZZ_REQUIRE(!loaded.pattern->modified);
    CheckRoundTrip(*loaded.pattern);
    CheckEmit(*loaded.pattern);
    return 0;
}

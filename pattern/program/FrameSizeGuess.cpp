#include "pattern/program/FrameSizeGuess.h"

#include "pattern/program/DisplayProgramReader.h"
#include "pattern/program/FrameBitmap.h"

std::vector<std::size_t> FrameBytesThatRead(ImageSource& source, const std::vector<std::size_t>& candidates) {
    struct Walk {
        std::size_t frameBytes;
        ProgramWalker walker;
    };
    // Thousands of walks: made in place, never moved.
    std::vector<Walk> walks;
    walks.reserve(candidates.size());
    for (std::size_t frameBytes : candidates) walks.push_back(Walk{frameBytes, ProgramWalker(frameBytes)});
    // Walks still taking words; the others only wait for the end.
    std::vector<Walk*> live;
    live.reserve(walks.size());
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
            while (!walker.Ended() && !walker.Failed() && walker.NextWord() + CommandWordSize <= end) {
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
        if (walk.walker.ReadsWhole(base)) reading.push_back(walk.frameBytes);
    return reading;
}

const FrameSizeName CommonFrameSizes[] = {
    {5, 7},   {8, 8},   {16, 8},   {16, 16},  {32, 8},   {32, 16},  {32, 32},
    {64, 16}, {64, 32}, {96, 16},  {128, 16}, {128, 32}, {64, 64},  {255, 255},
};
const std::size_t CommonFrameSizeCount = sizeof CommonFrameSizes / sizeof CommonFrameSizes[0];

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


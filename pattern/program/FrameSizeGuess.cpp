#include "pattern/program/FrameSizeGuess.h"

#include <cstdint>
#include <queue>

#include "pattern/program/DisplayProgramReader.h"
#include "pattern/program/FrameBitmap.h"

namespace {

// The walks of every frame length go through the image together, each
// waiting for the word at its next offset. Walks at one offset take its word
// as one group: a run of words without frames (resets, empty blocks) costs
// once for all the lengths, not once for each, and only a word with frames
// sends each length on to an offset of its own. Groups are lists linked
// through the walks, so that walking allocates nothing.
class FrameLengthWalks {
public:
    explicit FrameLengthWalks(const std::vector<std::size_t>& candidates)
        : candidates_(candidates), after_(candidates.size(), None), endWord_(candidates.size(), NotEnded) {
        if (candidates.empty()) return;
        for (std::size_t walk = 0; walk + 1 < candidates.size(); ++walk) after_[walk] = walk + 1;
        std::vector<Group> groups;
        groups.reserve(candidates.size());
        waiting_ = std::priority_queue<Group, std::vector<Group>, Later>(Later(), std::move(groups));
        waiting_.push(Group{0, 0, candidates.size() - 1});
    }

    // The offset of the next word waited for; false when none is.
    bool Next(std::uint64_t* offset) const {
        if (waiting_.empty()) return false;
        *offset = waiting_.top().offset;
        return true;
    }

    // The walks at the first offset waited for take the word there.
    void Take(std::uint16_t word) {
        Group group = waiting_.top();
        waiting_.pop();
        while (!waiting_.empty() && waiting_.top().offset == group.offset) {
            after_[group.last] = waiting_.top().first;
            group.last = waiting_.top().last;
            waiting_.pop();
        }
        ProgramItem item;
        if (!ReadCommandWord(word, group.offset == 0, &item, nullptr)) return;
        const std::uint64_t next = group.offset + CommandWordSize;
        if (item.kind != ProgramItemKind::End && item.pairs == 0) {
            group.offset = next;
            waiting_.push(group);
            return;
        }
        for (std::size_t walk = group.first; walk != None;) {
            const std::size_t following = after_[walk];
            after_[walk] = None;
            if (item.kind == ProgramItemKind::End) endWord_[walk] = group.offset;
            else waiting_.push(Group{next + 2 * std::uint64_t(item.pairs) * candidates_[walk], walk, walk});
            walk = following;
        }
    }

    // The lengths, in the order given, of the walks whose end word closes an
    // image of size bytes.
    std::vector<std::size_t> Reading(std::uint64_t size) const {
        std::vector<std::size_t> reading;
        for (std::size_t walk = 0; walk < candidates_.size(); ++walk)
            if (size >= CommandWordSize && endWord_[walk] == size - CommandWordSize) reading.push_back(candidates_[walk]);
        return reading;
    }

private:
    static constexpr std::size_t None = SIZE_MAX;
    static constexpr std::uint64_t NotEnded = UINT64_MAX;

    struct Group {
        std::uint64_t offset;    // of the word its walks wait for
        std::size_t first, last;
    };
    struct Later {
        bool operator()(const Group& a, const Group& b) const { return a.offset > b.offset; }
    };

    const std::vector<std::size_t>& candidates_;
    std::vector<std::size_t> after_;        // the next walk in its group
    std::vector<std::uint64_t> endWord_;    // where each walk's end word stands
    std::priority_queue<Group, std::vector<Group>, Later> waiting_;
};

}  // namespace

std::vector<std::size_t> FrameBytesThatRead(ImageSource& source, const std::vector<std::size_t>& candidates) {
    FrameLengthWalks walks(candidates);
    std::vector<std::uint8_t> piece(64 * 1024);
    std::uint64_t base = 0;   // offset of piece[0]
    int carried = -1;         // the byte before piece[0], for a word across pieces
    for (;;) {
        const std::size_t got = source.Read(piece.data(), piece.size());
        const std::uint64_t end = base + got;
        std::uint64_t at = 0;
        while (walks.Next(&at) && at + CommandWordSize <= end) {
            const unsigned high = at < base ? static_cast<unsigned>(carried) : piece[at - base];
            walks.Take(static_cast<std::uint16_t>(high << 8 | piece[at + 1 - base]));
        }
        if (got) carried = piece[got - 1];
        base = end;
        if (got < piece.size()) break;
    }
    return walks.Reading(base);
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

// FrameSizeGuess: the frame sizes at which a display program reads, for a
// user who does not know the size of the board it was made for. The image
// does not say; a size is a guess when the program reads at it from the
// start word to the end word.
#ifndef LUMIGRID_PATTERN_FRAMESIZEGUESS_H
#define LUMIGRID_PATTERN_FRAMESIZEGUESS_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pattern/hex/ImageSource.h"

// Of the frame lengths given, those at which the program in the source
// reads, in the order given; one pass over the source.
std::vector<std::size_t> FrameBytesThatRead(ImageSource& source, const std::vector<std::size_t>& candidates);
// Every frame length from 1 to that of 255 x 255 but excludedFrameBytes.
std::vector<std::size_t> CandidateFrameBytes(std::size_t excludedFrameBytes);

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

#endif

// ProgramFormat: the command words of the display program, as the board reads
// them; the builder, the HEX writer and the reader all take them from here.
//
// A word is 16 bits, most significant byte first in the image; its first
// nibble is the command:
//   F000   start (the writer opens every image with it)
//   1 0 ww picture, Normal with wait ww, then the two frames of one pair
//   2 ppp  Animation block of P pairs, then 2P frames: written only by an
//          older build of the editor, which today writes pictures with wait 0
//   3 ppp  scroll block of P pairs, then 2P frames
//   4 0 ww picture, On-Off with wait ww, then the two frames of one pair
//   6000   reset
//   0000   end (the writer closes every image with it)
#ifndef LUMIGRID_PATTERN_PROGRAMFORMAT_H
#define LUMIGRID_PATTERN_PROGRAMFORMAT_H

#include <cstddef>
#include <cstdint>

#include "pattern/document/LedFileHeader.h"

enum ProgramCommand : unsigned {
    EndCommand = 0x0,
    NormalPictureCommand = 0x1,
    AnimationBlockCommand = 0x2,
    ScrollBlockCommand = 0x3,
    OnOffPictureCommand = 0x4,
    ResetCommand = 0x6,
};

const std::uint16_t StartWord = 0xF000;
const std::uint16_t ResetWord = 0x6000;
const std::uint16_t EndWord = 0x0000;

// Bytes of a command word in the image.
const std::size_t CommandWordSize = 2;
// The nibble after a picture's command, which is always 0.
const std::uint16_t PictureReservedMask = 0x0F00;
const std::uint16_t PictureWaitMask = 0x00FF;
// A block's pair count: the word's low three nibbles.
const std::uint16_t BlockPairsMask = 0x0FFF;

inline unsigned CommandOf(std::uint16_t word) { return word >> 12; }

inline std::uint16_t PictureWord(unsigned command, std::uint8_t wait) {
    return static_cast<std::uint16_t>(command << 12 | wait);
}

// Pair counts above BlockPairsMask do not fit; they are cut to its bits.
inline std::uint16_t BlockWord(unsigned command, std::uint32_t pairs) {
    return static_cast<std::uint16_t>(command << 12 | (pairs & BlockPairsMask));
}

// A picture's command by the pattern's control code: On-Off has its own,
// Normal and Animation share Normal's.
inline unsigned PictureCommandFor(std::uint8_t controlCode) {
    return controlCode == ControlOnOff ? OnOffPictureCommand : NormalPictureCommand;
}

// A command word as it stands in the image.
struct CommandWordBytes {
    explicit CommandWordBytes(std::uint16_t word)
        : bytes{static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word & 0xFF)} {}
    std::uint8_t bytes[CommandWordSize];
};

#endif

// LedFileHeader: the 12 bytes that open every .led file, held byte for byte
// as they stand in the file (little-endian, no padding).
//
//   0  4  magic "LED1" (4C 45 44 31)
//   4  1  control code: 0 Normal, 1 Animation, 2 Scroll, 3 On-Off
//   5  1  display wait (0 in a pattern whose wait was never set)
//   6  2  frame count, unsigned 16-bit little-endian
//   8  1  rows
//   9  1  row bytes
//  10  1  columns
//  11  1  add-to-list flag
#ifndef LUMIGRID_PATTERN_LEDFILEHEADER_H
#define LUMIGRID_PATTERN_LEDFILEHEADER_H

#include <cstdint>

enum ControlCode : std::uint8_t {
    ControlNormal = 0,
    ControlAnimation = 1,
    ControlScroll = 2,
    ControlOnOff = 3,
};

struct LedFileHeader {
    static constexpr unsigned Size = 12;
    static const std::uint8_t Magic[4];

    std::uint8_t magic[4];
    std::uint8_t controlCode;
    std::uint8_t wait;
    std::uint8_t frameCount[2];
    std::uint8_t rows;
    std::uint8_t rowBytes;
    std::uint8_t columns;
    std::uint8_t addToList;

    std::uint16_t FrameCount() const;
    void SetFrameCount(std::uint16_t count);
    bool HasMagic() const;
};

static_assert(sizeof(LedFileHeader) == LedFileHeader::Size, "the header is stored as it is");

#endif

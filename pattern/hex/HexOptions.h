// HexOptions: the choices of one Intel HEX export, as the hex options dialog
// fills them: the record format and an optional start address.
#ifndef LUMIGRID_PATTERN_HEXOPTIONS_H
#define LUMIGRID_PATTERN_HEXOPTIONS_H

#include <cstdint>

// In the order of the dialog's list.
enum class HexFormat {
    EightBit = 0,           // "8bit": data records only, addresses up to FFFF
    SixteenBit = 1,         // "16bit": the same records as 8bit
    SegmentAddress20 = 2,   // "16bit + SBA (20bit)": extended segment address records
    Linear32 = 3,           // "32bit": extended linear address records
};

constexpr int HexFormatCount = 4;
// The dialog's list texts, by format.
extern const char* const HexFormatNames[HexFormatCount];

enum class StartAddressCheck { Accepted, NotForThisFormat, TooLarge };

struct HexOptions {
    std::uint32_t addressLimit;   // 0xFF, 0xFFFF, 0xFFFFF or 0xFFFFFFFF
    std::uint32_t startAddress;   // 0 = none
    std::uint32_t wrapDistance;   // 1, 1, 16 or 65536: record address of the next extended address record

    // The options of a format, with the start address (0 for none).
    static HexOptions ForFormat(HexFormat format, std::uint32_t startAddress = 0);
    // The format these options stand for; false when they stand for none.
    bool Format(HexFormat* format) const;
};

// The dialog's range rule: a start address is offered for the 20-bit and
// 32-bit formats only, and in the 20-bit format it must not exceed 0xFFFFF.
StartAddressCheck CheckStartAddress(HexFormat format, std::uint32_t startAddress);

#endif

#include "pattern/hex/HexOptions.h"

const char* const HexFormatNames[HexFormatCount] = {"8bit", "16bit", "16bit + SBA (20bit)", "32bit"};

namespace {

struct FormatLayout {
    std::uint32_t addressLimit;
    std::uint32_t wrapDistance;
};

const FormatLayout Layouts[HexFormatCount] = {
    {0xFF, 1},
    {0xFFFF, 1},
    {0xFFFFF, 16},
    {0xFFFFFFFF, 65536},
};

}  // namespace

HexOptions HexOptions::ForFormat(HexFormat format, std::uint32_t startAddress) {
    const FormatLayout& layout = Layouts[static_cast<int>(format)];
    return HexOptions{layout.addressLimit, startAddress, layout.wrapDistance};
}

bool HexOptions::Format(HexFormat* format) const {
    for (int i = 0; i < HexFormatCount; ++i) {
        if (Layouts[i].addressLimit == addressLimit && Layouts[i].wrapDistance == wrapDistance) {
            *format = static_cast<HexFormat>(i);
            return true;
        }
    }
    return false;
}

StartAddressCheck CheckStartAddress(HexFormat format, std::uint32_t startAddress) {
    if (startAddress == 0) return StartAddressCheck::Accepted;
    if (format != HexFormat::SegmentAddress20 && format != HexFormat::Linear32)
        return StartAddressCheck::NotForThisFormat;
    if (startAddress > HexOptions::ForFormat(format).addressLimit) return StartAddressCheck::TooLarge;
    return StartAddressCheck::Accepted;
}

#include "export/HexOutput.h"

#include "pattern/hex/HexImageWriter.h"

namespace {

// The addresses each format names: 16 bits of offset alone, 20 bits of
// segment and offset, 32 bits of bank and offset.
std::uint64_t AddressEnd(HexFormat format) {
    switch (format) {
    case HexFormat::EightBit:
    case HexFormat::SixteenBit: return 0x10000;
    case HexFormat::SegmentAddress20: return 0x100000;
    case HexFormat::Linear32: return 0x100000000ull;
    }
    return 0;
}

const char* FormatName(HexFormat format) {
    switch (format) {
    case HexFormat::EightBit: return "8bit";
    case HexFormat::SixteenBit: return "16bit";
    case HexFormat::SegmentAddress20: return "20bit";
    case HexFormat::Linear32: return "32bit";
    }
    return "";
}

}  // namespace

std::string CheckHexPlacement(HexFormat format, std::uint32_t address, std::uint64_t size) {
    // The writer's extended address would wrap at the very end, even with
    // nothing after it, so those formats keep their last byte free.
    const bool extended = format == HexFormat::SegmentAddress20 || format == HexFormat::Linear32;
    const std::uint64_t end = AddressEnd(format) - (extended ? 1 : 0);
    if (address >= end || size > end - address)
        return std::to_string(size) + " bytes from address " + std::to_string(address) + " run past the " +
               FormatName(format) + " format's " + std::to_string(end) + " addresses" +
               (format == HexFormat::Linear32 ? "" : "; choose a larger format");
    return std::string();
}

std::string WriteHexOutput(const std::uint8_t* bytes, std::size_t size, HexFormat format, std::uint32_t address,
                           const char* path) {
    const std::string placement = CheckHexPlacement(format, address, size);
    if (!placement.empty()) return placement;
    HexImageWriter writer;
    if (!writer.OpenData(path, HexOptions::ForFormat(format), address))
        return DescribeHexExportError(writer.Error());
    writer.PushBytes(bytes, size);
    if (!writer.Close()) return DescribeHexExportError(writer.Error());
    return std::string();
}

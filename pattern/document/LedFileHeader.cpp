#include "pattern/document/LedFileHeader.h"

#include <cstring>

const std::uint8_t LedFileHeader::Magic[4] = {0x4C, 0x45, 0x44, 0x31};

std::uint16_t LedFileHeader::FrameCount() const {
    return static_cast<std::uint16_t>(frameCount[0] | (frameCount[1] << 8));
}

void LedFileHeader::SetFrameCount(std::uint16_t count) {
    frameCount[0] = static_cast<std::uint8_t>(count & 0xFF);
    frameCount[1] = static_cast<std::uint8_t>(count >> 8);
}

bool LedFileHeader::HasMagic() const { return std::memcmp(magic, Magic, sizeof magic) == 0; }

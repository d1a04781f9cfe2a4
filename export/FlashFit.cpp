#include "export/FlashFit.h"

#include <cstdio>

namespace {

const std::uint64_t KiB = 1024;
const std::uint64_t MiB = 1024 * KiB;
const std::uint64_t AvrLargestArray = 32767;
const std::uint64_t AvrNearFlash = 64 * KiB;

}  // namespace

const Controller Controllers[] = {
    {"atmega328p", 32 * KiB, true},   {"atmega32u4", 32 * KiB, true}, {"atmega2560", 256 * KiB, true},
    {"attiny85", 8 * KiB, true},      {"esp8266", 1 * MiB, false},    {"esp32", 4 * MiB, false},
    {"rp2040", 2 * MiB, false},       {"stm32f103c8", 64 * KiB, false},
};

const std::size_t ControllerCount = sizeof Controllers / sizeof Controllers[0];

const Controller* FindController(const std::string& name) {
    for (const Controller& controller : Controllers)
        if (name == controller.name) return &controller;
    return nullptr;
}

std::string ControllerNames() {
    std::string names;
    for (const Controller& controller : Controllers) names += (names.empty() ? "" : ", ") + std::string(controller.name);
    return names;
}

std::string SizeText(std::uint64_t bytes) {
    if (bytes >= MiB && bytes % MiB == 0) return std::to_string(bytes / MiB) + " MiB";
    if (bytes >= KiB && bytes % KiB == 0) return std::to_string(bytes / KiB) + " KiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

FlashFit CheckFlashFit(const Controller& controller, std::uint64_t dataBytes, std::uint64_t largestArray) {
    FlashFit fit;
    fit.percent = 100.0 * static_cast<double>(dataBytes) / static_cast<double>(controller.flashBytes);
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.1f%%", fit.percent);
    fit.share = std::string(percent) + " of the " + controller.name + "'s " + SizeText(controller.flashBytes) + " flash";
    fit.fits = dataBytes <= controller.flashBytes;
    if (!controller.avr) return fit;
    fit.arrayTooLarge = largestArray > AvrLargestArray;
    fit.farData = dataBytes > AvrNearFlash;
    if (fit.arrayTooLarge)
        fit.warnings.push_back("the frames make one array of " + std::to_string(largestArray) +
                               " bytes; avr-gcc takes no array over 32767 bytes: export fewer pictures a file");
    if (fit.farData)
        fit.warnings.push_back("the data run past the first 64 KiB of flash, which pgm_read_byte cannot reach: "
                               "read them with pgm_get_far_address and pgm_read_byte_far");
    return fit;
}

// FlashFit: whether exported data fits a controller's flash, and what breaks
// silently on AVR: an array over 32767 bytes (the largest object avr-gcc
// makes) and data past 64 KiB (pgm_read_byte reaches only the first 64 KiB;
// the rest needs the far reads).
#ifndef LUMIGRID_EXPORT_FLASHFIT_H
#define LUMIGRID_EXPORT_FLASHFIT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Controller {
    const char* name;
    std::uint64_t flashBytes;
    bool avr;
};

extern const Controller Controllers[];
extern const std::size_t ControllerCount;

// The controller of that name (lower case, as listed), or null.
const Controller* FindController(const std::string& name);
// "atmega328p, atmega2560, ..." for messages and help.
std::string ControllerNames();

struct FlashFit {
    bool fits = true;
    std::string share;                   // "12.5% of the atmega328p's 32 KiB flash"
    double percent = 0;                  // 12.5
    std::vector<std::string> warnings;   // AVR's silent limits
    bool arrayTooLarge = false;          // the first of them
    bool farData = false;                // the second
};

// dataBytes in all, the largest one array largestArray bytes.
FlashFit CheckFlashFit(const Controller& controller, std::uint64_t dataBytes, std::uint64_t largestArray);

// "32 KiB", "1 MiB", "300 bytes".
std::string SizeText(std::uint64_t bytes);

#endif

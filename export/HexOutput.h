// Intel HEX: the frames' bytes as data records from a load address, through
// the project's HEX writer and its formats, for firmware that keeps its
// pictures at a fixed address. No F0 00 and 00 00 around them: that is the
// display program's framing, not the pictures'.
#ifndef LUMIGRID_EXPORT_HEXOUTPUT_H
#define LUMIGRID_EXPORT_HEXOUTPUT_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "pattern/hex/HexOptions.h"

// Empty when the data fit the format from address: else why not.
std::string CheckHexPlacement(HexFormat format, std::uint32_t address, std::uint64_t size);
// Writes size bytes to path (safely replaced, "-" the standard output).
// Empty when done, else why not (the target is then untouched).
std::string WriteHexOutput(const std::uint8_t* bytes, std::size_t size, HexFormat format, std::uint32_t address,
                           const char* path);

#endif

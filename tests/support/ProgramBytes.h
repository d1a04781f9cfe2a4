// Display programs written out byte by byte, for the reader's tests: 5 x 7
// frames unless a test says otherwise.
#ifndef LUMIGRID_TESTS_PROGRAMBYTES_H
#define LUMIGRID_TESTS_PROGRAMBYTES_H

#include <cstdint>
#include <initializer_list>
#include <vector>

typedef std::vector<std::uint8_t> Bytes;

// 5 x 7 frames are 5 bytes; all unlit is FF FF FF FF E0 (the last 5 bits pad).
const Bytes Dark = {0xFF, 0xFF, 0xFF, 0xFF, 0xE0};

// F0 00, the pieces, 00 00.
inline Bytes Program(std::initializer_list<Bytes> pieces) {
    Bytes bytes = {0xF0, 0x00};
    for (const Bytes& piece : pieces) bytes.insert(bytes.end(), piece.begin(), piece.end());
    bytes.insert(bytes.end(), {0x00, 0x00});
    return bytes;
}

// A command word and the frames after it.
inline Bytes Word(std::uint8_t high, std::uint8_t low, int frames, const Bytes& frame = Dark) {
    Bytes bytes = {high, low};
    for (int i = 0; i < frames; ++i) bytes.insert(bytes.end(), frame.begin(), frame.end());
    return bytes;
}

#endif

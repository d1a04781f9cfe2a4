// animation_8x8: 6 frames of 8 x 8 LEDs, 8 bytes a frame, 48 bytes in all; exported by Lumigrid.
// Layout u64-8x8, for one 64-bit integer an 8 x 8 module: bit 8 x row + column; little-endian, byte r is row r.
// Each frame is a picture of 8 x 8 LEDs: one frame of the pattern (one plane).
// Rotated 90 degrees clockwise, not mirrored; a lit LED is 1, a dark one 0; padding bits are always 0.
// In tiles of 8 x 8, left to right, then top to bottom; a partial tile is padded with dark LEDs.
// Scanned by rows from the top, each from the left.
// 64-bit words, the first LED of a word in its least significant bit; one continuous run a frame, padded to whole words at its end.
// Words stored little-endian: least significant byte first.
// Delays: 100 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
// lumigrid-layout: planes=one scan=rows bit-order=lsb word=64 pad=none serpentine=no invert=no rotate=90 mirror=none tile=8x8 byte-order=little width=8 height=8 frames=6
#pragma once

#include <stdint.h>

#if defined(__AVR__)
#include <avr/pgmspace.h>
#elif !defined(PROGMEM)
#define PROGMEM
#endif

#define ANIMATION_8X8_WIDTH 8
#define ANIMATION_8X8_HEIGHT 8
#define ANIMATION_8X8_FRAME_COUNT 6
#define ANIMATION_8X8_FRAME_BYTES 8
#define ANIMATION_8X8_FRAME_WORDS 1

const uint64_t animation_8x8_frames[ANIMATION_8X8_FRAME_COUNT][ANIMATION_8X8_FRAME_WORDS] PROGMEM = {
    // frame 0: 100 ms
    {
        0x0000000000000000ULL,  // ........
                                // ........
                                // ........
                                // ........
                                // ........
                                // ........
                                // ........
                                // ........
    },
    // frame 1: 100 ms
    {
        0x0000000000000000ULL,  // ........
                                // ........
                                // ........
                                // ........
                                // ........
                                // ........
                                // ........
                                // ........
    },
    // frame 2: 100 ms
    {
        0xFFFFFFE7E7FFFFFFULL,  // ########
                                // ########
                                // ########
                                // ###..###
                                // ###..###
                                // ########
                                // ########
                                // ########
    },
    // frame 3: 100 ms
    {
        0xFFFFFFFFFFFFFFFFULL,  // ########
                                // ########
                                // ########
                                // ########
                                // ########
                                // ########
                                // ########
                                // ########
    },
    // frame 4: 100 ms
    {
        0xFFFFFFE7E7FFFFFFULL,  // ########
                                // ########
                                // ########
                                // ###..###
                                // ###..###
                                // ########
                                // ########
                                // ########
    },
    // frame 5: 100 ms
    {
        0xFFFFFFFFFFFFFFFFULL,  // ########
                                // ########
                                // ########
                                // ########
                                // ########
                                // ########
                                // ########
                                // ########
    },
};

const uint16_t animation_8x8_delays_ms[ANIMATION_8X8_FRAME_COUNT] PROGMEM = {
    100, 100, 100, 100, 100, 100,
};

// onoff_8x8: 1 frame of 16 x 8 LEDs, 16 bytes a frame, 16 bytes in all; exported by Lumigrid.
// Layout ssd1306, for SSD1306 and SH1106 page buffers, MicroPython framebuf.MONO_VLSB, MD_MAX72XX column buffers.
// Each frame is a picture of 16 x 8 LEDs: frames 2i and 2i + 1 of the pattern side by side (two planes).
// Not rotated, not mirrored; a lit LED is 1, a dark one 0; padding bits are always 0.
// Scanned by pages: bands of 8 rows from the top, each band column by column from the left, each column 8 LEDs from the top (bit k of a column's byte: row 8 x band + k when lsb first).
// 8-bit words, the first LED of a word in its least significant bit; each band padded to whole words.
// Delays: 200 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
// The values are binary literals (0b...): they need C++14, or GNU C (gcc's default).
// lumigrid-layout: planes=two scan=pages bit-order=lsb word=8 pad=unit serpentine=no invert=no rotate=0 mirror=none tile=none byte-order=big width=16 height=8 frames=1
#pragma once

#include <stdint.h>

#if defined(__AVR__)
#include <avr/pgmspace.h>
#elif !defined(PROGMEM)
#define PROGMEM
#endif

#define ONOFF_8X8_WIDTH 16
#define ONOFF_8X8_HEIGHT 8
#define ONOFF_8X8_FRAME_COUNT 1
#define ONOFF_8X8_FRAME_BYTES 16

const uint8_t onoff_8x8_frames[ONOFF_8X8_FRAME_COUNT][ONOFF_8X8_FRAME_BYTES] PROGMEM = {
    // frame 0: 200 ms
    {
        0b00000000, 0b00000000, 0b00000000, 0b00000000, 0b00000000, 0b00000000, 0b01110000, 0b01110000, 0b01110000, 0b00000000, 0b00000000, 0b00000000, 0b00000000, 0b00000000, 0b00000000, 0b00000000,
    },
};

const uint16_t onoff_8x8_delays_ms[ONOFF_8X8_FRAME_COUNT] PROGMEM = {
    200,
};

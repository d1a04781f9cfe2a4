// normal_5x7: 1 frame of 10 x 7 LEDs, 14 bytes a frame, 14 bytes in all; exported by Lumigrid.
// Layout gfx, for Adafruit GFX drawBitmap, u8g2 drawBitmap, MicroPython framebuf.MONO_HLSB, HUB75 libraries built on GFX.
// Each frame is a picture of 10 x 7 LEDs: frames 2i and 2i + 1 of the pattern side by side (two planes).
// Not rotated, not mirrored; a lit LED is 1, a dark one 0; padding bits are always 0.
// Scanned by rows from the top, each from the left.
// 8-bit words, the first LED of a word in its most significant bit; each row padded to whole words.
// Delays: 300 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
// lumigrid-layout: planes=two scan=rows bit-order=msb word=8 pad=unit serpentine=no invert=no rotate=0 mirror=none tile=none byte-order=big width=10 height=7 frames=1
#pragma once

#include <stdint.h>

#if defined(__AVR__)
#include <avr/pgmspace.h>
#elif !defined(PROGMEM)
#define PROGMEM
#endif

#define NORMAL_5X7_WIDTH 10
#define NORMAL_5X7_HEIGHT 7
#define NORMAL_5X7_FRAME_COUNT 1
#define NORMAL_5X7_FRAME_BYTES 14

const uint8_t normal_5x7_frames[NORMAL_5X7_FRAME_COUNT][NORMAL_5X7_FRAME_BYTES] PROGMEM = {
    // frame 0: 300 ms
    {
        0x00, 0x00,  // ..........
        0x00, 0x00,  // ..........
        0x30, 0x00,  // ..##......
        0x30, 0x00,  // ..##......
        0x00, 0x00,  // ..........
        0x00, 0x00,  // ..........
        0x00, 0x00,  // ..........
    },
};

const uint16_t normal_5x7_delays_ms[NORMAL_5X7_FRAME_COUNT] PROGMEM = {
    300,
};

// animation_8x8: 3 frames of 8 x 16 LEDs, 16 bytes a frame, 48 bytes in all; exported by Lumigrid.
// Layout ws2812-progressive, for WS2812/NeoPixel matrices wired row by row, one bit an LED.
// Each frame is a picture of 8 x 16 LEDs: frames 2i and 2i + 1 of the pattern side by side (two planes).
// Rotated 270 degrees clockwise, not mirrored; a lit LED is 1, a dark one 0; padding bits are always 0.
// Scanned as one strip: the rows from the top, each from the left.
// 8-bit words, the first LED of a word in its most significant bit; each frame padded to whole words.
// Delays: 100 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
// lumigrid-layout: planes=two scan=strip bit-order=msb word=8 pad=unit serpentine=no invert=no rotate=270 mirror=none tile=none byte-order=big width=8 height=16 frames=3

pub const ANIMATION_8X8_WIDTH: u32 = 8;
pub const ANIMATION_8X8_HEIGHT: u32 = 16;
pub const ANIMATION_8X8_FRAME_COUNT: usize = 3;
pub const ANIMATION_8X8_FRAME_BYTES: usize = 16;

pub static ANIMATION_8X8_FRAMES: [[u8; ANIMATION_8X8_FRAME_BYTES]; ANIMATION_8X8_FRAME_COUNT] = [
    // frame 0: 100 ms
    // lit LEDs: none
    [
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    ],
    // frame 1: 100 ms
    // lit LEDs: 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
    //           16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31
    //           32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47
    //           48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 63
    //           64 65 66 67 68 69 70 71 72 73 74 75 76 77 78 79
    //           80 81 82 83 84 85 86 87 88 89 90 93 94 95 96 97
    //           98 101 102 103 104 105 106 107 108 109 110 111 112 113 114 115
    //           116 117 118 119 120 121 122 123 124 125 126 127
    [
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE7, 0xE7, 0xFF, 0xFF, 0xFF,
    ],
    // frame 2: 100 ms
    // lit LEDs: 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
    //           16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31
    //           32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47
    //           48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 63
    //           64 65 66 67 68 69 70 71 72 73 74 75 76 77 78 79
    //           80 81 82 83 84 85 86 87 88 89 90 93 94 95 96 97
    //           98 101 102 103 104 105 106 107 108 109 110 111 112 113 114 115
    //           116 117 118 119 120 121 122 123 124 125 126 127
    [
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE7, 0xE7, 0xFF, 0xFF, 0xFF,
    ],
];

pub static ANIMATION_8X8_DELAYS_MS: [u16; ANIMATION_8X8_FRAME_COUNT] = [
    100, 100, 100,
];

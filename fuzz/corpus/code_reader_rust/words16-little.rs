// normal_3x3: 1 frame of 6 x 3 LEDs, 6 bytes a frame, 6 bytes in all; exported by Lumigrid.
// A layout of its own: no preset gives these bytes.
// Each frame is a picture of 6 x 3 LEDs: frames 2i and 2i + 1 of the pattern side by side (two planes).
// Not rotated, then mirrored left to right; a lit LED is 1, a dark one 0; padding bits are always 0.
// Scanned by rows from the top, each from the left.
// 16-bit words, the first LED of a word in its most significant bit; each row padded to whole words.
// Words stored little-endian: least significant byte first.
// Delays: 900 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
// lumigrid-layout: planes=two scan=rows bit-order=msb word=16 pad=unit serpentine=no invert=no rotate=0 mirror=horizontal tile=none byte-order=little width=6 height=3 frames=1

pub const NORMAL_3X3_WIDTH: u32 = 6;
pub const NORMAL_3X3_HEIGHT: u32 = 3;
pub const NORMAL_3X3_FRAME_COUNT: usize = 1;
pub const NORMAL_3X3_FRAME_BYTES: usize = 6;

pub static NORMAL_3X3_FRAMES: [[u8; NORMAL_3X3_FRAME_BYTES]; NORMAL_3X3_FRAME_COUNT] = [
    // frame 0: 900 ms
    [
        0x00, 0x00,  // ......
        0x00, 0x00,  // ......
        0x00, 0x00,  // ......
    ],
];

pub static NORMAL_3X3_DELAYS_MS: [u16; NORMAL_3X3_FRAME_COUNT] = [
    900,
];

# scroll_3x3: 2 frames of 3 x 3 LEDs, 8 bytes a frame, 16 bytes in all; exported by Lumigrid.
# Layout max7219-rows, for MAX7219 8 x 8 modules through LedControl setRow, 8 bytes a module.
# Each frame is a picture of 3 x 3 LEDs: one frame of the pattern (one plane).
# Not rotated, not mirrored; a lit LED is 1, a dark one 0; padding bits are always 0.
# In tiles of 8 x 8, left to right, then top to bottom; a partial tile is padded with dark LEDs.
# Scanned by rows from the top, each from the left.
# 8-bit words, the first LED of a word in its most significant bit; each row padded to whole words.
# Delays: 100 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
# lumigrid-layout: planes=one scan=rows bit-order=msb word=8 pad=unit serpentine=no invert=no rotate=0 mirror=none tile=8x8 byte-order=big width=3 height=3 frames=2

SCROLL_3X3_WIDTH = 3
SCROLL_3X3_HEIGHT = 3
SCROLL_3X3_FRAME_COUNT = 2
SCROLL_3X3_FRAME_BYTES = 8

SCROLL_3X3_FRAMES = (
    # frame 0: 100 ms
    bytes((
        0xE0, 0xE0, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x00,  # ###
                                                         # ###
                                                         # ###
    )),
    # frame 1: 100 ms
    bytes((
        0xE0, 0xE0, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x00,  # ###
                                                         # ###
                                                         # ###
    )),
)

SCROLL_3X3_DELAYS_MS = (
    100, 100,
)

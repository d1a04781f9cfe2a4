# normal_5x7: 1 frame of 10 x 7 LEDs, 9 bytes a frame, 9 bytes in all; exported by Lumigrid.
# Layout ws2812-serpentine, for WS2812/NeoPixel matrices wired in a zigzag (FastLED XY() serpentine), one bit an LED.
# Each frame is a picture of 10 x 7 LEDs: frames 2i and 2i + 1 of the pattern side by side (two planes).
# Not rotated, then mirrored top to bottom; a lit LED is 1, a dark one 0; padding bits are always 0.
# Scanned as one strip: the rows from the top, each from the left, every second row from the right (serpentine).
# 8-bit words, the first LED of a word in its most significant bit; each frame padded to whole words.
# Delays: 300 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for Animation and Scroll).
# lumigrid-layout: planes=two scan=strip bit-order=msb word=8 pad=unit serpentine=yes invert=no rotate=0 mirror=vertical tile=none byte-order=big width=10 height=7 frames=1

NORMAL_5X7_WIDTH = 10
NORMAL_5X7_HEIGHT = 7
NORMAL_5X7_FRAME_COUNT = 1
NORMAL_5X7_FRAME_BYTES = 9

NORMAL_5X7_FRAMES = (
    # frame 0: 300 ms
    bytes((
          0,   0,   0,   0,  12,  48,   0,   0,   0,  # ..........
                                                      # ..........
                                                      # ..........
                                                      # ..##......
                                                      # ..##......
                                                      # ..........
                                                      # ..........
    )),
)

NORMAL_5X7_DELAYS_MS = (
    300,
)

# The LED indices of each frame's lit LEDs, in the strip's order.
NORMAL_5X7_LIT = (
    (
        36, 37, 42, 43,
    ),  # frame 0
)

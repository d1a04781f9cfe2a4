#include "export/LayoutPresets.h"

const char DefaultLayoutPreset[] = "gfx";

const LayoutPreset LayoutPresets[] = {
    {"gfx", "Adafruit GFX drawBitmap, u8g2 drawBitmap, MicroPython framebuf.MONO_HLSB, HUB75 libraries built on GFX",
     0, Scan::Rows, false, BitOrder::Msb, 8, Pad::Unit, ByteOrder::Big},
    {"xbm", "XBM files, Adafruit GFX drawXBitmap, u8g2 drawXBM, MicroPython framebuf.MONO_HMSB",
     0, Scan::Rows, false, BitOrder::Lsb, 8, Pad::Unit, ByteOrder::Big},
    {"ssd1306", "SSD1306 and SH1106 page buffers, MicroPython framebuf.MONO_VLSB, MD_MAX72XX column buffers",
     0, Scan::Pages, false, BitOrder::Lsb, 8, Pad::Unit, ByteOrder::Big},
    {"max7219-rows", "MAX7219 8 x 8 modules through LedControl setRow, 8 bytes a module",
     8, Scan::Rows, false, BitOrder::Msb, 8, Pad::Unit, ByteOrder::Big},
    {"max7219-columns", "MAX7219 8 x 8 modules through LedControl setColumn, 8 bytes a module",
     8, Scan::Columns, false, BitOrder::Msb, 8, Pad::Unit, ByteOrder::Big},
    {"u64-8x8", "one 64-bit integer an 8 x 8 module: bit 8 x row + column; little-endian, byte r is row r",
     8, Scan::Rows, false, BitOrder::Lsb, 64, Pad::None, ByteOrder::Little},
    {"ws2812-serpentine", "WS2812/NeoPixel matrices wired in a zigzag (FastLED XY() serpentine), one bit an LED",
     0, Scan::Strip, true, BitOrder::Msb, 8, Pad::Unit, ByteOrder::Big},
    {"ws2812-progressive", "WS2812/NeoPixel matrices wired row by row, one bit an LED",
     0, Scan::Strip, false, BitOrder::Msb, 8, Pad::Unit, ByteOrder::Big},
};

const std::size_t LayoutPresetCount = sizeof LayoutPresets / sizeof LayoutPresets[0];

const LayoutPreset* FindLayoutPreset(const std::string& name) {
    for (const LayoutPreset& preset : LayoutPresets)
        if (name == preset.name) return &preset;
    return nullptr;
}

void ApplyLayoutPreset(const LayoutPreset& preset, ExportLayout& layout) {
    layout.tileWidth = layout.tileHeight = preset.tileSide;
    layout.scan = preset.scan;
    layout.serpentine = preset.serpentine;
    layout.bitOrder = preset.bitOrder;
    layout.wordBits = preset.wordBits;
    layout.pad = preset.pad;
    layout.byteOrder = preset.byteOrder;
}

const LayoutPreset* PresetOfLayout(const ExportLayout& layout) {
    for (const LayoutPreset& preset : LayoutPresets) {
        ExportLayout packed = layout;
        ApplyLayoutPreset(preset, packed);
        if (layout.wordBits == 8) packed.byteOrder = layout.byteOrder;
        if (packed == layout) return &preset;
    }
    return nullptr;
}

const char* FramebufFormat(const ExportLayout& layout) {
    const LayoutPreset* preset = PresetOfLayout(layout);
    if (!preset) return nullptr;
    const std::string name = preset->name;
    if (name == "gfx") return "MONO_HLSB";
    if (name == "xbm") return "MONO_HMSB";
    if (name == "ssd1306") return "MONO_VLSB";
    return nullptr;
}

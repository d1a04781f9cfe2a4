// The layout pipeline step by step, with bytes worked out by hand from the
// libraries' own loops (Adafruit GFX drawBitmap and drawXBitmap, the
// SSD1306 page buffer, LedControl setRow and setColumn, FastLED's XY()).
#include <gtest/gtest.h>

#include <random>

#include "export/Identifier.h"
#include "export/LayoutPipeline.h"
#include "tests/export/ExportPatterns.h"

namespace {

ExportLayout Preset(const char* name) {
    ExportLayout layout;
    layout.planes = Planes::One;
    ApplyLayoutPreset(*FindLayoutPreset(name), layout);
    return layout;
}

Bytes Encode(const ExportLayout& layout, const PictureCanvas& picture) {
    FrameCoder coder(layout, PictureSize{picture.Width(), picture.Height()});
    Bytes bytes(coder.FrameBytes());
    coder.Encode(picture, bytes.data());
    return bytes;
}

PictureCanvas RandomCanvas(unsigned width, unsigned height, unsigned seed) {
    std::mt19937 random(seed);
    PictureCanvas canvas(width, height);
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) canvas.Set(x, y, random() % 2);
    return canvas;
}

TEST(LayoutPipeline, TheWorkedExample) {
    const PictureCanvas example = CanvasOf(ExampleRows());
    EXPECT_EQ((Bytes{0xC0, 0x40, 0x20, 0x00, 0x00, 0x40}), Encode(Preset("gfx"), example));
    EXPECT_EQ((Bytes{0x03, 0x02, 0x04, 0x00, 0x00, 0x02}), Encode(Preset("xbm"), example));
    ExportLayout inverted = Preset("gfx");
    inverted.invert = true;
    EXPECT_EQ((Bytes{0x3F, 0x80, 0xDF, 0xC0, 0xFF, 0x80}), Encode(inverted, example)) << "padding stays dark";
}

TEST(LayoutPipeline, EveryPresetGivesTheBytesItsLibraryReads) {
    const struct {
        const char* preset;
        Bytes bytes;
    } Cases[] = {
        {"gfx", {0xC0, 0x40, 0x20, 0x00, 0x00, 0x40}},
        {"xbm", {0x03, 0x02, 0x04, 0x00, 0x00, 0x02}},
        // B[(y/8)W + x] bit y%8: column 9 has rows 0 and 2.
        {"ssd1306", {0x01, 0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05}},
        // Two modules side by side; the second holds columns 8 and 9.
        {"max7219-rows", {0xC0, 0x20, 0, 0, 0, 0, 0, 0, 0x40, 0x00, 0x40, 0, 0, 0, 0, 0}},
        {"max7219-columns", {0x80, 0x80, 0x40, 0, 0, 0, 0, 0, 0x00, 0xA0, 0, 0, 0, 0, 0, 0}},
        // Byte r of each little-endian word is row r, bit x % 8.
        {"u64-8x8", {0x03, 0x04, 0, 0, 0, 0, 0, 0, 0x02, 0x00, 0x02, 0, 0, 0, 0, 0}},
        // LEDs 0, 1, 9, 17 (row 1 runs back: 10 + 9 - 2) and 29.
        {"ws2812-serpentine", {0xC0, 0x40, 0x40, 0x04}},
        // LEDs 0, 1, 9, 12 and 29.
        {"ws2812-progressive", {0xC0, 0x48, 0x00, 0x04}},
    };
    const PictureCanvas example = CanvasOf(ExampleRows());
    for (const auto& known : Cases) {
        EXPECT_EQ(known.bytes, Encode(Preset(known.preset), example)) << known.preset;
        FrameCoder coder(Preset(known.preset), PictureSize{10, 3});
        EXPECT_EQ(example, coder.Decode(known.bytes.data())) << known.preset << " decodes back";
    }
    EXPECT_EQ(8u, LayoutPresetCount);
}

TEST(LayoutPipeline, RotationAndMirroringComeBeforeTheScan) {
    const PictureCanvas example = CanvasOf(ExampleRows());
    ExportLayout layout = Preset("gfx");
    layout.rotate = 90;
    // Clockwise: the left column becomes the top row, read from the bottom.
    EXPECT_EQ(CanvasOf({"..#", "..#", ".#.", "...", "...", "...", "...", "...", "...", "#.#"}),
              TransformPicture(example, layout));
    EXPECT_EQ((Bytes{0x20, 0x20, 0x40, 0, 0, 0, 0, 0, 0, 0xA0}), Encode(layout, example));
    layout = Preset("ssd1306");
    layout.rotate = 90;
    EXPECT_EQ((Bytes{0x00, 0x04, 0x03, 0x02, 0x00, 0x02}), Encode(layout, example)) << "two pages of 3 columns";
    layout = Preset("gfx");
    layout.mirror = Mirror::Horizontal;
    EXPECT_EQ((Bytes{0x80, 0xC0, 0x01, 0x00, 0x80, 0x00}), Encode(layout, example)) << "left and right swapped";
    layout.mirror = Mirror::Vertical;
    EXPECT_EQ((Bytes{0x00, 0x40, 0x20, 0x00, 0xC0, 0x40}), Encode(layout, example)) << "top and bottom swapped";
}

TEST(LayoutPipeline, FourQuarterTurnsAndTwoMirrorsChangeNothing) {
    const PictureCanvas original = RandomCanvas(13, 5, 3);
    ExportLayout quarter;
    quarter.rotate = 90;
    PictureCanvas turned = original;
    for (int i = 0; i < 4; ++i) {
        turned = TransformPicture(turned, quarter);
        if (i < 3) {
            EXPECT_NE(original, turned);
        }
    }
    EXPECT_EQ(original, turned);
    for (Mirror mirror : {Mirror::Horizontal, Mirror::Vertical}) {
        ExportLayout mirrored;
        mirrored.mirror = mirror;
        EXPECT_EQ(original, TransformPicture(TransformPicture(original, mirrored), mirrored));
    }
    for (unsigned rotate : {0u, 90u, 180u, 270u})
        for (Mirror mirror : {Mirror::None, Mirror::Horizontal, Mirror::Vertical}) {
            ExportLayout layout;
            layout.rotate = rotate;
            layout.mirror = mirror;
            EXPECT_EQ(original, UntransformPicture(TransformPicture(original, layout), layout)) << rotate;
        }
}

TEST(LayoutPipeline, GfxAndXbmAreBitwiseReversalsByteForByte) {
    const PictureCanvas picture = RandomCanvas(13, 5, 11);
    const Bytes gfx = Encode(Preset("gfx"), picture), xbm = Encode(Preset("xbm"), picture);
    ASSERT_EQ(gfx.size(), xbm.size());
    for (std::size_t i = 0; i < gfx.size(); ++i) {
        std::uint8_t reversed = 0;
        for (unsigned bit = 0; bit < 8; ++bit)
            if (gfx[i] & (1u << bit)) reversed = static_cast<std::uint8_t>(reversed | (0x80u >> bit));
        EXPECT_EQ(reversed, xbm[i]) << "byte " << i;
    }
}

TEST(LayoutPipeline, PaddingBitsAreZeroWithAndWithoutInvert) {
    const PictureCanvas dark(11, 5);
    for (std::size_t p = 0; p < LayoutPresetCount; ++p)
        for (bool invert : {false, true}) {
            ExportLayout layout = Preset(LayoutPresets[p].name);
            layout.invert = invert;
            FrameCoder coder(layout, PictureSize{11, 5});
            Bytes bytes(coder.FrameBytes());
            coder.Encode(dark, bytes.data());
            std::size_t real = 0;
            for (std::size_t byte = 0; byte < bytes.size(); ++byte)
                for (unsigned bit = 0; bit < 8; ++bit) {
                    Cell cell{};
                    const bool set = bytes[byte] & (1u << bit);
                    if (coder.SourceOfBit(byte, bit, &cell)) {
                        ++real;
                        EXPECT_EQ(invert, set);
                    } else {
                        EXPECT_FALSE(set) << LayoutPresets[p].name << " byte " << byte << " bit " << bit;
                    }
                }
            EXPECT_EQ(55u, real) << "every LED once";
        }
}

TEST(LayoutPipeline, WordsPaddingSerpentineAndColumnsAsDefined) {
    const PictureCanvas example = CanvasOf(ExampleRows());
    ExportLayout layout = Preset("gfx");
    layout.wordBits = 16;
    EXPECT_EQ((Bytes{0xC0, 0x40, 0x20, 0x00, 0x00, 0x40}), Encode(layout, example)) << "a row a 16-bit word";
    layout.byteOrder = ByteOrder::Little;
    EXPECT_EQ((Bytes{0x40, 0xC0, 0x00, 0x20, 0x40, 0x00}), Encode(layout, example));
    layout.pad = Pad::None;
    // One run of 30 bits in two words: C048 and 0004.
    EXPECT_EQ((Bytes{0x48, 0xC0, 0x04, 0x00}), Encode(layout, example));
    layout = Preset("gfx");
    layout.serpentine = true;
    EXPECT_EQ((Bytes{0xC0, 0x40, 0x01, 0x00, 0x00, 0x40}), Encode(layout, example)) << "row 1 from the right";
    layout = Preset("gfx");
    layout.scan = Scan::Columns;
    EXPECT_EQ((Bytes{0x80, 0x80, 0x40, 0, 0, 0, 0, 0, 0, 0xA0}), Encode(layout, example));
    ExportLayout pages = Preset("ssd1306");
    pages.invert = true;
    EXPECT_EQ((Bytes{0x06, 0x06, 0x05, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x02}), Encode(pages, example))
        << "rows 3 to 7 of the page are padding";
}

TEST(LayoutPipeline, TheStripFollowsFastLedsSerpentineIndex) {
    FrameCoder coder(Preset("ws2812-serpentine"), PictureSize{4, 3});
    const std::vector<Cell>& path = coder.ScanPath();
    ASSERT_EQ(12u, path.size());
    for (unsigned y = 0; y < 3; ++y)
        for (unsigned x = 0; x < 4; ++x) {
            const unsigned index = y % 2 ? y * 4 + (3 - x) : y * 4 + x;
            EXPECT_EQ(x, path[index].x);
            EXPECT_EQ(y, path[index].y);
        }
}

TEST(LayoutLine, ReadsBackWhatItWritesAndRefusesWhatItDoesNot) {
    LayoutLine line;
    line.layout = Preset("u64-8x8");
    line.layout.planes = Planes::Two;
    line.layout.rotate = 270;
    line.layout.mirror = Mirror::Vertical;
    line.size = PictureSize{16, 8};
    line.frames = 12;
    const std::string text = FormatLayoutLine(line);
    EXPECT_EQ(0u, text.find("lumigrid-layout: planes=two scan=rows bit-order=lsb word=64 pad=none serpentine=no "
                            "invert=no rotate=270 mirror=vertical tile=8x8 byte-order=little width=16 height=8 frames=12"));
    LayoutLine read;
    ASSERT_EQ("", ParseLayoutLine(text.substr(text.find(':') + 1) + " */", &read));
    EXPECT_EQ(line.layout, read.layout);
    EXPECT_EQ(12u, read.frames);
    EXPECT_EQ("unknown key \"colour\"", ParseLayoutLine(" colour=red width=1 height=1 frames=1", &read));
    EXPECT_EQ("\"45\" is not a value of rotate", ParseLayoutLine(" rotate=45 width=1 height=1 frames=1", &read));
    EXPECT_NE("", ParseLayoutLine(" width=600 height=1 frames=1", &read));
    EXPECT_NE("", ParseLayoutLine(" width=8 height=8 frames=99999", &read));
    EXPECT_NE("", ParseLayoutLine(" scan=rows", &read)) << "no size";
}

TEST(Identifier, NamesBecomeIdentifiersOfEveryLanguage) {
    EXPECT_EQ("My_Sign_2", MakeIdentifier("My Sign-2"));
    EXPECT_EQ("_2sign", MakeIdentifier("2sign"));
    EXPECT_EQ("_", MakeIdentifier("\xE6\x97\xA5\xE6\x9C\xAC"));
    EXPECT_EQ("pattern", MakeIdentifier(""));
    EXPECT_EQ("MY_SIGN_2", UpperIdentifier("My_Sign_2"));
    EXPECT_EQ("scroll", FileStem("/home/me/signs.d/scroll.led"));
}

}  // namespace

// Exports as a caller gets them: the text of each language, the delays, the
// flash fit, HEX records, and every preset in every language read back to
// the same frames.
#include <gtest/gtest.h>

#include <random>

#include "export/CodeExport.h"
#include "export/ExportReader.h"
#include "tests/export/ExportPatterns.h"
#include "tests/support/IntelHexReader.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// The example and its mirror image, one plane each.
struct ExampleExport : ::testing::Test {
    LedPattern pattern;
    void SetUp() override { DrawFrames(pattern, {ExampleRows(), {"#.......##", ".......#..", "#........."}}); }
};

const char ExampleInC[] =
    "// sign: 2 frames of 10 x 3 LEDs, 6 bytes a frame, 12 bytes in all; exported by Lumigrid.\n"
    "// Layout gfx, for Adafruit GFX drawBitmap, u8g2 drawBitmap, MicroPython framebuf.MONO_HLSB, HUB75 libraries "
    "built on GFX.\n"
    "// Each frame is a picture of 10 x 3 LEDs: one frame of the pattern (one plane).\n"
    "// Not rotated, not mirrored; a lit LED is 1, a dark one 0; padding bits are always 0.\n"
    "// Scanned by rows from the top, each from the left.\n"
    "// 8-bit words, the first LED of a word in its most significant bit; each row padded to whole words.\n"
    "// Delays: 100 ms a frame (the pattern's wait times a tick of 100 ms for Normal and On-Off, one tick for "
    "Animation and Scroll).\n"
    "// lumigrid-layout: planes=one scan=rows bit-order=msb word=8 pad=unit serpentine=no invert=no rotate=0 "
    "mirror=none tile=none byte-order=big width=10 height=3 frames=2\n"
    "#pragma once\n\n#include <stdint.h>\n\n"
    "#if defined(__AVR__)\n#include <avr/pgmspace.h>\n#elif !defined(PROGMEM)\n#define PROGMEM\n#endif\n\n"
    "#define SIGN_WIDTH 10\n#define SIGN_HEIGHT 3\n#define SIGN_FRAME_COUNT 2\n#define SIGN_FRAME_BYTES 6\n\n"
    "const uint8_t sign_frames[SIGN_FRAME_COUNT][SIGN_FRAME_BYTES] PROGMEM = {\n"
    "    // frame 0: 100 ms\n"
    "    {\n"
    "        0xC0, 0x40,  // ##.......#\n"
    "        0x20, 0x00,  // ..#.......\n"
    "        0x00, 0x40,  // .........#\n"
    "    },\n"
    "    // frame 1: 100 ms\n"
    "    {\n"
    "        0x80, 0xC0,  // #.......##\n"
    "        0x01, 0x00,  // .......#..\n"
    "        0x80, 0x00,  // #.........\n"
    "    },\n"
    "};\n\n"
    "const uint16_t sign_delays_ms[SIGN_FRAME_COUNT] PROGMEM = {\n"
    "    100, 100,\n"
    "};\n";

TEST_F(ExampleExport, CIsAHeaderWithTheDataInFlash) {
    const ExportResult result = ExportCode(pattern, OptionsFor("gfx"));
    ASSERT_TRUE(result.Made()) << result.error;
    EXPECT_EQ(ExampleInC, result.output);
    EXPECT_EQ("6 bytes a frame, 12 bytes in all", result.summary);
    EXPECT_EQ(16u, result.dataBytes) << "the delays too";
}

TEST_F(ExampleExport, EachLanguageDeclaresWhatItsReadersExpect) {
    ExportOptions options = OptionsFor("gfx");
    options.language = CodeLanguage::Python;
    std::string text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("framebuf.FrameBuffer(bytearray(SIGN_FRAMES[i]), SIGN_WIDTH, SIGN_HEIGHT, "
                                           "framebuf.MONO_HLSB)"));
    EXPECT_NE(std::string::npos, text.find("SIGN_FRAMES = (\n    # frame 0: 100 ms\n    bytes((\n"));
    EXPECT_NE(std::string::npos, text.find("SIGN_DELAYS_MS = (\n    100, 100,\n)"));
    options.language = CodeLanguage::Rust;
    text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("pub const SIGN_WIDTH: u32 = 10;"));
    EXPECT_NE(std::string::npos, text.find("pub static SIGN_FRAMES: [[u8; SIGN_FRAME_BYTES]; SIGN_FRAME_COUNT] = ["));
    EXPECT_NE(std::string::npos, text.find("pub static SIGN_DELAYS_MS: [u16; SIGN_FRAME_COUNT] = ["));
    options.language = CodeLanguage::Json;
    text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("\"bytes\": [\n        192, 64,\n        32, 0,\n        0, 64\n      ]"));
    EXPECT_NE(std::string::npos, text.find("\"rows\": [\n        \"##.......#\","));
    for (const char* key : {"planes", "rotate", "mirror", "invert", "tile", "scan", "serpentine", "bit-order", "word",
                            "pad", "byte-order"})
        EXPECT_NE(std::string::npos, text.find(std::string("    \"") + key + "\": ")) << key;
    options = OptionsFor("xbm");
    options.language = CodeLanguage::Xbm;
    text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("#define sign_width 10\n#define sign_height 6\n"
                                           "static unsigned char sign_bits[] = {\n"
                                           "   0x03, 0x02, 0x04, 0x00, 0x00, 0x02, 0x01, 0x03, 0x80, 0x00, 0x01, 0x00\n};"));
}

TEST_F(ExampleExport, OptionsChangeTheTextAsAsked) {
    ExportOptions options = OptionsFor("gfx");
    options.layout.wordBits = 16;
    options.base = NumberBase::Bin;
    options.art = false;
    std::string text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("#define SIGN_FRAME_WORDS 3\n"));
    EXPECT_NE(std::string::npos, text.find("const uint16_t sign_frames[SIGN_FRAME_COUNT][SIGN_FRAME_WORDS] PROGMEM"));
    EXPECT_NE(std::string::npos, text.find("        0b1100000001000000,\n        0b0010000000000000,\n"));
    EXPECT_NE(std::string::npos, text.find("need C++14, or GNU C"));
    EXPECT_EQ(std::string::npos, text.find("##")) << "no pictures";
    options = OptionsFor("ws2812-serpentine");
    text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("    // lit LEDs: 0 1 9 17 29\n")) << "the strip's indices";
    options = OptionsFor("gfx");
    options.language = CodeLanguage::Xbm;
    EXPECT_NE(std::string::npos, ExportCode(pattern, options).error.find("XBM holds only the xbm layout"));
    options.language = CodeLanguage::C;
    options.pictures = PictureRange{1, 1};
    text = ExportCode(pattern, options).output;
    EXPECT_NE(std::string::npos, text.find("// frame 0 (picture 1): 100 ms\n"));
    EXPECT_NE(std::string::npos, text.find("#define SIGN_FRAME_COUNT 1\n"));
    options.pictures = PictureRange{1, 2};
    EXPECT_EQ("the pattern has 2 pictures (numbered from 0) with one plane", ExportCode(pattern, options).error);
}

TEST_F(ExampleExport, DelaysFollowThePreviewsPlayModel) {
    ExportOptions options = OptionsFor("gfx");
    options.tickMilliseconds = 50;
    pattern.header.controlCode = ControlNormal;
    pattern.header.wait = 3;
    EXPECT_NE(std::string::npos, ExportCode(pattern, options).output.find("    150, 150,\n"));
    pattern.header.wait = 0;
    EXPECT_NE(std::string::npos, ExportCode(pattern, options).output.find("    50, 50,\n")) << "a wait of 0 counts as 1";
    pattern.header.controlCode = ControlScroll;
    pattern.header.wait = 9;
    EXPECT_NE(std::string::npos, ExportCode(pattern, options).output.find("    50, 50,\n")) << "one tick";
    pattern.header.controlCode = ControlOnOff;
    pattern.header.wait = 255;
    options.tickMilliseconds = 300;
    EXPECT_NE(std::string::npos, ExportCode(pattern, options).error.find("does not fit the 16-bit delays"));
    options.language = CodeLanguage::Binary;
    EXPECT_TRUE(ExportCode(pattern, options).Made()) << "binary holds no delays";
}

TEST(FlashFit, TheControllersShareAndWhatBreaksSilentlyOnAvr) {
    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(10);
    ExportOptions options = OptionsFor("gfx", Planes::Two);
    options.mcu = "atmega2560";
    ExportResult result = ExportCode(pattern, options);
    ASSERT_TRUE(result.Made()) << result.error;
    EXPECT_EQ("16320 bytes a frame, 81600 bytes in all (31.1% of the atmega2560's 256 KiB flash)", result.summary);
    ASSERT_EQ(2u, result.warnings.size());
    EXPECT_NE(std::string::npos, result.warnings[0].find("no array over 32767 bytes"));
    EXPECT_NE(std::string::npos, result.warnings[1].find("pgm_read_byte_far"));
    options.mcu = "esp32";
    EXPECT_TRUE(ExportCode(pattern, options).warnings.empty());
    options.mcu = "atmega328p";
    result = ExportCode(pattern, options);
    EXPECT_EQ("81610 bytes do not fit the atmega328p's 32 KiB flash", result.error);
    EXPECT_TRUE(result.output.empty());
    options.mcu = "z80";
    EXPECT_EQ(0u, ExportCode(pattern, options).error.find("unknown controller \"z80\" (atmega328p, "));
}

TEST_F(ExampleExport, HexRecordsCarryTheDataAloneFromTheAddress) {
    ScratchDirectory scratch;
    ExportOptions options = OptionsFor("gfx");
    options.language = CodeLanguage::Hex;
    options.address = 0x1008;
    options.hexFormat = HexFormat::SixteenBit;
    ASSERT_TRUE(WriteExportFile(pattern, options, scratch.File("a.hex").c_str()).Made());
    const std::string text = ScratchDirectory::ReadText(scratch.File("a.hex"));
    EXPECT_EQ(":08100800C0402000004080C040\r\n:04101000010080005B\r\n:00000001FF\r\n", text)
        << "a first record up to the 16-byte boundary";
    // Off a 16-byte boundary, in the segments of 20bit and the banks of 32bit.
    for (HexFormat format : {HexFormat::SegmentAddress20, HexFormat::Linear32}) {
        options.address = 0x1FFFA;
        options.hexFormat = format;
        ASSERT_TRUE(WriteExportFile(pattern, options, scratch.File("b.hex").c_str()).Made());
        const IntelHexImage image = ReadIntelHex(ScratchDirectory::ReadText(scratch.File("b.hex")));
        ASSERT_EQ("", image.problem);
        EXPECT_EQ((Bytes{0xC0, 0x40, 0x20, 0x00, 0x00, 0x40, 0x80, 0xC0, 0x01, 0x00, 0x80, 0x00}),
                  Bytes(image.bytes.begin() + 0x1FFFA, image.bytes.end()));
    }
    options.address = 0xFFF8;
    options.hexFormat = HexFormat::EightBit;
    const ExportResult result = WriteExportFile(pattern, options, scratch.File("c.hex").c_str());
    EXPECT_NE(std::string::npos, result.error.find("run past the 8bit format's 65536 addresses"));
    EXPECT_FALSE(ScratchDirectory::Exists(scratch.File("c.hex")));
}

TEST_F(ExampleExport, FilesAreNamedAndWrittenWhole) {
    ScratchDirectory scratch;
    ExportOptions options = OptionsFor("gfx");
    options.name.clear();
    pattern.SetFileName("/signs/2 Shop-Front.led");
    EXPECT_EQ("_2_Shop_Front", ExportName(pattern, options));
    const std::string path = scratch.File("out.h");
    ASSERT_TRUE(WriteExportFile(pattern, options, path.c_str()).Made());
    EXPECT_NE(std::string::npos, ScratchDirectory::ReadText(path).find("_2_Shop_Front_frames["));
    const ExportResult failed = WriteExportFile(pattern, options, scratch.File("missing/out.h").c_str());
    EXPECT_TRUE(failed.writeFailed);
    EXPECT_FALSE(ScratchDirectory::Exists(scratch.File("missing")));
}

// Three random frames of 7 x 11 with two planes: two pictures of 14 x 11,
// the second with a dark partner; rotated, mirrored and inverted too.
TEST(RoundTrip, EveryPresetInEveryLanguageReadsBackToTheSameFrames) {
    LedPattern pattern;
    pattern.Create(7, 11);
    pattern.SetFrameCount(3);
    std::mt19937 random(5);
    for (std::uint32_t f = 0; f < 3; ++f)
        for (unsigned y = 0; y < 11; ++y)
            for (unsigned x = 0; x < 7; ++x)
                if (random() % 3 == 0) pattern.SetPixel(f, x, y);
    const CodeLanguage Languages[] = {CodeLanguage::C,    CodeLanguage::Python, CodeLanguage::Json, CodeLanguage::Xbm,
                                      CodeLanguage::Rust, CodeLanguage::Binary, CodeLanguage::Hex};
    for (std::size_t p = 0; p < LayoutPresetCount; ++p)
        for (CodeLanguage language : Languages)
            for (unsigned turn = 0; turn < 3; ++turn) {
                const std::string preset = LayoutPresets[p].name;
                if (language == CodeLanguage::Xbm && preset != "xbm") continue;
                ExportOptions options = OptionsFor(preset.c_str(), Planes::Two);
                options.language = language;
                options.layout.rotate = 90 * turn;
                options.layout.mirror = static_cast<Mirror>(turn);
                options.layout.invert = turn == 1;
                const ExportResult result = ExportCode(pattern, options);
                ASSERT_TRUE(result.Made()) << preset << " " << LanguageName(language) << ": " << result.error;
                ReadHints hints;
                hints.hasLayout = true;
                hints.layout = options.layout;
                hints.size = result.size;
                ExportedCode code;
                ExportReadError error;
                const bool read = IsTextLanguage(language)
                                      ? ReadExportedText(result.output.data(), result.output.size(), ReadHints(), &code, &error)
                                      : ReadExportedBinary(reinterpret_cast<const std::uint8_t*>(result.output.data()),
                                                           result.output.size(), hints, &code, &error);
                ASSERT_TRUE(read) << preset << " " << LanguageName(language) << ": " << error.Describe();
                LedPattern back;
                ASSERT_EQ("", MakePattern(code, options.tickMilliseconds, back));
                ASSERT_EQ(4u, back.frameCount);
                for (std::uint32_t f = 0; f < 3; ++f)
                    EXPECT_EQ(Bytes(pattern.Frame(f), pattern.Frame(f) + pattern.FrameSize()),
                              Bytes(back.Frame(f), back.Frame(f) + back.FrameSize()))
                        << preset << " " << LanguageName(language) << " turn " << turn << " frame " << f;
            }
}

}  // namespace

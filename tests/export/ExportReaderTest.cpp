// Reading exported code back: pasted code and binary with a given layout,
// and text that is damaged or hostile, refused with its line and reason.
#include <gtest/gtest.h>

#include <random>

#include "export/CodeExport.h"
#include "export/ExportReader.h"
#include "tests/export/ExportPatterns.h"

namespace {

ReadHints HintsFor(const char* preset, unsigned width, unsigned height) {
    ReadHints hints;
    hints.hasLayout = true;
    hints.layout.planes = Planes::One;
    ApplyLayoutPreset(*FindLayoutPreset(preset), hints.layout);
    hints.size = PictureSize{width, height};
    return hints;
}

ExportReadError ReadError(const std::string& text, const ReadHints& hints = ReadHints()) {
    ExportedCode code;
    ExportReadError error;
    EXPECT_FALSE(ReadExportedText(text.data(), text.size(), hints, &code, &error)) << text.substr(0, 200);
    return error;
}

PictureCanvas FirstPicture(const ExportedCode& code) {
    FrameCoder coder(code.layout, code.Picture());
    return ExportedPicture(code, coder, 0);
}

// The example as C, for damaging.
std::string ExampleC(ExportOptions options = OptionsFor("gfx")) {
    LedPattern pattern;
    DrawFrames(pattern, {ExampleRows(), ExampleRows()});
    return ExportCode(pattern, options).output;
}

TEST(ExportReader, PastedArduinoCodeReadsWithTheLayoutGiven) {
    // As LedControl sketches have it: Arduino's B constants, a byte array.
    const std::string sketch =
        "#include <LedControl.h>\n"
        "const byte IMAGES[][8] = {\n"
        "  {B11000000, B00100000, 0, 0, 0, 0, 0, 0},  // a comment, 12\n"
        "  {0x80, 0x80, 0x40, 0, 0, 0, 0, 0}\n"
        "};\n"
        "const int IMAGES_LEN = sizeof(IMAGES) / 8;\n";
    ExportedCode code;
    ExportReadError error;
    ASSERT_TRUE(ReadExportedText(sketch.data(), sketch.size(), HintsFor("max7219-rows", 8, 8), &code, &error))
        << error.Describe();
    EXPECT_EQ(2u, code.frames);
    EXPECT_FALSE(code.fromLayoutLine);
    EXPECT_EQ(CanvasOf({"##......", "..#.....", "........", "........", "........", "........", "........", "........"}),
              FirstPicture(code));
    const std::string numbers = "0xC0 0x40 32 0 0 0b01000000";
    ASSERT_TRUE(ReadExportedText(numbers.data(), numbers.size(), HintsFor("gfx", 10, 3), &code, &error));
    EXPECT_EQ(CanvasOf(ExampleRows()), FirstPicture(code)) << "a bare list of numbers";
    EXPECT_EQ("the text has no layout line: give its layout and its frame's size", ReadError(numbers).what);
}

TEST(ExportReader, BinaryNeedsItsLayoutAndWholeFrames) {
    const Bytes bytes{0x03, 0x02, 0x04, 0x00, 0x00, 0x02, 0x03};
    ExportedCode code;
    ExportReadError error;
    EXPECT_FALSE(ReadExportedBinary(bytes.data(), bytes.size(), HintsFor("xbm", 10, 3), &code, &error));
    EXPECT_EQ("the values end inside frame 1: 1 of its 6 bytes", error.Describe());
    ASSERT_TRUE(ReadExportedBinary(bytes.data(), 6, HintsFor("xbm", 10, 3), &code, &error));
    EXPECT_EQ(CanvasOf(ExampleRows()), FirstPicture(code));
    EXPECT_FALSE(ReadExportedBinary(bytes.data(), 6, ReadHints(), &code, &error));
    EXPECT_FALSE(ReadExportedBinary(bytes.data(), 6, HintsFor("xbm", 300, 3), &code, &error))
        << "wider than a frame of one plane";
    EXPECT_NE(std::string::npos, error.what.find("does not fit frames of at most 255 x 255"));
}

TEST(ExportReader, DamagedExportsAreRefusedWithTheLineAndTheReason) {
    const std::string c = ExampleC();
    std::string damaged = c;
    damaged.replace(damaged.find("0x20, 0x00,"), 11, "0x20,");   // frame 0 opens on line 26
    EXPECT_EQ("line 26: frame 0 has 5 bytes; a frame of this layout has 6", ReadError(damaged).Describe());
    damaged = c;
    damaged.replace(damaged.find("0x20"), 4, "0x120");
    EXPECT_EQ("line 28: 0x120 does not fit 8 bits", ReadError(damaged).Describe());
    damaged = c;
    damaged.replace(damaged.find("0x20"), 4, "0x2G");
    EXPECT_EQ("line 28: \"0x2G\" is not a whole number", ReadError(damaged).Describe());
    damaged = c;
    damaged.replace(damaged.rfind("    },"), 6, "    ],");
    EXPECT_EQ("line 36: ']' closes '{'", ReadError(damaged).Describe());
    EXPECT_EQ("the text ends inside the values", ReadError(c.substr(0, c.find("};"))).what);
    damaged = c;
    damaged.replace(damaged.find("frames=2"), 8, "frames=3");
    EXPECT_EQ("line 37: the layout line says 3 frames; the values hold 2", ReadError(damaged).Describe());
    damaged = c;
    damaged.replace(damaged.find("scan=rows"), 9, "scan=spiral");
    EXPECT_EQ("line 8: \"spiral\" is not a value of scan", ReadError(damaged).Describe());
    damaged = c;
    damaged.replace(damaged.find("    100, 100,"), 13, "    100,");
    EXPECT_EQ("1 delays for 2 frames", ReadError(damaged).Describe());
    EXPECT_EQ("line 2: a comment that does not end", ReadError("\n/* 0x00, 0x01").Describe());
}

TEST(ExportReader, DamagedJsonIsRefusedWithTheLineAndTheReason) {
    ExportOptions options = OptionsFor("gfx");
    options.language = CodeLanguage::Json;
    const std::string json = ExampleC(options);
    std::string damaged = json;
    damaged.replace(damaged.find("192"), 3, "\"192\"");
    const ExportReadError string = ReadError(damaged);
    EXPECT_EQ("\"bytes\": the bytes must be numbers from 0 to 255", string.what);
    EXPECT_LT(30u, string.line);
    damaged = json;
    damaged.replace(damaged.find("192"), 3, "999");
    EXPECT_EQ("\"bytes\": 999 is not a byte", ReadError(damaged).what);
    damaged = json;
    damaged.replace(damaged.find("\"word\": 8"), 9, "\"word\": 12");
    EXPECT_EQ("\"12\" is not a value of word", ReadError(damaged).what);
    damaged = json;
    damaged.erase(damaged.rfind("}"));
    EXPECT_EQ(0u, ReadError(damaged).Describe().find("line "));
    damaged = json;
    damaged.replace(damaged.find(", 64,"), 5, ",");
    EXPECT_EQ("frame 0 has 5 bytes; a frame of this layout has 6", ReadError(damaged).what);
}

TEST(ExportReader, HostileTextNeverCrashesOrOverflows) {
    EXPECT_EQ("the values nest too deep", ReadError("x = " + std::string(100000, '(')).what);
    EXPECT_EQ("\"a\": nested too deep", ReadError("{\"a\":" + std::string(100000, '[')).what);
    EXPECT_EQ("99999999999999999999999 is too large", ReadError("x = {99999999999999999999999}", HintsFor("gfx", 8, 1)).what);
    EXPECT_EQ("the text holds no values", ReadError("", HintsFor("gfx", 8, 1)).what);
    EXPECT_EQ("a string among the values", ReadError("x = {\"\\x00\"}", HintsFor("gfx", 8, 1)).what);
    // Every cut and every mutation of a sound export gives an answer.
    const std::string c = ExampleC();
    std::mt19937 random(9);
    for (std::size_t cut = 0; cut < c.size(); cut += 7) {
        ExportedCode code;
        ExportReadError error;
        ReadExportedText(c.data(), cut, ReadHints(), &code, &error);
        std::string mutated = c;
        for (int i = 0; i < 4; ++i) mutated[random() % mutated.size()] = static_cast<char>(random());
        ReadExportedText(mutated.data(), mutated.size(), HintsFor("gfx", 10, 3), &code, &error);
    }
}

TEST(ExportReader, APatternAgainFromWhatWasRead) {
    LedPattern pattern;
    DrawFrames(pattern, {ExampleRows(), ExampleRows(), ExampleRows()});
    pattern.header.controlCode = ControlNormal;
    pattern.header.wait = 4;
    ExportOptions options = OptionsFor("gfx", Planes::Two);
    options.language = CodeLanguage::Python;
    const ExportResult result = ExportCode(pattern, options);
    ExportedCode code;
    ExportReadError error;
    ASSERT_TRUE(ReadExportedText(result.output.data(), result.output.size(), ReadHints(), &code, &error));
    EXPECT_EQ("SIGN", code.name);
    LedPattern back;
    ASSERT_EQ("", MakePattern(code, 100, back));
    EXPECT_EQ(10u, back.columns);
    EXPECT_EQ(4u, back.frameCount) << "two pictures of two planes";
    EXPECT_EQ(ControlNormal, back.header.controlCode);
    EXPECT_EQ(4u, back.header.wait);
    // XBM from elsewhere: one picture of its size.
    const std::string xbm = "#define x_width 10\n#define x_height 3\nstatic char x_bits[] = {\n"
                            "0x03, 0x02, 0x04, 0x00, 0x00, 0x02};\n";
    ReadHints hints;
    hints.layout.planes = Planes::One;
    ASSERT_TRUE(ReadExportedText(xbm.data(), xbm.size(), hints, &code, &error)) << error.Describe();
    EXPECT_EQ(CanvasOf(ExampleRows()), FirstPicture(code));
}

}  // namespace

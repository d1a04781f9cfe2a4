#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <vector>

#include "tests/support/CliRun.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

class TextCommandTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string font = scratch.File("two.hex");
    std::string output = scratch.File("text.led");

    // 'A' a bar down its first column, 'B' its top row lit: 8 x 16 each.
    void SetUp() override {
        ScratchDirectory::Write(font,
                                "0041:80808080808080808080808080808080\n"
                                "0042:FF000000000000000000000000000000\n");
    }
};

TEST_F(TextCommandTest, WritesTheTextsFramesInTheHeaderAsked) {
    CliOutcome outcome = RunCliWith({"text", "AB", "-o", output, "--font", font, "--size", "8x18", "--mode",
                                     "normal", "--wait", "7"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    Bytes expected = {0x4C, 0x45, 0x44, 0x31, 0x00, 0x07, 0x02, 0x00, 0x12, 0x01, 0x08, 0x00};
    // Frame 0: 'A' from row 1 ((18 - 16) / 2) to row 16; frame 1: 'B' on row 1.
    Bytes a(18, 0x80), b(18, 0x00);
    a[0] = a[17] = 0x00;
    b[1] = 0xFF;
    expected.insert(expected.end(), a.begin(), a.end());
    expected.insert(expected.end(), b.begin(), b.end());
    EXPECT_EQ(expected, ScratchDirectory::Read(output));

    ASSERT_EQ(0, RunCliWith({"text", "A", "-o", output, "--font", font, "--size=8x16", "--step=8", "--invert"}).status);
    Bytes inverted = {0x4C, 0x45, 0x44, 0x31, 0x02, 0x01, 0x04, 0x00, 0x10, 0x01, 0x08, 0x00};
    // Step 8 over 8 columns: dark, 'A', dark, and one to make a pair; inverted.
    for (int frame = 0; frame < 4; ++frame)
        for (int row = 0; row < 16; ++row) inverted.push_back(frame == 1 ? 0x7F : 0xFF);
    EXPECT_EQ(inverted, ScratchDirectory::Read(output));
}

TEST_F(TextCommandTest, MissingGlyphsAreNamedUnlessSkipped) {
    CliOutcome outcome = RunCliWith({"text", "A\xE5\xAD\x97", "-o", output, "--font", font});
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("lumigrid-cli: the font has no glyph for U+5B57 '\xE5\xAD\x97' (--missing skip leaves them out)\n",
              outcome.err);
    EXPECT_FALSE(ScratchDirectory::Exists(output));
    outcome = RunCliWith({"text", "A\xE5\xAD\x97", "-o", output, "--font", font, "--missing", "skip"});
    EXPECT_EQ(0, outcome.status) << outcome.err;
    EXPECT_EQ(12u + 2 * 32, ScratchDirectory::Read(output).size());
}

TEST_F(TextCommandTest, RefusesWhatItCannotMakeAndKeepsThePreviousFile) {
    ScratchDirectory::Write(output, std::string("previous"));
    std::string longText(2049, 'A');
    CliOutcome outcome = RunCliWith({"text", longText, "-o", output, "--font", font, "--size", "8x16"});
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("lumigrid-cli: the text needs 2050 frames, more than 2048: at 8x16 without --step it may be at most "
              "16384 columns wide, and it is 16392\n",
              outcome.err);
    outcome = RunCliWith({"text", "A", "-o", output, "--font", font, "--size", "8x15"});
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("lumigrid-cli: the font is 16 pixels high, taller than the 15 rows of the frame (--size, --pixels)\n",
              outcome.err);
    EXPECT_EQ(1, RunCliWith({"text", "\xE5\xAD", "-o", output, "--font", font}).status);
    EXPECT_EQ("previous", ScratchDirectory::ReadText(output));

    const std::vector<std::vector<std::string>> usage = {
        {"text", "-o", output},
        {"text", "A"},
        {"text", "", "-o", output},
        {"text", "A", "B", "-o", output},
        {"text", "A", "-o", output, "--size", "0x16"},
        {"text", "A", "-o", output, "--size", "16"},
        {"text", "A", "-o", output, "--step", "17"},
        {"text", "A", "-o", output, "--missing", "keep"},
        {"text", "A", "-o", output, "--mode", "fast"},
        {"text", "A", "-o", output, "--wait", "0"},
    };
    for (const std::vector<std::string>& args : usage) EXPECT_EQ(2, RunCliWith(args).status) << ShownArguments(args);
    EXPECT_EQ("previous", ScratchDirectory::ReadText(output));

    outcome = RunCliWith({"text", "--help"});
    EXPECT_EQ(0, outcome.status);
    EXPECT_EQ(0u, outcome.out.find("Usage:\n  lumigrid-cli text TEXT -o PATTERN.led"));
}

TEST_F(TextCommandTest, ATextStartingWithADashFollowsTwoDashes) {
    ASSERT_EQ(0, RunCliWith({"text", "-o", output, "--font", font, "--missing", "skip", "--", "-A"}).status);
    EXPECT_EQ(12u + 2 * 32, ScratchDirectory::Read(output).size()) << "'-' is missing: nothing; 'A' one frame";
}

TEST_F(TextCommandTest, FontsFallBackLinesStackAndTheTopSpacingAndAlignmentPlaceThem) {
    // A second font with 'C', its bottom row lit.
    const std::string second = scratch.File("second.hex");
    ScratchDirectory::Write(second, "0043:000000000000000000000000000000FF\n");
    CliOutcome outcome = RunCliWith({"text", "A\nC", "-o", output, "--font", font, "--font", second, "--size", "8x34",
                                     "--offset", "1"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    Bytes expected = {0x4C, 0x45, 0x44, 0x31, 0x02, 0x01, 0x02, 0x00, 0x22, 0x01, 0x08, 0x00};
    // Frame 0: row 0 dark, 'A' on rows 1 to 16, 'C' on rows 17 to 32; frame 1 dark.
    Bytes frames(68, 0x00);
    for (int row = 1; row <= 16; ++row) frames[row] = 0x80;
    frames[32] = 0xFF;
    expected.insert(expected.end(), frames.begin(), frames.end());
    EXPECT_EQ(expected, ScratchDirectory::Read(output));

    // "A", two columns, "B": 18 columns at the right of a 24-column screen.
    outcome = RunCliWith({"text", "AB", "-o", output, "--font", font, "--size", "24x16", "--spacing", "2", "--align",
                          "right"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    const Bytes written = ScratchDirectory::Read(output);
    EXPECT_EQ((Bytes{0x02, 0x00, 0xFF, 0x02, 0x00, 0x00}), Bytes(written.begin() + 12, written.begin() + 18));

    EXPECT_EQ(1, RunCliWith({"text", "A\nB", "-o", output, "--font", font}).status) << "two 16-row lines on 16 rows";
    for (const char* bad : {"--spacing=-2", "--offset=16", "--align=middle", "--line-spacing=256"})
        EXPECT_EQ(2, RunCliWith({"text", "A", "-o", output, "--font", font, bad}).status) << bad;
}

}  // namespace

namespace {

// A text that starts with a dash but is none of the options is the text.
TEST_F(TextCommandTest, ATextStartingWithADashThatIsNoOptionIsTheText) {
    for (const char* text : {"-5\xC2\xB0" "C", "- SALE -", "-AB", "--AB", "/AB"}) {
        std::remove(output.c_str());
        CliOutcome outcome = RunCliWith({"text", text, "-o", output, "--font", font, "--missing", "skip"});
        EXPECT_EQ(0, outcome.status) << text << outcome.err;
        EXPECT_TRUE(ScratchDirectory::Exists(output)) << text;
    }
    CliOutcome two = RunCliWith({"text", "-AB", "B", "-o", output, "--font", font});
    EXPECT_EQ(2, two.status);
    EXPECT_EQ("lumigrid-cli: text: unknown option '-AB' (a TEXT that is an option follows --) (see lumigrid-cli --help)\n",
              two.err);
    CliOutcome help = RunCliWith({"text", "--help"});
    EXPECT_NE(std::string::npos, help.out.find("follows --, as in: text -o x.led -- --font")) << help.out;
}

TEST_F(TextCommandTest, PagedModesCentreTheTextOnAPictureOfTwoPlanesAndOnePlaneOnAFrame) {
    const Bytes header = {0x4C, 0x45, 0x44, 0x31, 0x00, 0x01, 0x02, 0x00, 0x10, 0x02, 0x10, 0x00};
    ASSERT_EQ(0, RunCliWith({"text", "AB", "-o", output, "--font", font, "--size", "16x16", "--align", "center",
                             "--mode", "normal"}).status);
    // 16 columns centred on 32: 'A' at column 8 of plane 0, 'B' on the first 8 of plane 1.
    Bytes two = header;
    for (int row = 0; row < 16; ++row) two.insert(two.end(), {0x00, 0x80});
    two.insert(two.end(), {0xFF, 0x00});
    two.resize(two.size() + 30, 0x00);
    EXPECT_EQ(two, ScratchDirectory::Read(output));

    ASSERT_EQ(0, RunCliWith({"text", "AB", "-o", output, "--font", font, "--size", "16x16", "--align", "center",
                             "--mode", "normal", "--planes", "one"}).status);
    // Centred on 16 columns of frame 0; frame 1 dark.
    Bytes one = header;
    one.insert(one.end(), {0x80, 0xFF});
    for (int row = 1; row < 16; ++row) one.insert(one.end(), {0x80, 0x00});
    one.resize(one.size() + 32, 0x00);
    EXPECT_EQ(one, ScratchDirectory::Read(output));
    EXPECT_EQ(2, RunCliWith({"text", "AB", "-o", output, "--font", font, "--planes", "three"}).status);
}

}  // namespace

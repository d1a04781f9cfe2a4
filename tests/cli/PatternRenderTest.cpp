// lumigrid-cli render: the PNG read back pixel by pixel, and the round trip
// through import.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const Rgba Lit = {255, 255, 0, 255};
const Rgba Unlit = {127, 127, 127, 255};
const Rgba Line = {0, 0, 0, 255};
const Rgba Paper = {255, 255, 255, 255};

class PatternRenderTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string output = scratch.File("out.png");

    // 3 x 2, two frames: frame 0 lit at (0, 0) and (2, 1), frame 1 at (1, 0).
    std::string SmallPattern() {
        LedPattern pattern;
        pattern.Create(3, 2);
        pattern.SetFrameCount(2);
        pattern.SetPixel(0, 0, 0);
        pattern.SetPixel(0, 2, 1);
        pattern.SetPixel(1, 1, 0);
        std::string path = scratch.File("small.led");
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
    TestPicture Render(const std::vector<std::string>& args) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(0, outcome.status) << ShownArguments(args) << outcome.err;
        return ReadPicture(output);
    }
};

TEST_F(PatternRenderTest, ScaleOneIsOnePixelPerLed) {
    TestPicture picture = Render({"render", SmallPattern(), "-o", output, "--frame", "0", "--scale", "1", "--style", "editor"});
    ASSERT_EQ(3, picture.width);
    ASSERT_EQ(2, picture.height);
    const Rgba expected[6] = {Lit, Unlit, Unlit, Unlit, Unlit, Lit};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(expected[i], picture.pixels[i]) << i;

    // Small cells are filled squares, frames a cell apart.
    picture = Render({"render", SmallPattern(), "-o", output, "--scale=3", "--style", "editor"});
    ASSERT_EQ(21, picture.width);
    ASSERT_EQ(6, picture.height);
    EXPECT_EQ(Lit, picture.At(0, 0));
    EXPECT_EQ(Lit, picture.At(2, 2));
    EXPECT_EQ(Unlit, picture.At(3, 0));
    EXPECT_EQ(Lit, picture.At(8, 5));
    EXPECT_EQ(Paper, picture.At(9, 0));
    EXPECT_EQ(Paper, picture.At(11, 5));
    EXPECT_EQ(Unlit, picture.At(12, 0));
    EXPECT_EQ(Lit, picture.At(15, 0));
}

TEST_F(PatternRenderTest, RoundLedsOnAGridAsTheEditorDrawsThem) {
    // Default scale 8: frames of 3 x 8 + 1 by 2 x 8 + 1 pixels, 8 apart.
    TestPicture picture = Render({"render", SmallPattern(), "-o", output, "--style", "editor"});
    ASSERT_EQ(58, picture.width);
    ASSERT_EQ(17, picture.height);
    EXPECT_EQ(Line, picture.At(0, 0));
    EXPECT_EQ(Line, picture.At(8, 3));
    EXPECT_EQ(Line, picture.At(24, 16));
    EXPECT_EQ(Paper, picture.At(1, 1));      // between grid and LED
    EXPECT_EQ(Lit, picture.At(4, 4));        // LED (0, 0), its middle
    EXPECT_EQ(Line, picture.At(2, 4));       // and its outline
    EXPECT_EQ(Unlit, picture.At(12, 4));
    EXPECT_EQ(Lit, picture.At(20, 12));
    EXPECT_EQ(Paper, picture.At(28, 8));     // between the frames
    EXPECT_EQ(Line, picture.At(33, 0));
    EXPECT_EQ(Unlit, picture.At(37, 4));
    EXPECT_EQ(Lit, picture.At(45, 4));

    picture = Render({"render", SmallPattern(), "-o", output, "--columns", "1", "--style", "editor"});
    EXPECT_EQ(25, picture.width);
    EXPECT_EQ(42, picture.height);
    EXPECT_EQ(Paper, picture.At(12, 20));
    EXPECT_EQ(Lit, picture.At(12, 25 + 4));

    // The editor's own 20-pixel cell: the LED from 3 in to 2 before the next line.
    picture = Render({"render", SmallPattern(), "-o", output, "--frame", "0", "--scale", "20", "--style", "editor"});
    ASSERT_EQ(61, picture.width);
    ASSERT_EQ(41, picture.height);
    EXPECT_EQ(Line, picture.At(0, 10));
    EXPECT_EQ(Paper, picture.At(2, 10));
    EXPECT_EQ(Line, picture.At(3, 10));
    EXPECT_EQ(Lit, picture.At(10, 10));
    EXPECT_EQ(Line, picture.At(17, 10));
    EXPECT_EQ(Paper, picture.At(18, 10));
    EXPECT_EQ(Paper, picture.At(4, 4));      // the disc's corner is white
    EXPECT_EQ(Unlit, picture.At(30, 10));
}

TEST_F(PatternRenderTest, BySignLikeRoundLedsLitOnADarkGround) {
    const Rgba SignLit = {255, 190, 30, 255}, SignUnlit = {58, 42, 22, 255}, Ground = {18, 18, 18, 255};
    // Default scale 8, no grid lines: 3 x 8 pixels a frame, a cell apart.
    TestPicture picture = Render({"render", SmallPattern(), "-o", output});
    ASSERT_EQ(56, picture.width);
    ASSERT_EQ(16, picture.height);
    EXPECT_EQ(SignLit, picture.At(4, 4));
    EXPECT_EQ(Ground, picture.At(0, 0)) << "the cell's corner is the ground";
    EXPECT_EQ(SignUnlit, picture.At(12, 4));
    EXPECT_EQ(Ground, picture.At(28, 4)) << "between the frames";
    EXPECT_EQ(SignLit, picture.At(44, 4));
    picture = Render({"render", SmallPattern(), "-o", output, "--scale", "4"});
    EXPECT_EQ(28, picture.width);
    EXPECT_EQ(SignLit, picture.At(2, 2)) << "round from scale 4";
    picture = Render({"render", SmallPattern(), "-o", output, "--scale", "3", "--frame", "0"});
    EXPECT_EQ(SignLit, picture.At(0, 0)) << "below 4 a square cell";
}

TEST_F(PatternRenderTest, RenderAtScaleOneThenImportGivesTheSameFrames) {
    std::mt19937 random(11);
    LedPattern pattern;
    pattern.Create(13, 7);
    pattern.SetFrameCount(5);
    for (std::uint32_t frame = 0; frame < 5; ++frame)
        for (unsigned y = 0; y < 7; ++y)
            for (unsigned x = 0; x < 13; ++x)
                if (random() % 2) pattern.SetPixel(frame, x, y);
    pattern.header.controlCode = ControlScroll;
    pattern.header.wait = 3;
    std::string source = scratch.File("source.led");
    ASSERT_TRUE(SavePatternFile(pattern, source.c_str()));

    std::vector<std::string> import = {"import", "--planes", "one"};
    for (int frame = 0; frame < 5; ++frame) {
        std::string png = scratch.File("frame" + std::to_string(frame) + ".png");
        ASSERT_EQ(0, RunCliWith({"render", source, "-o", png, "--scale", "1", "--frame", std::to_string(frame)}).status);
        import.push_back(png);
    }
    std::string copy = scratch.File("copy.led");
    import.insert(import.end(), {"-o", copy, "--mode", "scroll", "--wait", "3"});
    ASSERT_EQ(0, RunCliWith(import).status);
    // Five pictures and the dark frame that makes the last pair.
    pattern.SetFrameCount(6);
    ASSERT_TRUE(SavePatternFile(pattern, source.c_str()));
    EXPECT_EQ(ScratchDirectory::Read(source), ScratchDirectory::Read(copy));
}

TEST_F(PatternRenderTest, RefusalsLeaveNoPicture) {
    std::string small = SmallPattern();
    ScratchDirectory::Write(output, std::string("previous"));
    CliOutcome past = RunCliWith({"render", small, "-o", output, "--frame", "2"});
    EXPECT_EQ(1, past.status);
    EXPECT_EQ("lumigrid-cli: '" + small + "' has 2 frames; --frame takes 0 to 1\n", past.err);

    LedPattern big;
    big.Create(255, 255);
    big.SetFrameCount(1);
    std::string bigPath = scratch.File("big.led");
    ASSERT_TRUE(SavePatternFile(big, bigPath.c_str()));
    CliOutcome tooLarge = RunCliWith({"render", bigPath, "-o", output, "--scale", "64", "--style", "editor"});
    EXPECT_EQ(1, tooLarge.status);
    EXPECT_EQ(0u, tooLarge.err.find("lumigrid-cli: the picture would be 16321 x 16321 pixels; at most 32768 on a "
                                    "side and 67108864 in all"))
        << tooLarge.err;

    std::string text = scratch.File("text.led");
    ScratchDirectory::Write(text, std::string("hello"));
    CliOutcome notPattern = RunCliWith({"render", text, "-o", output});
    EXPECT_EQ(1, notPattern.status);
    EXPECT_EQ("lumigrid-cli: cannot load '" + text + "': not a pattern file\n", notPattern.err);

    std::string none = scratch.File("none.led");
    ScratchDirectory::Write(none, std::vector<unsigned char>{0x4C, 0x45, 0x44, 0x31, 1, 0, 0, 0, 2, 1, 2, 0});
    EXPECT_EQ("lumigrid-cli: '" + none + "' has no frames\n", RunCliWith({"render", none, "-o", output}).err);
    EXPECT_EQ("previous", ScratchDirectory::ReadText(output));

    const std::vector<std::vector<std::string>> wrong = {
        {"render"},
        {"render", small},
        {"render", "-o", output},
        {"render", small, small, "-o", output},
        {"render", small, "-o", output, "--scale", "0"},
        {"render", small, "-o", output, "--scale", "65"},
        {"render", small, "-o", output, "--columns", "0"},
        {"render", small, "-o", output, "--frame", "-1"},
        {"render", small, "-o", output, "--frame"},
        {"render", small, "-o", output, "--zoom", "2"},
    };
    for (const auto& args : wrong) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(2, outcome.status) << ShownArguments(args);
        EXPECT_EQ(0u, outcome.err.find("lumigrid-cli: render: ")) << outcome.err;
    }
    EXPECT_EQ("previous", ScratchDirectory::ReadText(output));
}

}  // namespace

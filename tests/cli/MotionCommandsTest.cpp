// lumigrid-cli effect and preview: their files read back, their refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/ScratchDirectory.h"

namespace {

class MotionCommandsTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    // 16 x 2, two frames: frame 0 with its first and last column lit.
    std::string Pattern(const char* name, std::uint8_t controlCode = ControlNormal) {
        LedPattern pattern;
        pattern.Create(16, 2);
        pattern.SetFrameCount(2);
        for (unsigned y = 0; y < 2; ++y) {
            pattern.SetPixel(0, 0, y);
            pattern.SetPixel(0, 15, y);
        }
        pattern.header.controlCode = controlCode;
        pattern.header.wait = 4;
        const std::string path = scratch.File(name);
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
};

TEST_F(MotionCommandsTest, EffectWritesEachFramesTransitionsWithTheHeaderOfItsSource) {
    const std::string in = Pattern("in.led"), out = scratch.File("out.led");
    CliOutcome outcome =
        RunCliWith({"effect", in, "-o", out, "--in", "wipe-right", "--step", "8", "--hold", "1", "--out", "blink", "--frame", "0"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    PatternLoadResult made = ReadPatternFile(out.c_str());
    ASSERT_TRUE(made.pattern);
    // 2 wipe frames, 1 held, 6 blinking: 9, and a dark one.
    ASSERT_EQ(10u, made.pattern->frameCount);
    EXPECT_EQ(ControlNormal, made.pattern->header.controlCode);
    EXPECT_EQ(4, made.pattern->header.wait);
    EXPECT_TRUE(made.pattern->GetPixel(0, 0, 0));
    EXPECT_FALSE(made.pattern->GetPixel(0, 15, 0)) << "the wipe has reached column 7";
    EXPECT_TRUE(made.pattern->GetPixel(1, 15, 1));
    EXPECT_TRUE(made.pattern->GetPixel(3, 15, 1)) << "blink out: full first";
    EXPECT_FALSE(made.pattern->GetPixel(4, 15, 1));

    outcome = RunCliWith({"effect", in, "-o", out, "--in", "scroll-left", "--hold", "2048", "--planes", "one"});
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("lumigrid-cli: the effects make 4128 frames (2064 for each of 2 frames); a pattern holds at most 2048\n",
              outcome.err);
    outcome = RunCliWith({"effect", in, "-o", out, "--in", "scroll-left", "--hold", "2048"});
    EXPECT_EQ("lumigrid-cli: the effects make 4160 frames (2080 pictures for each of 1 picture); a pattern holds at "
              "most 2048\n",
              outcome.err);
    EXPECT_EQ(10u, ReadPatternFile(out.c_str()).pattern->frameCount) << "the earlier file stays";
    EXPECT_EQ(2, RunCliWith({"effect", in, "-o", out, "--in", "spin"}).status);
    EXPECT_EQ(2, RunCliWith({"effect", in, "-o", out}).status) << "--in is required";
    EXPECT_EQ(1, RunCliWith({"effect", in, "-o", out, "--in", "blink", "--frame", "2"}).status);
}

TEST_F(MotionCommandsTest, PreviewOfAListAndOfItsHexFileIsOneGif) {
    const std::string list = scratch.File("show.ll"), hex = scratch.File("show.hex");
    ASSERT_EQ(0, RunCliWith({"list", "add", list, Pattern("a.led"), Pattern("b.led", ControlOnOff)}).status);
    ASSERT_EQ(0, RunCliWith({"build", list, "-o", hex}).status);

    CliOutcome fromList = RunCliWith({"preview", list, "-o", scratch.File("list.gif"), "--tick", "125"});
    ASSERT_EQ(0, fromList.status) << fromList.err;
    // Normal wait 4, On-Off wait 4 lit and 4 dark: 12 ticks of 13/100 s.
    EXPECT_EQ(scratch.File("list.gif") + ": 2 frames, 12 ticks of 13/100 s, 1.56 s a pass, 16x2\n", fromList.out);
    EXPECT_EQ("lumigrid-cli: note: GIF delays are in hundredths of a second: each tick of 125 ms is written as "
              "13/100 s\n",
              fromList.err);
    CliOutcome fromHex = RunCliWith({"preview", hex, "-o", scratch.File("hex.gif"), "--tick", "125", "--size", "16x2"});
    ASSERT_EQ(0, fromHex.status) << fromHex.err;
    EXPECT_EQ(ScratchDirectory::Read(scratch.File("list.gif")), ScratchDirectory::Read(scratch.File("hex.gif")));

    EXPECT_EQ(1, RunCliWith({"preview", hex, "-o", scratch.File("wrong.gif")}).status) << "not at 16x16";
    EXPECT_FALSE(ScratchDirectory::Exists(scratch.File("wrong.gif")));
    EXPECT_EQ(2, RunCliWith({"preview", list, "-o", scratch.File("x.gif"), "--tick", "5"}).status);
}

TEST_F(MotionCommandsTest, EffectMovesAPictureAcrossBothPlanesOrTakesOnePictureOrOneFrame) {
    const std::string in = Pattern("in.led"), out = scratch.File("out.led");
    // Frame 0's columns 0 and 15 are the picture's; its plane 1 is dark. Scroll left by 16: half in, then whole.
    ASSERT_EQ(0, RunCliWith({"effect", in, "-o", out, "--in", "scroll-left", "--step", "16"}).status);
    PatternLoadResult made = ReadPatternFile(out.c_str());
    ASSERT_TRUE(made.pattern);
    ASSERT_EQ(4u, made.pattern->frameCount);
    for (unsigned x = 0; x < 16; ++x) EXPECT_FALSE(made.pattern->GetPixel(0, x, 0)) << x;
    // Plane 0's LEDs first enter plane 1, then stand in plane 0 again.
    EXPECT_TRUE(made.pattern->GetPixel(1, 0, 0));
    EXPECT_TRUE(made.pattern->GetPixel(1, 15, 1));
    EXPECT_TRUE(made.pattern->GetPixel(2, 0, 1));
    EXPECT_TRUE(made.pattern->GetPixel(2, 15, 0));
    for (unsigned x = 0; x < 16; ++x) EXPECT_FALSE(made.pattern->GetPixel(3, x, 0)) << x;

    ASSERT_EQ(0, RunCliWith({"effect", in, "-o", out, "--in", "wipe-right", "--step", "8", "--picture", "0"}).status);
    EXPECT_EQ(8u, ReadPatternFile(out.c_str()).pattern->frameCount) << "4 wipe pictures over 32 columns";
    ASSERT_EQ(0, RunCliWith({"effect", in, "-o", out, "--in", "wipe-right", "--step", "8", "--planes", "one",
                             "--picture", "1"}).status);
    EXPECT_EQ(2u, ReadPatternFile(out.c_str()).pattern->frameCount) << "2 wipe frames of frame 1";
    EXPECT_EQ(1, RunCliWith({"effect", in, "-o", out, "--in", "blink", "--picture", "1"}).status) << "one picture";
    EXPECT_EQ(2, RunCliWith({"effect", in, "-o", out, "--in", "blink", "--picture", "0", "--frame", "0"}).status);
    EXPECT_EQ(2, RunCliWith({"effect", in, "-o", out, "--in", "blink", "--frame", "0", "--planes", "two"}).status);
}

TEST_F(MotionCommandsTest, PreviewOnOnePlaneShowsEachFrameInTurnForItsPicturesTicks) {
    const std::string list = scratch.File("show.ll");
    ASSERT_EQ(0, RunCliWith({"list", "add", list, Pattern("a.led"), Pattern("b.led", ControlOnOff)}).status);
    CliOutcome outcome = RunCliWith({"preview", list, "-o", scratch.File("one.gif"), "--planes", "one"});
    ASSERT_EQ(0, outcome.status) << outcome.err;
    // Every frame 4 ticks, each On-Off frame then 4 dark: frame 0 lit, then dark but for b's frame 0.
    EXPECT_EQ(scratch.File("one.gif") + ": 4 frames, 24 ticks of 10/100 s, 2.40 s a pass, 16x2\n", outcome.out);
}

}  // namespace

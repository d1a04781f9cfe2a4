#include "pattern/program/ProgramPlayback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// A pattern of count 2 x 1 frames in which frame f has LED f % 2 lit, saved
// with a control code and wait.
std::string SavePattern(const ScratchDirectory& scratch, const char* name, std::uint32_t count,
                        std::uint8_t controlCode, std::uint8_t wait, unsigned columns = 2) {
    LedPattern pattern;
    pattern.Create(static_cast<std::uint8_t>(columns), 1);
    pattern.SetFrameCount(count);
    for (std::uint32_t f = 0; f < count; ++f) pattern.SetPixel(f, f % 2, 0);
    pattern.header.controlCode = controlCode;
    pattern.header.wait = wait;
    const std::string path = scratch.File(name);
    EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
    return path;
}

struct Shown {
    bool dark;
    std::uint32_t ticks;
    std::size_t frame;
    bool operator==(const Shown& other) const {
        return dark == other.dark && ticks == other.ticks && (dark || frame == other.frame);
    }
};

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
    return out << (shown.dark ? "dark" : "frame " + std::to_string(shown.frame)) << " x" << shown.ticks;
}

TEST(ProgramPlayback, EveryControlCodeAndAResetOverTime) {
    ScratchDirectory scratch;
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(scratch.File("show.ll").c_str(), true));
    for (const std::string& entry :
         {SavePattern(scratch, "normal.led", 2, ControlNormal, 3), SavePattern(scratch, "anim.led", 4, ControlAnimation, 9),
          std::string(ResetMark), SavePattern(scratch, "scroll.led", 5, ControlScroll, 9),
          scratch.File("missing.led"), SavePattern(scratch, "wide.led", 2, ControlNormal, 1, 3),
          SavePattern(scratch, "onoff.led", 2, ControlOnOff, 0)})
        ASSERT_TRUE(list.Add(entry.c_str(), false));

    const PlaybackLoad load = LoadListPlayback(list, 0, 0);
    ASSERT_TRUE(load.loaded) << load.problem;
    const ProgramPlayback& playback = load.playback;
    EXPECT_EQ(2, playback.listing.columns) << "the first pattern's size";
    std::vector<Shown> shown;
    for (const ShownPicture& picture : playback.shown) shown.push_back(Shown{picture.dark, picture.ticks, picture.frame});
    // Program-wide frames: normal 0-1, animation 2-5, scroll 6-9 (its fifth frame unpaired), on-off 10-11.
    EXPECT_EQ((std::vector<Shown>{{false, 3, 0},
                                  {false, 1, 2},
                                  {false, 1, 4},
                                  {true, 1, 0},
                                  {false, 1, 6},
                                  {false, 1, 8},
                                  {false, 1, 10},
                                  {true, 1, 0}}),
              shown);
    EXPECT_EQ(10u, playback.ticks);
    EXPECT_TRUE(playback.Lit(playback.shown[0], 0, 0, 0));
    EXPECT_FALSE(playback.Lit(playback.shown[0], 0, 1, 0));
    EXPECT_TRUE(playback.Lit(playback.shown[0], 1, 1, 0)) << "plane 1 is the pair's second frame";
    EXPECT_FALSE(playback.Lit(playback.shown[3], 0, 0, 0)) << "a reset shows nothing";

    ASSERT_EQ(2u, load.skipped.size());
    EXPECT_EQ(4u, load.skipped[0].index);
    EXPECT_EQ(5u, load.skipped[1].index);
    EXPECT_EQ("its frames are 3x1, the sign's 2x1", load.skipped[1].why);
}

TEST(ProgramPlayback, AHexFileReadsAtTheSizeGiven) {
    ScratchDirectory scratch;
    // F000, a Normal picture with wait 2 of two 2 x 1 frames (1 bit each
    // column, 1 = unlit, low bits padding: 40 lights LED 0 only), 0000.
    ScratchDirectory::Write(scratch.File("show.hex"),
                            ":08000000F00010024080000036\r\n:00000001FF\r\n");
    PlaybackLoad load = LoadHexPlayback(scratch.File("show.hex").c_str(), 2, 1);
    ASSERT_TRUE(load.loaded) << load.problem;
    ASSERT_EQ(1u, load.playback.shown.size());
    EXPECT_EQ(2u, load.playback.ticks);
    EXPECT_TRUE(load.playback.Lit(load.playback.shown[0], 0, 0, 0));
    EXPECT_TRUE(load.playback.Lit(load.playback.shown[0], 1, 1, 0));
    load = LoadHexPlayback(scratch.File("show.hex").c_str(), 16, 16);
    EXPECT_FALSE(load.loaded);
    EXPECT_NE(std::string::npos, load.problem.find("at 16x16")) << load.problem;
}

TEST(ProgramPlayback, OnePlaneShowsEachFrameInTurnForItsPicturesTicks) {
    ScratchDirectory scratch;
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(scratch.File("show.ll").c_str(), true));
    for (const std::string& entry :
         {SavePattern(scratch, "normal.led", 2, ControlNormal, 3), SavePattern(scratch, "onoff.led", 2, ControlOnOff, 2),
          std::string(ResetMark), SavePattern(scratch, "scroll.led", 4, ControlScroll, 9)})
        ASSERT_TRUE(list.Add(entry.c_str(), false));
    const PlaybackLoad load = LoadListPlayback(list, 0, 0, Planes::One);
    ASSERT_TRUE(load.loaded) << load.problem;
    const ProgramPlayback& playback = load.playback;
    std::vector<Shown> shown;
    for (const ShownPicture& picture : playback.shown) shown.push_back(Shown{picture.dark, picture.ticks, picture.frame});
    EXPECT_EQ((std::vector<Shown>{{false, 3, 0},
                                  {false, 3, 1},
                                  {false, 2, 2},
                                  {true, 2, 0},
                                  {false, 2, 3},
                                  {true, 2, 0},
                                  {true, 1, 0},
                                  {false, 1, 4},
                                  {false, 1, 5},
                                  {false, 1, 6},
                                  {false, 1, 7}}),
              shown);
    EXPECT_EQ(19u, playback.ticks);
    EXPECT_TRUE(playback.Lit(playback.shown[1], 0, 1, 0)) << "the second frame alone";
    EXPECT_FALSE(playback.Lit(playback.shown[1], 0, 0, 0));
    EXPECT_FALSE(playback.Lit(playback.shown[0], 1, 1, 0)) << "no second plane beside it";
}

}  // namespace

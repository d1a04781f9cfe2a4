#include "effects/EffectSequence.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/FrameRows.h"

namespace {

const FrameRows Full = {"##.#.", ".#..#"};
const FrameRows Dark = {".....", "....."};

// Every frame of one side of an effect on the 5 x 2 frame above.
std::vector<FrameRows> Side(Effect effect, TransitionSide side, unsigned step, std::uint32_t seed = 0) {
    std::unique_ptr<LedPattern> source = PatternOfRows({Full});
    const Transition transition = PlanTransition(effect, side, 5, 2, step, seed);
    LedPattern target;
    target.Create(5, 2);
    target.SetFrameCount(transition.frameCount);
    std::vector<FrameRows> frames;
    for (unsigned k = 1; k <= transition.frameCount; ++k) {
        DrawTransitionFrame(transition, k, *source, 0, target, k - 1);
        frames.push_back(RowsOf(target, k - 1));
    }
    return frames;
}

TEST(Effects, ScrollLeftEntersFromTheRightEdge) {
    EXPECT_EQ((std::vector<FrameRows>{{"....#", "....."},
                                      {"...##", "....#"},
                                      {"..##.", "...#."},
                                      {".##.#", "..#.."},
                                      Full}),
              Side(Effect::ScrollLeft, TransitionSide::In, 1));
    EXPECT_EQ((std::vector<FrameRows>{{"..##.", "...#."}, Full}), Side(Effect::ScrollLeft, TransitionSide::In, 3));
}

TEST(Effects, ScrollLeftLeavesOnTheLeftAndEndsDark) {
    EXPECT_EQ((std::vector<FrameRows>{{".#...", "..#.."}, {".....", "#...."}, Dark}),
              Side(Effect::ScrollLeft, TransitionSide::Out, 2));
}

TEST(Effects, WipeRightShowsColumnsFromColumnZero) {
    EXPECT_EQ((std::vector<FrameRows>{{"#....", "....."},
                                      {"##...", ".#..."},
                                      {"##...", ".#..."},
                                      {"##.#.", ".#..."},
                                      Full}),
              Side(Effect::WipeRight, TransitionSide::In, 1));
    EXPECT_EQ((std::vector<FrameRows>{{"##...", ".#..."}, Full}), Side(Effect::WipeRight, TransitionSide::In, 3));
    EXPECT_EQ((std::vector<FrameRows>{{"...#.", "....#"}, Dark}), Side(Effect::WipeRight, TransitionSide::Out, 3));
}

TEST(Effects, OtherFamiliesEndFullGoingInAndDarkGoingOut) {
    for (std::size_t i = 1; i < EffectNameCount; ++i) {
        const Effect effect = EffectNames[i].effect;
        const std::vector<FrameRows> in = Side(effect, TransitionSide::In, 1);
        const std::vector<FrameRows> out = Side(effect, TransitionSide::Out, 1);
        ASSERT_FALSE(in.empty()) << EffectNames[i].name;
        EXPECT_EQ(Full, in.back()) << EffectNames[i].name;
        EXPECT_EQ(Dark, out.back()) << EffectNames[i].name;
    }
    EXPECT_EQ((std::vector<FrameRows>{Dark, Full, Dark, Full, Dark, Full}), Side(Effect::Blink, TransitionSide::In, 1));
    // Slats of 4 rows on a 2-row frame: one row a frame.
    EXPECT_EQ((std::vector<FrameRows>{{"##.#.", "....."}, Full}), Side(Effect::Blinds, TransitionSide::In, 1));
    // The vertical centre line is column 2: 1, 3 and then all 5 columns.
    EXPECT_EQ((std::vector<FrameRows>{{".....", "....."}, {".#.#.", ".#..."}, Full}),
              Side(Effect::SplitVertical, TransitionSide::In, 1));
    EXPECT_EQ((std::vector<FrameRows>{{".#.#.", ".#..."}, {".....", "....."}, Dark}),
              Side(Effect::SplitVertical, TransitionSide::Out, 1));
}

TEST(Effects, DissolveTakesASixteenthAFrameInTheOrderOfItsSeed) {
    std::unique_ptr<LedPattern> lit = PatternOfRows({{"########", "########", "########", "########"}});
    const Transition transition = PlanTransition(Effect::Dissolve, TransitionSide::In, 8, 4, 1, 7);
    ASSERT_EQ(16u, transition.frameCount);
    LedPattern target;
    target.Create(8, 4);
    target.SetFrameCount(16);
    for (unsigned k = 1; k <= 16; ++k) {
        DrawTransitionFrame(transition, k, *lit, 0, target, k - 1);
        unsigned shown = 0;
        for (const std::string& row : RowsOf(target, k - 1)) shown += std::count(row.begin(), row.end(), '#');
        EXPECT_EQ(2 * k, shown) << "32 cells, two a frame";
    }
    EXPECT_EQ(Side(Effect::Dissolve, TransitionSide::In, 1, 42), Side(Effect::Dissolve, TransitionSide::In, 1, 42));
    EXPECT_NE(Side(Effect::Dissolve, TransitionSide::In, 1, 42), Side(Effect::Dissolve, TransitionSide::In, 1, 43));
}

TEST(EffectSequence, InHoldOutForEachFrameThenADarkFrameToMakeThemEven) {
    std::unique_ptr<LedPattern> source = PatternOfRows({Full, Dark});
    source->header.controlCode = ControlNormal;
    source->header.wait = 7;
    EffectChoice choice;
    choice.in = Effect::WipeRight;
    choice.out = Effect::ScrollLeft;
    choice.step = 3;
    choice.hold = 1;
    EffectSequenceResult made = MakeEffectSequence(*source, 0, 1, choice);
    ASSERT_EQ(EffectSequenceStatus::Made, made.status);
    EXPECT_EQ(5u, made.frameCount) << "2 in, 1 hold, 2 out";
    const LedPattern& pattern = *made.pattern;
    ASSERT_EQ(6u, pattern.frameCount);
    const std::vector<FrameRows> expected = {{"##...", ".#..."}, Full, Full, {"#....", ".#..."}, Dark, Dark};
    for (std::uint32_t f = 0; f < 6; ++f) EXPECT_EQ(expected[f], RowsOf(pattern, f)) << "frame " << f;
    EXPECT_EQ(ControlNormal, pattern.header.controlCode);
    EXPECT_EQ(7, pattern.header.wait);
    EXPECT_EQ(6, pattern.header.FrameCount());

    // Without an in effect the frame still shows once.
    choice.in = Effect::None;
    choice.out = Effect::None;
    choice.hold = 0;
    made = MakeEffectSequence(*source, 0, 2, choice);
    ASSERT_EQ(EffectSequenceStatus::Made, made.status);
    EXPECT_EQ(2u, made.pattern->frameCount);
    EXPECT_EQ(Full, RowsOf(*made.pattern, 0));
}

TEST(EffectSequence, RefusesMoreThan2048FramesBeforeDrawingAny) {
    std::unique_ptr<LedPattern> source = PatternOfRows({Full});
    EffectChoice choice;
    choice.in = Effect::ScrollLeft;   // 5 frames
    choice.hold = 2042;
    EffectSequenceResult made = MakeEffectSequence(*source, 0, 1, choice);
    ASSERT_EQ(EffectSequenceStatus::Made, made.status);
    EXPECT_EQ(2048u, made.pattern->frameCount) << "2047 padded to 2048";
    choice.hold = 2044;
    made = MakeEffectSequence(*source, 0, 1, choice);
    EXPECT_EQ(EffectSequenceStatus::TooManyFrames, made.status);
    EXPECT_EQ(2049u, made.frameCount);
    EXPECT_EQ(nullptr, made.pattern);
    EXPECT_EQ(EffectSequenceStatus::NoFrames, MakeEffectSequence(*source, 1, 1, choice).status);
}

}  // namespace

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


// Pictures of two planes: each row "plane 0|plane 1", the two frames of the
// picture side by side.
typedef std::vector<std::string> PictureRows;

std::vector<PictureRows> PicturesOf(const EffectSequenceResult& made) {
    std::vector<PictureRows> pictures;
    if (!made.pattern) return pictures;
    for (std::uint32_t frame = 0; frame + 1 < made.pattern->frameCount; frame += 2) {
        const FrameRows left = RowsOf(*made.pattern, frame), right = RowsOf(*made.pattern, frame + 1);
        PictureRows rows;
        for (std::size_t y = 0; y < left.size(); ++y) rows.push_back(left[y] + "|" + right[y]);
        pictures.push_back(rows);
    }
    return pictures;
}

EffectChoice Choice(Effect in, Effect out, unsigned step, unsigned hold = 0, std::uint32_t seed = 0) {
    EffectChoice choice;
    choice.in = in;
    choice.out = out;
    choice.step = step;
    choice.hold = hold;
    choice.seed = seed;
    return choice;
}

// A picture of 2 x 5 x 2 LEDs: an odd frame width puts the planes' seam
// inside a byte and the canvas's centre line on it.
const FrameRows Plane0 = Full, Plane1 = {"#...#", "..#.."};
const PictureRows Whole = {"##.#.|#...#", ".#..#|..#.."}, Unlit = {".....|.....", ".....|....."};

std::vector<PictureRows> TwoPlaneIn(Effect effect, unsigned step) {
    return PicturesOf(MakeEffectSequence(*PatternOfRows({Plane0, Plane1}), 0, 1, Choice(effect, Effect::None, step),
                                         Planes::Two));
}

TEST(EffectsOnPictures, ScrollLeftMovesTheContentAcrossBothPlanesAsOneCanvas) {
    // "AB" on a 16 x 16 pattern: A in plane 0, B in plane 1, rows 0 to 2.
    const std::vector<std::string> glyphs = {".......#........|.....##.........", "......###.......|.....###........",
                                             "......#.#.......|.....##........."};
    std::vector<FrameRows> frames(2, FrameRows(16, std::string(16, '.')));
    for (std::size_t y = 0; y < glyphs.size(); ++y) {
        frames[0][y] = glyphs[y].substr(0, 16);
        frames[1][y] = glyphs[y].substr(17);
    }
    EffectSequenceResult made =
        MakeEffectSequence(*PatternOfRows(frames), 0, 1, Choice(Effect::ScrollLeft, Effect::ScrollLeft, 8), Planes::Two);
    ASSERT_EQ(EffectSequenceStatus::Made, made.status);
    ASSERT_EQ(16u, made.pattern->frameCount) << "ceil(32 / 8) = 4 pictures in, 4 out";
    const std::vector<PictureRows> expected = {
        {"................|...............#", "................|..............##", "................|..............#."},
        {"................|.......#........", "................|......###.......", "................|......#.#......."},
        {"...............#|.............##.", "..............##|#............###", "..............#.|#............##."},
        glyphs,
        {".............##.|................", "#............###|................", "#............##.|................"},
        {".....##.........|................", ".....###........|................", ".....##.........|................"},
        {}, {}};
    const std::vector<PictureRows> pictures = PicturesOf(made);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        PictureRows rows = expected[i];
        rows.resize(16, "................|................");
        EXPECT_EQ(rows, pictures[i]) << "picture " << i;
    }
}

TEST(EffectsOnPictures, WipeBlindsSplitAndBlinkCoverTheWholeCanvas) {
    EXPECT_EQ((std::vector<PictureRows>{{"##...|.....", ".#...|....."},
                                        {"##.#.|#....", ".#..#|....."},
                                        {"##.#.|#....", ".#..#|..#.."},
                                        Whole}),
              TwoPlaneIn(Effect::WipeRight, 3));
    EXPECT_EQ((std::vector<PictureRows>{{"##.#.|#...#", ".....|....."}, Whole}), TwoPlaneIn(Effect::Blinds, 1));
    // The canvas's centre line is the seam of the planes.
    EXPECT_EQ((std::vector<PictureRows>{{".....|#....", "....#|....."},
                                        {"...#.|#....", "....#|....."},
                                        {"...#.|#....", "....#|..#.."},
                                        {".#.#.|#....", ".#..#|..#.."},
                                        Whole}),
              TwoPlaneIn(Effect::SplitVertical, 1));
    EXPECT_EQ((std::vector<PictureRows>{Unlit, Whole, Unlit, Whole, Unlit, Whole}), TwoPlaneIn(Effect::Blink, 1));
}

TEST(EffectsOnPictures, EveryEffectIsTheOneOfAFrameAsWideAsTheCanvas) {
    std::unique_ptr<LedPattern> pair = PatternOfRows({Plane0, Plane1});
    std::unique_ptr<LedPattern> wide = PatternOfRows({{"##.#.#...#", ".#..#..#.."}});
    for (std::size_t i = 1; i < EffectNameCount; ++i) {
        const EffectChoice choice = Choice(EffectNames[i].effect, EffectNames[i].effect, 2, 1, 9);
        const std::vector<PictureRows> pictures = PicturesOf(MakeEffectSequence(*pair, 0, 1, choice, Planes::Two));
        const EffectSequenceResult frames = MakeEffectSequence(*wide, 0, 1, choice, Planes::One);
        ASSERT_EQ(frames.frameCount, pictures.size()) << EffectNames[i].name;
        for (std::uint32_t f = 0; f < frames.frameCount; ++f) {
            FrameRows joined = pictures[f];
            for (std::string& row : joined) row.erase(5, 1);
            EXPECT_EQ(RowsOf(*frames.pattern, f), joined) << EffectNames[i].name << " picture " << f;
        }
    }
}

TEST(EffectsOnPictures, WholePicturesAreNeverPaddedAndALastFrameGetsADarkPartner) {
    std::unique_ptr<LedPattern> source = PatternOfRows({Plane0, Plane1, Plane1});
    EffectSequenceResult made = MakeEffectSequence(*source, 0, 2, Choice(Effect::None, Effect::None, 1, 1), Planes::Two);
    ASSERT_EQ(EffectSequenceStatus::Made, made.status);
    EXPECT_EQ(8u, made.frameCount);
    EXPECT_EQ((std::vector<PictureRows>{Whole, Whole, {"#...#|.....", "..#..|....."}, {"#...#|.....", "..#..|....."}}),
              PicturesOf(made));
    EXPECT_EQ(EffectSequenceStatus::NoFrames,
              MakeEffectSequence(*source, 2, 1, Choice(Effect::None, Effect::None, 1), Planes::Two).status);

    // 10 pictures of scroll and the holds, two frames each: 1024 pictures fill a pattern.
    EffectChoice choice = Choice(Effect::ScrollLeft, Effect::None, 1, 1014);
    EXPECT_EQ(1024u, EffectFramesPerFrame(*source, choice, Planes::Two));
    EXPECT_EQ(2048u, MakeEffectSequence(*source, 1, 1, choice, Planes::Two).pattern->frameCount);
    choice.hold = 1015;
    made = MakeEffectSequence(*source, 1, 1, choice, Planes::Two);
    EXPECT_EQ(EffectSequenceStatus::TooManyFrames, made.status);
    EXPECT_EQ(2050u, made.frameCount);
}

}  // namespace

#include "drawing/Selection.h"

#include <gtest/gtest.h>

#include "tests/support/CellPictures.h"

namespace {

TEST(SelectionTest, MovingBeyondTheEdgeKeepsWhatIsOutsideUntilDropped) {
    LedPattern pattern;
    MakePattern(pattern, {"##...", "#....", "....."});
    Selection selection;
    selection.Select({1, 1}, {-2, -2}, 5, 3);
    ASSERT_EQ((CellArea{0, 0, 2, 2}), selection.Area()) << "clipped to the frame";
    ASSERT_TRUE(selection.Lift(pattern, 0));
    EXPECT_EQ((Picture{".....", ".....", "....."}), PictureOf(pattern)) << "the vacated cells go dark";
    selection.MoveTo(4, 2);
    selection.MoveTo(3, -1);
    LedPattern shown;
    MakePattern(shown, PictureOf(pattern));
    selection.StampInto(shown, 0, EditOr);
    EXPECT_EQ((Picture{"...#.", ".....", "....."}), PictureOf(shown));
    selection.MoveTo(3, 1);
    EXPECT_TRUE(selection.Drop(pattern, 0, EditOr));
    EXPECT_EQ((Picture{".....", "...##", "...#."}), PictureOf(pattern)) << "the part once outside came back";
    EXPECT_FALSE(selection.IsActive());
}

TEST(SelectionTest, PasteDeleteAndEachModeOnDrop) {
    LedPattern pattern;
    MakePattern(pattern, {"##..", "##..", "...."});
    Selection selection;
    selection.Select({0, 0}, {1, 0}, 4, 3);
    const CellBlock copied = selection.Copy(pattern, 0);
    selection.Float(copied, 1, 0);
    EXPECT_TRUE(selection.Drop(pattern, 0, EditXor));
    EXPECT_EQ((Picture{"#.#.", "##..", "...."}), PictureOf(pattern)) << "Xor toggles under the lit cells";
    selection.Float(copied, 3, 1);
    selection.Drop(pattern, 0, EditOr);
    EXPECT_EQ((Picture{"#.#.", "##.#", "...."}), PictureOf(pattern)) << "clipped at the right edge";
    selection.Float(copied, 0, 1);
    selection.Drop(pattern, 0, EditErase);
    EXPECT_EQ((Picture{"#.#.", "...#", "...."}), PictureOf(pattern));
    selection.Select({0, 0}, {3, 0}, 4, 3);
    EXPECT_TRUE(selection.Delete(pattern, 0));
    EXPECT_EQ((Picture{"....", "...#", "...."}), PictureOf(pattern));
    EXPECT_TRUE(selection.IsActive()) << "the rectangle stays";
    selection.Float(copied, -1, 2);
    EXPECT_FALSE(selection.Delete(pattern, 0)) << "a floating paste is thrown away";
    EXPECT_EQ((CellArea{0, 2, 1, 1}), selection.Area());
}

TEST(FlipRotateTest, FramesOfOddAndEvenSizes) {
    LedPattern pattern;
    MakePattern(pattern, {"##.", "#..", "..."});
    ASSERT_TRUE(TurnFrame(pattern, 0, Turn::FlipHorizontal));
    EXPECT_EQ((Picture{".##", "..#", "..."}), PictureOf(pattern));
    ASSERT_TRUE(TurnFrame(pattern, 0, Turn::RotateClockwise));
    EXPECT_EQ((Picture{"...", "..#", ".##"}), PictureOf(pattern));
    ASSERT_TRUE(TurnFrame(pattern, 0, Turn::RotateAnticlockwise));
    ASSERT_TRUE(TurnFrame(pattern, 0, Turn::FlipVertical));
    EXPECT_EQ((Picture{"...", "..#", ".##"}), PictureOf(pattern));

    MakePattern(pattern, {"#..#", "....", "...."});
    pattern.modified = false;
    EXPECT_FALSE(TurnFrame(pattern, 0, Turn::FlipHorizontal)) << "a symmetric frame does not change";
    EXPECT_FALSE(pattern.modified);
    // A 4 x 3 frame turned keeps its top-left corner: the turned 3 x 4 is
    // clipped at the bottom, and the fourth column goes dark.
    MakePattern(pattern, {"#..#", ".##.", "##.#"});
    ASSERT_TRUE(TurnFrame(pattern, 0, Turn::RotateClockwise));
    EXPECT_EQ((Picture{"#.#.", "##..", ".#.."}), PictureOf(pattern));
}

TEST(FlipRotateTest, ASelectionNearTheEdgeAndAFloatingOne) {
    LedPattern pattern;
    MakePattern(pattern, {"....", "....", "..##", "...."});
    Selection selection;
    selection.Select({2, 2}, {3, 2}, 4, 4);
    ASSERT_TRUE(selection.TurnContent(pattern, 0, Turn::RotateAnticlockwise));
    EXPECT_EQ((Picture{"....", "....", "..#.", "..#."}), PictureOf(pattern));
    EXPECT_EQ((CellArea{2, 2, 1, 2}), selection.Area());
    selection.Select({2, 0}, {3, 3}, 4, 4);
    ASSERT_TRUE(selection.TurnContent(pattern, 0, Turn::RotateClockwise));
    EXPECT_EQ((Picture{"..##", "....", "....", "...."}), PictureOf(pattern)) << "clipped at the right edge";
    EXPECT_EQ((CellArea{2, 0, 2, 2}), selection.Area());

    selection.Float(CellBlock::Copy(pattern, 0, {2, 0, 2, 1}), 0, 0);
    EXPECT_FALSE(selection.TurnContent(pattern, 0, Turn::RotateClockwise)) << "floating: the frame waits for the drop";
    EXPECT_EQ((CellArea{0, 0, 1, 2}), selection.Area());
    selection.Drop(pattern, 0, EditOr);
    EXPECT_EQ((Picture{"#.##", "#...", "....", "...."}), PictureOf(pattern));
}

}  // namespace

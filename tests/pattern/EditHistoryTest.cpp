#include "pattern/document/EditHistory.h"

#include <gtest/gtest.h>

#include "pattern/document/FrameTools.h"

namespace {

struct EditHistoryTest : ::testing::Test {
    LedPattern pattern;
    EditHistory history;
    void SetUp() override {
        pattern.Create(16, 16);
        pattern.SetFrameCount(2);
        pattern.modified = false;
    }
    // A pen stroke from press to release.
    void Stroke(std::uint32_t frame, std::initializer_list<unsigned> columns, unsigned row) {
        history.BeginFrameChange(pattern, frame);
        for (unsigned x : columns) pattern.TogglePixel(frame, x, row);
        history.EndFrameChange(pattern);
    }
};

TEST_F(EditHistoryTest, AStrokeIsOneStepKeepingOnlyWhatChanged) {
    Stroke(1, {0, 1, 2, 9}, 3);
    EXPECT_EQ(1u, history.StepCount());
    EXPECT_LT(history.KeptBytes(), 200u) << "two changed bytes, not the frame";
    EXPECT_EQ(1, history.Undo(pattern));
    EXPECT_FALSE(pattern.GetPixel(1, 0, 3));
    EXPECT_FALSE(pattern.GetPixel(1, 9, 3));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(1, history.Redo(pattern));
    EXPECT_TRUE(pattern.GetPixel(1, 2, 3));
    EXPECT_TRUE(pattern.GetPixel(1, 9, 3));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(EditHistory::Nothing, history.Redo(pattern));
}

TEST_F(EditHistoryTest, NothingChangedRecordsNothing) {
    history.BeginFrameChange(pattern, 0);
    pattern.TogglePixel(0, 4, 4);
    pattern.TogglePixel(0, 4, 4);
    history.EndFrameChange(pattern);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(EditHistoryTest, AFrameCountChangeComesBackWithItsFramesAndWait) {
    Stroke(1, {5}, 5);
    history.BeginPatternChange(pattern);
    pattern.SetFrameCount(1);
    pattern.header.wait = 9;
    history.EndPatternChange(pattern);
    Stroke(0, {0}, 0);
    ASSERT_EQ(0, history.Undo(pattern));
    EXPECT_EQ(EditHistory::WholePattern, history.Undo(pattern));
    EXPECT_EQ(2u, pattern.frameCount);
    EXPECT_EQ(2, pattern.header.FrameCount());
    EXPECT_EQ(0, pattern.header.wait);
    EXPECT_TRUE(pattern.GetPixel(1, 5, 5)) << "the frame cut off is back";
    EXPECT_EQ(EditHistory::WholePattern, history.Redo(pattern));
    EXPECT_EQ(1u, pattern.frameCount);
    EXPECT_EQ(9, pattern.header.wait);
    EXPECT_EQ(0, history.Redo(pattern));
    EXPECT_TRUE(pattern.GetPixel(0, 0, 0));
}

TEST_F(EditHistoryTest, AnotherSizeComesBackOnUndo) {
    LedPattern picture;
    picture.Create(40, 3);
    picture.SetPixel(0, 39, 2);
    history.BeginPatternChange(pattern);
    ReplaceFrames(pattern, picture);
    history.EndPatternChange(pattern);
    history.Undo(pattern);
    EXPECT_EQ(16, pattern.columns);
    EXPECT_EQ(2, pattern.rowBytes);
    EXPECT_EQ(16, pattern.header.rows);
    history.Redo(pattern);
    EXPECT_EQ(40, pattern.columns);
    EXPECT_EQ(5, pattern.header.rowBytes);
    EXPECT_TRUE(pattern.GetPixel(0, 39, 2));
}

TEST_F(EditHistoryTest, DrawingAfterUndoingBelowTheSavedStepLosesIt) {
    Stroke(0, {1}, 1);
    pattern.modified = false;  // saved here
    history.Undo(pattern);
    Stroke(0, {7}, 7);
    history.Undo(pattern);
    history.Redo(pattern);
    EXPECT_TRUE(pattern.modified) << "the state the file holds cannot be reached any more";
}

TEST_F(EditHistoryTest, LargeStepsAreBoundedByBytes) {
    pattern.Create(255, 255);
    pattern.SetFrameCount(LedPattern::MaxFrames);
    for (int i = 0; i < 6; ++i) {
        history.BeginPatternChange(pattern);
        pattern.SetFrameCount(i % 2 ? LedPattern::MaxFrames : LedPattern::MaxFrames - 1);
        history.EndPatternChange(pattern);
    }
    EXPECT_LE(history.KeptBytes(), EditHistory::MaxBytes);
    EXPECT_LT(history.StepCount(), 6u);
    EXPECT_GE(history.StepCount(), 1u);
}

TEST_F(EditHistoryTest, UndoEndsAStrokeStillOpen) {
    history.BeginFrameChange(pattern, 0);
    pattern.TogglePixel(0, 3, 3);
    EXPECT_TRUE(history.IsChanging(0));
    EXPECT_EQ(0, history.Undo(pattern));
    EXPECT_FALSE(pattern.GetPixel(0, 3, 3));
    EXPECT_FALSE(history.IsChanging(0));
}

}  // namespace

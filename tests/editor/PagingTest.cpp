// Which page the views show: the slider shows the page without ending the
// drawing tools' work; every real turn of the page (the slider moved, Next
// Page, Play) ends it and moves the slider with it.
#include "editor/grid/Playback.h"
#include "tests/editor/EditorSession.h"

namespace {

class PagingTest : public EditorSession {
protected:
    // A selection of two LEDs of view 0 with the Select tool.
    static void SelectTwoLeds() {
        Command(IDM_TOOLS_SELECT);
        Press(CellX(0, 1), CellY(1));
        Move(CellX(0, 2), CellY(1));
        Release(CellX(0, 2), CellY(1));
    }
};

TEST_F(PagingTest, RefreshingTheSliderKeepsTheSelectionATurnOfThePageLetsItGo) {
    SetFrames(6);
    SelectTwoLeds();
    ASSERT_TRUE(editor.tools.selection.IsActive());
    Refresh(editor, RefreshPart::Slider);
    EXPECT_TRUE(editor.tools.selection.IsActive()) << "the slider only shows the page";
    EXPECT_EQ(0, SliderPosition());
    MoveSlider(1);
    EXPECT_FALSE(editor.tools.selection.IsActive()) << "a selection belongs to the page it was made on";
    EXPECT_EQ(2, editor.firstFrame);

    SelectTwoLeds();
    ASSERT_TRUE(editor.tools.selection.IsActive());
    Command(IDM_FRAME_NEXT_PAGE);
    EXPECT_FALSE(editor.tools.selection.IsActive());
    EXPECT_EQ(4, editor.firstFrame);
}

TEST_F(PagingTest, TheSliderFollowsThePagesTurnedWithoutIt) {
    SetFrames(6);
    RightClick(100, 100);
    Command(IDM_FRAME_NEXT_PAGE);
    EXPECT_EQ(1, SliderPosition());
    EXPECT_EQ(0, editor.targetPlane) << "as when the slider is moved";
    EXPECT_EQ(2, editor.views[0].frameIndex);
    EXPECT_EQ(3, editor.views[1].frameIndex);

    Command(IDM_FRAME_PLAY);
    EXPECT_EQ(0, SliderPosition()) << "playing starts at the first page";
    OnPlaybackTimer(editor);
    OnPlaybackTimer(editor);
    EXPECT_EQ(2, SliderPosition());
    EXPECT_EQ(L"Lumigrid ver 1.0  [    4 /    6 ]", Title());
    OnPlaybackTimer(editor);
    EXPECT_EQ(0, SliderPosition()) << "round to the first page";
    Command(IDM_FRAME_PLAY);
    EXPECT_EQ(1, SliderPosition()) << "back at the page being edited";
    EXPECT_EQ(2, editor.firstFrame);
}

TEST_F(PagingTest, PagesHoldPlaneCountFramesAndThereIsAlwaysOne) {
    editor.frameCount = 5;
    EXPECT_EQ(3, editor.PageCount()) << "the last page half empty";
    editor.firstFrame = 7;
    EXPECT_EQ(2, editor.FirstFramePage()) << "no page beyond the last";
    editor.planeCount = 1;
    EXPECT_EQ(5, editor.PageCount());
    editor.frameCount = 0;
    EXPECT_EQ(1, editor.PageCount());
    EXPECT_EQ(0, editor.FirstFramePage());
}

}  // namespace

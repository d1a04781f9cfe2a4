#include "panekit/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "tests/support/TestWindows.h"

namespace {

using namespace testwindows;

// A parent whose client area is 101 x 80 pixels, away from the screen's
// corner so that screen and client coordinates differ, with one child.
class ChildTest : public WindowTest {
protected:
    CWin parent{instance};
    CChild child{instance};

    void SetUp() override {
        CreatePopup(parent, 200, 150, 101, 80);
        CreateChildOf(child, parent.GetWindowHandle(), 30, 40, 20, 10);
    }

    RECT Placed() { return RectInParent(child.GetWindowHandle()); }

    void ExpectPlaced(int left, int top, int width, int height) {
        RECT rect = Placed();
        EXPECT_EQ(left, rect.left);
        EXPECT_EQ(top, rect.top);
        EXPECT_EQ(width, Width(rect));
        EXPECT_EQ(height, Height(rect));
    }
};

TEST_F(ChildTest, InitializeNeedsAParent) {
    CChild orphan(instance);
    PANEKITWNDCLASS description = Description(0);
    description.dwStyle = WS_CHILD;
    description.hWndParent = parent.GetWindowHandle();
    EXPECT_EQ(0, Create(orphan, description));
    EXPECT_EQ(nullptr, orphan.GetWindowHandle());
    EXPECT_EQ(nullptr, orphan.m_Parent);

    EXPECT_EQ(parent.GetWindowHandle(), child.m_Parent);
    EXPECT_EQ(parent.GetWindowHandle(), GetParent(child.GetWindowHandle()));
    ExpectPlaced(30, 40, 20, 10);
}

TEST_F(ChildTest, SetMovesTheWindowToItsNewParentFirst) {
    CWin other(instance);
    CreatePopup(other, 0, 0, 60, 60);
    PANEKITWNDCLASS change = Description(PWC_PARENT | PWC_TITLE);
    change.hWndParent = other.GetWindowHandle();
    change.lpszTitle = "Moved";
    EXPECT_EQ(1, child.Set(&change));
    EXPECT_EQ(other.GetWindowHandle(), GetParent(child.GetWindowHandle()));
    EXPECT_EQ(other.GetWindowHandle(), child.m_Parent);
    EXPECT_EQ("Moved", Title(child.GetWindowHandle()));

    // A parent that cannot be set fails before any other change.
    CWin gone(instance);
    CreatePopup(gone, 0, 0, 10, 10);
    DestroyWindow(gone.GetWindowHandle());
    change.hWndParent = gone.GetWindowHandle();
    change.lpszTitle = "Not shown";
    EXPECT_EQ(0, child.Set(&change));
    EXPECT_EQ("Moved", Title(child.GetWindowHandle()));
    EXPECT_EQ(other.GetWindowHandle(), child.m_Parent);
}

TEST_F(ChildTest, NegativePositionsCountBackFromTheFarEdges) {
    child.Move(-10, 5);
    ExpectPlaced(91, 5, 20, 10);
    child.Move(0, -30);
    ExpectPlaced(0, 50, 20, 10);
}

TEST_F(ChildTest, MinusOneKeepsThePositionOnThatAxis) {
    child.Move(-1, 7);
    ExpectPlaced(30, 7, 20, 10);
    child.Move(12, -1);
    ExpectPlaced(12, 7, 20, 10);
    child.Move(-1, -1);
    ExpectPlaced(12, 7, 20, 10);
}

TEST_F(ChildTest, FractionsPlaceTheWindowWithinTheParent) {
    child.Move(0.25f, 0.5f);
    // 101 x 0.25, truncated.
    ExpectPlaced(25, 40, 20, 10);
    // A fraction of 0 keeps that edge.
    child.Move(0.0f, 0.1f);
    ExpectPlaced(25, 8, 20, 10);
    child.Move(0.0f, 0.0f);
    ExpectPlaced(25, 8, 20, 10);
}

TEST_F(ChildTest, IntegerSizesAreAbsoluteOrShortOfTheParent) {
    child.Resize(0, 0);
    ExpectPlaced(30, 40, 20, 10);
    child.Resize(-20, 30);
    ExpectPlaced(30, 40, 81, 30);
    child.Resize(45, -50);
    ExpectPlaced(30, 40, 45, 30);
    // Never narrower than nothing.
    child.Resize(-500, 0);
    ExpectPlaced(30, 40, 0, 30);
}

TEST_F(ChildTest, FractionalSizesFollowTheParentsClientArea) {
    child.Resize(0.0f, 0.0f);
    ExpectPlaced(30, 40, 20, 10);
    child.Resize(0.5f, 0.25f);
    ExpectPlaced(30, 40, 50, 20);
    child.Resize(0.0f, 0.5f);
    ExpectPlaced(30, 40, 50, 40);
    // Not a number is no size: the current one stays.
    child.Resize(std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity());
    ExpectPlaced(30, 40, 50, 40);
}

TEST_F(ChildTest, NothingHappensWithoutAParentWindow) {
    child.m_Parent = nullptr;
    child.Move(1, 2);
    child.Move(0.5f, 0.5f);
    child.Resize(5, 5);
    child.Resize(0.5f, 0.5f);
    ExpectPlaced(30, 40, 20, 10);

    CWin gone(instance);
    CreatePopup(gone, 0, 0, 10, 10);
    DestroyWindow(gone.GetWindowHandle());
    child.m_Parent = gone.GetWindowHandle();
    child.Move(1, 2);
    child.Resize(-5, -5);
    ExpectPlaced(30, 40, 20, 10);
}

TEST_F(ChildTest, CopiesPlaceTheSameWindow) {
    CChild copy(nullptr);
    copy = child;
    EXPECT_EQ(child.GetWindowHandle(), copy.GetWindowHandle());
    EXPECT_EQ(child.m_Parent, copy.m_Parent);
    copy.Move(1, 2);
    ExpectPlaced(1, 2, 20, 10);
    CChild constructed(child);
    EXPECT_EQ(instance, constructed.GetAppInstance());
    constructed.Resize(-1, 0);
    ExpectPlaced(1, 2, 100, 10);
}

}  // namespace

#include "panekit/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/TestWindows.h"

namespace {

using namespace testwindows;

class MainTest : public WindowTest {
protected:
    // A borderless main window whose client area is exactly width x height.
    void CreateMain(CMain& main, const char* title, int width = 200, int height = 100) {
        PANEKITWNDCLASS description = Description(PWC_TITLE | PWC_POSITION | PWC_SIZE);
        description.dwStyle = WS_POPUP;
        description.lpszTitle = title;
        description.x = 100;
        description.y = 80;
        description.cx = width;
        description.cy = height;
        ASSERT_EQ(1, Create(main, description));
    }
};

CHILDWINDOWNODE Rule(CChild* child) {
    CHILDWINDOWNODE node;
    std::memset(&node, 0, sizeof node);
    node.pChild = child;
    return node;
}

TEST_F(MainTest, InitializeNeedsATitle) {
    CMain main(instance);
    PANEKITWNDCLASS description = Description(0);
    description.dwStyle = WS_POPUP;
    EXPECT_EQ(0, Create(main, description));
    EXPECT_EQ(nullptr, main.GetWindowHandle());

    CreateMain(main, "Lumigrid");
    EXPECT_STREQ("Lumigrid", main.m_Title);
    EXPECT_EQ("Lumigrid", Title(main.GetWindowHandle()));
}

TEST_F(MainTest, ChangeFilenameShowsTheBaseTitleAndTheNameInBrackets) {
    CMain main(instance);
    CreateMain(main, "Lumigrid");
    EXPECT_EQ(1, main.ChangeFilename("C:\\patterns\\heart.led"));
    EXPECT_EQ("Lumigrid - [C:\\patterns\\heart.led]", Title(main.GetWindowHandle()));
    EXPECT_EQ(1, main.ChangeFilename(""));
    EXPECT_EQ("Lumigrid - []", Title(main.GetWindowHandle()));
}

TEST_F(MainTest, SetWithADocumentNameAloneUsesTheBaseTitle) {
    CMain main(instance);
    CreateMain(main, "Lumigrid");
    PANEKITWNDCLASS change = Description(PWC_FILENAME);
    change.lpszFilename = "clock.led";
    EXPECT_EQ(1, main.Set(&change));
    EXPECT_EQ("Lumigrid - [clock.led]", Title(main.GetWindowHandle()));
    EXPECT_EQ(static_cast<UINT>(PWC_FILENAME | PWC_TITLE), change.fMask) << "the caller's record is completed";
    EXPECT_EQ(main.m_Title, change.lpszTitle);
}

TEST_F(MainTest, ATitleGivenToSetIsShownButNotRemembered) {
    CMain main(instance);
    CreateMain(main, "Lumigrid");
    PANEKITWNDCLASS change = Description(PWC_TITLE);
    change.lpszTitle = "Other";
    EXPECT_EQ(1, main.Set(&change));
    EXPECT_EQ("Other", Title(main.GetWindowHandle()));
    EXPECT_STREQ("Lumigrid", main.m_Title);
    EXPECT_EQ(1, main.ChangeFilename("a.led"));
    EXPECT_EQ("Lumigrid - [a.led]", Title(main.GetWindowHandle()));
}

TEST_F(MainTest, TitlesAreCutToTheirBuffers) {
    CMain main(instance);
    std::string base(300, 'b');
    CreateMain(main, base.c_str());
    EXPECT_EQ(base.substr(0, 255), main.m_Title);
    std::string name(900, 'n');
    EXPECT_EQ(1, main.ChangeFilename(name.c_str()));
    // 255 + 4 + 764 = 1023 characters: the closing bracket has no room.
    EXPECT_EQ(base.substr(0, 255) + " - [" + name.substr(0, 764), Title(main.GetWindowHandle()));
}

TEST_F(MainTest, AddChildCountsTheRulesAndKeepsItsOwnCopies) {
    CMain main(instance);
    CChild first(instance), second(instance);
    CHILDWINDOWNODE node = Rule(&first);
    node.x = 11;
    CHILDWINDOWNODE stranger = Rule(nullptr);
    node.pNext = &stranger;
    EXPECT_EQ(1, main.AddChild(&node));
    EXPECT_EQ(2, main.AddChild(&node));
    node.pChild = &second;
    EXPECT_EQ(3, main.AddChild(&node));
    node.x = 99;

    ASSERT_NE(nullptr, main.m_ChildNodes);
    EXPECT_NE(&node, main.m_ChildNodes);
    EXPECT_EQ(11, main.m_ChildNodes->x) << "a later change of the caller's node is not seen";
    EXPECT_EQ(&first, main.m_ChildNodes->pChild);
    const CHILDWINDOWNODE* third = main.m_ChildNodes->pNext->pNext;
    ASSERT_NE(nullptr, third);
    EXPECT_EQ(&second, third->pChild) << "rules are kept in the order they were added";
    EXPECT_EQ(nullptr, third->pNext) << "the caller's pNext is not followed";

    main.DeleteNodes();
    EXPECT_EQ(nullptr, main.m_ChildNodes);
    EXPECT_EQ(1, main.AddChild(&node));
    EXPECT_EQ(0, main.AddChild(nullptr));
}

TEST_F(MainTest, CopiesHaveRuleListsOfTheirOwn) {
    CMain main(instance);
    CreateMain(main, "Lumigrid");
    CChild child(instance);
    CHILDWINDOWNODE node = Rule(&child);
    for (int x = 1; x <= 3; ++x) {
        node.x = x;
        main.AddChild(&node);
    }
    {
        CMain copy(main);
        CMain assigned(nullptr);
        assigned.AddChild(&node);
        assigned = main;
        for (const CMain* other : {&copy, &assigned}) {
            EXPECT_EQ(main.GetWindowHandle(), other->m_WindowHandle);
            EXPECT_STREQ("Lumigrid", other->m_Title);
            ASSERT_NE(nullptr, other->m_ChildNodes);
            EXPECT_NE(main.m_ChildNodes, other->m_ChildNodes);
            int x = 0;
            for (const CHILDWINDOWNODE* walk = other->m_ChildNodes; walk; walk = walk->pNext) {
                EXPECT_EQ(++x, walk->x);
                EXPECT_EQ(&child, walk->pChild);
            }
            EXPECT_EQ(3, x);
        }
        copy.DeleteNodes();
        EXPECT_EQ(nullptr, copy.m_ChildNodes);
        assigned = assigned;
        EXPECT_NE(nullptr, assigned.m_ChildNodes) << "assigning an object to itself keeps its rules";
    }
    // The copies are gone and freed their own lists; the original's is whole.
    int count = 0;
    for (const CHILDWINDOWNODE* walk = main.m_ChildNodes; walk; walk = walk->pNext) ++count;
    EXPECT_EQ(3, count);
    EXPECT_EQ(4, main.AddChild(&node));
}

TEST_F(MainTest, SizeAppliesEveryRuleToItsChild) {
    CMain main(instance);
    CreateMain(main, "Lumigrid", 101, 80);
    HWND parent = main.GetWindowHandle();
    CChild narrower(instance), half(instance), placed(instance);
    CreateChildOf(narrower, parent, 3, 4, 30, 25);
    CreateChildOf(half, parent, 0, 0, 30, 25);
    CreateChildOf(placed, parent, 0, 0, 30, 25);
    ASSERT_EQ(parent, narrower.m_Parent);

    CHILDWINDOWNODE rule = Rule(&narrower);
    rule.x = 3;
    rule.y = 4;
    rule.cx = -20;
    rule.cy = 0;
    EXPECT_EQ(1, main.AddChild(&rule));
    rule = Rule(&half);
    rule.fcx = 0.5f;
    EXPECT_EQ(2, main.AddChild(&rule));
    // The integer rules come first, the fractions replace them where not 0.
    rule = Rule(&placed);
    rule.x = 10;
    rule.y = 12;
    rule.fy = 0.5f;
    rule.cx = 40;
    rule.cy = 15;
    rule.fcy = 0.25f;
    EXPECT_EQ(3, main.AddChild(&rule));
    rule = Rule(nullptr);
    EXPECT_EQ(4, main.AddChild(&rule));

    main.Size();
    RECT rect = RectInParent(narrower.GetWindowHandle());
    EXPECT_EQ(81, Width(rect)) << "20 short of the parent's client width";
    EXPECT_EQ(25, Height(rect)) << "height kept";
    EXPECT_EQ(3, rect.left);
    EXPECT_EQ(4, rect.top);
    EXPECT_EQ(50, Width(RectInParent(half.GetWindowHandle()))) << "101 x 0.5, truncated";
    EXPECT_EQ(25, Height(RectInParent(half.GetWindowHandle())));
    rect = RectInParent(placed.GetWindowHandle());
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(40, rect.top);
    EXPECT_EQ(40, Width(rect));
    EXPECT_EQ(20, Height(rect));

    // The rules follow the parent's new size.
    SetWindowPos(parent, nullptr, 0, 0, 201, 120, SWP_NOMOVE | SWP_NOZORDER);
    main.Size();
    EXPECT_EQ(181, Width(RectInParent(narrower.GetWindowHandle())));
    EXPECT_EQ(100, Width(RectInParent(half.GetWindowHandle())));
    EXPECT_EQ(60, RectInParent(placed.GetWindowHandle()).top);
    EXPECT_EQ(30, Height(RectInParent(placed.GetWindowHandle())));
}

}  // namespace

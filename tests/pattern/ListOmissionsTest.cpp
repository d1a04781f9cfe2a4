#include "pattern/list/ListOmissions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"

namespace {

class ListOmissionsTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    int saved = 0;

    std::string Saved(std::uint8_t columns, std::uint8_t rows, std::uint32_t frames, std::uint8_t controlCode) {
        LedPattern pattern;
        pattern.Create(columns, rows);
        pattern.SetFrameCount(frames);
        pattern.header.controlCode = controlCode;
        std::string path = scratch.File("p" + std::to_string(++saved) + ".led");
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }

    ListOmissions Review(const std::vector<std::string>& entries) {
        ListOmissions omissions;
        for (std::size_t i = 0; i < entries.size(); ++i) omissions.Add(i, entries[i].c_str(), PlanEntry(entries[i].c_str()));
        return omissions;
    }
};

TEST_F(ListOmissionsTest, EntriesThatAddNoFrameAreSkippedWithTheirReason) {
    const std::string missing = scratch.File("missing.led");
    ListOmissions omissions = Review({Saved(16, 16, 1, ControlNormal), Saved(16, 16, 1, ControlScroll),
                                      Saved(16, 16, 0, ControlOnOff), Saved(16, 16, 2, 4), missing, ":Reset",
                                      Saved(16, 16, 2, ControlAnimation)});
    std::vector<EntryOmission> all = omissions.All();
    ASSERT_EQ(5u, all.size());
    for (const EntryOmission& omission : all) EXPECT_EQ(Omission::WholeEntry, omission.what);
    EXPECT_EQ(SkipReason::NoFramePair, all[0].plan.skipReason);
    EXPECT_EQ("it has one frame, and the display shows frames in pairs", DescribeOmission(all[0], {16, 16}));
    EXPECT_EQ(SkipReason::NoFramePair, all[1].plan.skipReason);
    EXPECT_EQ(2u, all[1].plan.bytes) << "a Scroll pattern still emits its empty block";
    EXPECT_EQ("it has no frames", DescribeOmission(all[2], {16, 16}));
    EXPECT_EQ(SkipReason::UnknownControlCode, all[3].plan.skipReason);
    EXPECT_EQ(SkipReason::NotLoaded, all[4].plan.skipReason);
    EXPECT_EQ(missing, all[4].text);
    EXPECT_EQ("cannot open the file", DescribeOmission(all[4], {16, 16}));
}

TEST_F(ListOmissionsTest, AnUnpairedLastFrameAndAnotherSizeAreNoted) {
    ListOmissions omissions = Review({Saved(64, 16, 2, ControlScroll), Saved(16, 16, 5, ControlNormal), ":Reset",
                                      Saved(16, 16, 2, ControlOnOff), Saved(16, 8, 3, ControlScroll)});
    PatternSize common{0, 0};
    ASSERT_TRUE(omissions.CommonSize(&common));
    EXPECT_EQ(16, common.columns);
    EXPECT_EQ(16, common.rows);
    std::vector<EntryOmission> all = omissions.All();
    ASSERT_EQ(4u, all.size());
    EXPECT_EQ(0u, all[0].index);
    EXPECT_EQ(Omission::OtherSize, all[0].what);
    EXPECT_EQ("its frames are 64 x 16, not 16 x 16 as most in the list, so the HEX file cannot be read back at one size",
              DescribeOmission(all[0], common));
    EXPECT_EQ(1u, all[1].index);
    EXPECT_EQ(Omission::LastFrame, all[1].what);
    EXPECT_EQ("its last frame (5 of 5) is left out, as the display shows frames in pairs", DescribeOmission(all[1], common));
    EXPECT_EQ(4u, all[2].index);
    EXPECT_EQ(Omission::LastFrame, all[2].what);
    EXPECT_EQ(Omission::OtherSize, all[3].what);

    // Of sizes met equally often, the first one is the list's.
    ListOmissions tie = Review({Saved(8, 8, 2, ControlNormal), Saved(16, 16, 2, ControlNormal)});
    ASSERT_TRUE(tie.CommonSize(&common));
    EXPECT_EQ(8, common.columns);
    ASSERT_EQ(1u, tie.All().size());
    EXPECT_EQ(1u, tie.All()[0].index);
    EXPECT_FALSE(Review({":Reset"}).CommonSize(&common));
}

}  // namespace

#include "NewPattern.h"

#include <gtest/gtest.h>

namespace {

TEST(NewPatternTest, ABlankUnnamedUnmodifiedNormalPatternWithTheWaitOne) {
    std::unique_ptr<LedPattern> pattern = NewBlankPattern(128, 16, 2048);
    ASSERT_TRUE(pattern);
    EXPECT_EQ(128, pattern->columns);
    EXPECT_EQ(16, pattern->rows);
    EXPECT_EQ(16, pattern->rowBytes);
    EXPECT_EQ(2048u, pattern->frameCount);
    EXPECT_EQ(0x00, pattern->header.frameCount[0]);
    EXPECT_EQ(0x08, pattern->header.frameCount[1]);
    EXPECT_EQ(ControlNormal, pattern->header.controlCode);
    EXPECT_EQ(1, pattern->header.wait);
    EXPECT_FALSE(pattern->modified);
    EXPECT_FALSE(pattern->fileName);
    for (std::uint32_t frame : {0u, 2047u})
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 128; ++x) ASSERT_FALSE(pattern->GetPixel(frame, x, y));
}

TEST(NewPatternTest, SizesWithoutLedsAndFrameCountsOutOfRangeMakeNone) {
    EXPECT_FALSE(NewBlankPattern(0, 16, 2));
    EXPECT_FALSE(NewBlankPattern(16, 256, 2));
    EXPECT_FALSE(NewBlankPattern(16, 16, 0));
    EXPECT_FALSE(NewBlankPattern(16, 16, 2049));
    EXPECT_TRUE(NewBlankPattern(1, 1, 1));
    EXPECT_TRUE(NewBlankPattern(255, 255, 1));
}

}  // namespace

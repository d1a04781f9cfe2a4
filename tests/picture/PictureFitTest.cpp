// Fitting a picture to the board: each fit and alignment on pictures small
// enough to write the result out pixel by pixel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture/PictureFit.h"

namespace {

// One letter a pixel: the colours below, '.' transparent.
std::vector<std::uint8_t> Pixels(const std::string& letters) {
    std::vector<std::uint8_t> rgba;
    for (char letter : letters) {
        switch (letter) {
        case 'W': rgba.insert(rgba.end(), {255, 255, 255, 255}); break;
        case 'K': rgba.insert(rgba.end(), {0, 0, 0, 255}); break;
        case 'R': rgba.insert(rgba.end(), {255, 0, 0, 255}); break;
        case 'G': rgba.insert(rgba.end(), {0, 255, 0, 255}); break;
        case 'B': rgba.insert(rgba.end(), {0, 0, 255, 255}); break;
        case 'Y': rgba.insert(rgba.end(), {255, 255, 0, 255}); break;
        default: rgba.insert(rgba.end(), {0, 0, 0, 0}); break;
        }
    }
    return rgba;
}

// 4 x 2:  R G B Y
//         W K W K
const std::vector<std::uint8_t> Four = Pixels("RGBYWKWK");

std::vector<std::uint8_t> Fit(const std::vector<std::uint8_t>& rgba, int width, int height, int columns, int rows,
                              PictureFit fit, Alignment alignment, PictureRect region = PictureRect()) {
    if (region.width == 0) region = PictureRect{0, 0, width, height};
    RgbaPicture fitted;
    EXPECT_TRUE(FitPicture(rgba.data(), width, height, region, columns, rows, fit, alignment, &fitted));
    EXPECT_EQ(columns, fitted.width);
    EXPECT_EQ(rows, fitted.height);
    return fitted.pixels;
}

TEST(PictureFitTest, ContainLetterboxesWithTransparentBandsWhereTheAlignmentSays) {
    EXPECT_EQ(Pixels("...." "RGBY" "WKWK" "...."), Fit(Four, 4, 2, 4, 4, PictureFit::Contain, Alignment::Centre));
    EXPECT_EQ(Pixels("RGBY" "WKWK" "...." "...."), Fit(Four, 4, 2, 4, 4, PictureFit::Contain, Alignment::TopRight));
    EXPECT_EQ(Pixels("...." "...." "RGBY" "WKWK"), Fit(Four, 4, 2, 4, 4, PictureFit::Contain, Alignment::Bottom));
    // Upright: doubled to 2 x 4 by repeating pixels, then placed left, centre, right.
    const std::vector<std::uint8_t> two = Pixels("RG" "WK");
    EXPECT_EQ(Pixels("RRGG.." "RRGG.." "WWKK.." "WWKK.."), Fit(two, 2, 2, 6, 4, PictureFit::Contain, Alignment::Left));
    EXPECT_EQ(Pixels(".RRGG." ".RRGG." ".WWKK." ".WWKK."), Fit(two, 2, 2, 6, 4, PictureFit::Contain, Alignment::Centre));
    EXPECT_EQ(Pixels("..RRGG" "..RRGG" "..WWKK" "..WWKK"),
              Fit(two, 2, 2, 6, 4, PictureFit::Contain, Alignment::BottomRight));
}

TEST(PictureFitTest, CoverFillsAndCutsOffTheOverflowOnTheSidesTheAlignmentTurnsFrom) {
    EXPECT_EQ(Pixels("GB" "KW"), Fit(Four, 4, 2, 2, 2, PictureFit::Cover, Alignment::Centre));
    EXPECT_EQ(Pixels("RG" "WK"), Fit(Four, 4, 2, 2, 2, PictureFit::Cover, Alignment::TopLeft));
    EXPECT_EQ(Pixels("BY" "WK"), Fit(Four, 4, 2, 2, 2, PictureFit::Cover, Alignment::Right));
    // 1 x 4 on 2 x 4: doubled, then the top or bottom half.
    const std::vector<std::uint8_t> column = Pixels("RGBY");
    EXPECT_EQ(Pixels("RR" "RR" "GG" "GG"), Fit(column, 1, 4, 2, 4, PictureFit::Cover, Alignment::Top));
    EXPECT_EQ(Pixels("BB" "BB" "YY" "YY"), Fit(column, 1, 4, 2, 4, PictureFit::Cover, Alignment::BottomLeft));
}

TEST(PictureFitTest, StretchScalesEachSideAndShrinksByTheAverageLight) {
    EXPECT_EQ(Pixels("RRGGBBYY" "RRGGBBYY" "RRGGBBYY" "WWKKWWKK" "WWKKWWKK" "WWKKWWKK"),
              Fit(Four, 4, 2, 8, 6, PictureFit::Stretch, Alignment::Centre));
    // Black and white average to half the light, which sRGB writes as 188,
    // not 128; a transparent pixel adds nothing to the colour.
    EXPECT_EQ((std::vector<std::uint8_t>{188, 188, 188, 255}),
              Fit(Pixels("KW"), 2, 1, 1, 1, PictureFit::Stretch, Alignment::Centre));
    EXPECT_EQ((std::vector<std::uint8_t>{255, 0, 0, 128}),
              Fit(Pixels("R."), 2, 1, 1, 1, PictureFit::Stretch, Alignment::Centre));
}

TEST(PictureFitTest, NoneCutsOrPadsWithoutScaling) {
    EXPECT_EQ(Pixels(".." "BY" "WK"), Fit(Four, 4, 2, 2, 3, PictureFit::None, Alignment::BottomRight));
    EXPECT_EQ(Pixels("GB" "KW" ".."), Fit(Four, 4, 2, 2, 3, PictureFit::None, Alignment::Top));
    EXPECT_EQ(Pixels("RGBY.." "WKWK.."), Fit(Four, 4, 2, 6, 2, PictureFit::None, Alignment::Left));
}

TEST(PictureFitTest, ACropComesBeforeTheFitAndMustLieInside) {
    EXPECT_EQ(Pixels("GGBB" "KKWW"), Fit(Four, 4, 2, 4, 2, PictureFit::Stretch, Alignment::Centre, {1, 0, 2, 2}));
    EXPECT_EQ(Pixels("Y"), Fit(Four, 4, 2, 1, 1, PictureFit::None, Alignment::Centre, {3, 0, 1, 1}));
    EXPECT_TRUE(RegionInside({0, 0, 4, 2}, 4, 2));
    EXPECT_FALSE(RegionInside({1, 0, 4, 2}, 4, 2));
    EXPECT_FALSE(RegionInside({0, 2, 1, 1}, 4, 2));
    EXPECT_FALSE(RegionInside({0, 0, 0, 2}, 4, 2));
    EXPECT_FALSE(RegionInside({-1, 0, 1, 1}, 4, 2));
    EXPECT_FALSE(RegionInside({2, 0, 2147483647, 1}, 4, 2));
}

}  // namespace

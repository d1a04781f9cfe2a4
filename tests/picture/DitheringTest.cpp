// One bit per LED: the threshold, error diffusion and the Bayer matrix on
// grey ramps and flat greys.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "picture/Dithering.h"

namespace {

RgbaPicture Grey(int width, int height, std::uint8_t (*level)(int x, int y), std::uint8_t alpha = 255) {
    RgbaPicture picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t grey = level(x, y);
            picture.pixels.insert(picture.pixels.end(), {grey, grey, grey, alpha});
        }
    return picture;
}

std::string Rows(const std::vector<std::uint8_t>& lit, int width) {
    std::string rows;
    for (std::size_t i = 0; i < lit.size(); ++i) rows += std::string(i % width == 0 && i ? "|" : "") + (lit[i] ? "#" : ".");
    return rows;
}

ToneOptions With(Dither dither, bool invert = false) {
    ToneOptions options;
    options.dither = dither;
    options.invert = invert;
    return options;
}

TEST(DitheringTest, ErrorDiffusionKeepsTheAverageBrightnessAlongAGreyRamp) {
    // 256 columns from black to white, 32 rows.
    const RgbaPicture ramp = Grey(256, 32, [](int x, int) { return static_cast<std::uint8_t>(x); });
    const std::vector<std::uint8_t> lit = LitPixels(ramp, With(Dither::FloydSteinberg));
    EXPECT_NEAR(0.5, std::accumulate(lit.begin(), lit.end(), 0.0) / lit.size(), 0.005);
    // Every stretch of 32 columns keeps its own brightness too.
    for (int band = 0; band < 8; ++band) {
        int count = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = band * 32; x < band * 32 + 32; ++x) count += lit[y * 256 + x];
        EXPECT_NEAR((band * 32 + 15.5) / 255.0, count / 1024.0, 0.02) << "band " << band;
    }
    // Inverted, the dark end lights.
    const std::vector<std::uint8_t> inverted = LitPixels(ramp, With(Dither::FloydSteinberg, true));
    EXPECT_EQ(1, inverted[0]);
    EXPECT_EQ(0, inverted[255]);
}

TEST(DitheringTest, OrderedLightsTheCellsOfTheBayerMatrixBelowTheBrightness) {
    // Grey 64 is a quarter of full: the 16 cells numbered 0 to 15.
    const RgbaPicture quarter = Grey(8, 8, [](int, int) -> std::uint8_t { return 64; });
    EXPECT_EQ("#.#.#.#.|........|#.#.#.#.|........|#.#.#.#.|........|#.#.#.#.|........",
              Rows(LitPixels(quarter, With(Dither::Ordered)), 8));
    // Inverted, three quarters: cells 0 to 47.
    const RgbaPicture rows = Grey(8, 2, [](int, int) -> std::uint8_t { return 64; });
    EXPECT_EQ("########|.#.#.#.#", Rows(LitPixels(rows, With(Dither::Ordered, true)), 8));
    // Grey 128, half: cells 0 to 31, a checkerboard.
    const RgbaPicture half = Grey(8, 2, [](int, int) -> std::uint8_t { return 128; });
    EXPECT_EQ("#.#.#.#.|.#.#.#.#", Rows(LitPixels(half, With(Dither::Ordered)), 8));
    // The matrix is laid from the frame's corner, the same in every frame:
    // a ramp down the rows lights more of each 8 x 8 tile as it brightens.
    const RgbaPicture ramp = Grey(8, 64, [](int, int y) { return static_cast<std::uint8_t>(y * 255 / 63); });
    const std::vector<std::uint8_t> lit = LitPixels(ramp, With(Dither::Ordered));
    EXPECT_EQ(lit, LitPixels(ramp, With(Dither::Ordered)));
    EXPECT_EQ(0, std::accumulate(lit.begin(), lit.begin() + 8, 0));
    EXPECT_EQ(8, std::accumulate(lit.end() - 8, lit.end(), 0));
    for (int y = 8; y < 64; y += 8)
        EXPECT_LE(std::accumulate(lit.begin() + (y - 8) * 8, lit.begin() + y * 8, 0),
                  std::accumulate(lit.begin() + y * 8, lit.begin() + (y + 8) * 8, 0));
}

TEST(DitheringTest, TransparentPixelsStayDarkAndTheThresholdIsTodays) {
    const RgbaPicture clear = Grey(4, 1, [](int, int) -> std::uint8_t { return 0; }, 127);
    for (Dither dither : {Dither::None, Dither::FloydSteinberg, Dither::Ordered})
        EXPECT_EQ("....", Rows(LitPixels(clear, With(dither, true)), 4));
    const RgbaPicture steps = Grey(4, 1, [](int x, int) { return static_cast<std::uint8_t>(126 + x); });
    ToneOptions threshold;
    EXPECT_EQ("..##", Rows(LitPixels(steps, threshold), 4));
    threshold.threshold = 127;
    threshold.invert = true;
    EXPECT_EQ("#...", Rows(LitPixels(steps, threshold), 4));
}

}  // namespace

// ImportImages with two planes: each picture, and each frame of a GIF, one
// canvas cut into the two frames of a picture.
#include "picture/ImageImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/GifWriter.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<std::uint8_t> Bytes;

const GifWriter::Colour Palette[4] = {{0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}};
const Rgba Black = {0, 0, 0, 255}, White = {255, 255, 255, 255};

Bytes FrameBytes(const LedPattern& pattern, std::uint32_t frame) {
    return Bytes(pattern.Frame(frame), pattern.Frame(frame) + pattern.FrameSize());
}

// A 16 x 16 frame dark but for the two bytes of row y.
Bytes RowLit(unsigned y, std::uint8_t left, std::uint8_t right) {
    Bytes bytes(32, 0);
    bytes[2 * y] = left;
    bytes[2 * y + 1] = right;
    return bytes;
}

ImportOptions Options(Planes planes, int columns = 0, int rows = 0) {
    ImportOptions options;
    options.planes = planes;
    options.columns = columns;
    options.rows = rows;
    return options;
}

TEST(ImportedPictures, EachFrameOfAnAnimatedGifIsOnePictureCutInTwo) {
    ScratchDirectory scratch;
    // 32 x 16: GIF frame i lights 16 LEDs of row i from column 8 + 4i, across the middle.
    GifWriter gif(32, 16, Palette);
    for (int i = 0; i < 3; ++i) {
        std::vector<std::uint8_t> indexes(32 * 16, 0);
        for (int x = 8 + 4 * i; x < 24 + 4 * i; ++x) indexes[i * 32 + x] = 1;
        gif.AddFrame(indexes);
    }
    const std::string path = scratch.File("bar.gif");
    ScratchDirectory::Write(path, gif.Bytes());
    ImportResult imported = ImportImages({path}, Options(Planes::Two, 16, 16));
    ASSERT_TRUE(imported.pattern) << DescribeImportProblem(imported.problem);
    ASSERT_EQ(16, imported.pattern->columns);
    ASSERT_EQ(6u, imported.pattern->frameCount);
    const std::vector<Bytes> expected = {RowLit(0, 0x00, 0xFF), RowLit(0, 0xFF, 0x00), RowLit(1, 0x00, 0x0F),
                                         RowLit(1, 0xFF, 0xF0), RowLit(2, 0x00, 0x00), RowLit(2, 0xFF, 0xFF)};
    for (std::uint32_t f = 0; f < 6; ++f) EXPECT_EQ(expected[f], FrameBytes(*imported.pattern, f)) << "frame " << f;
    imported = ImportImages({path}, Options(Planes::One, 16, 16));
    ASSERT_TRUE(imported.pattern);
    EXPECT_EQ(3u, imported.pattern->frameCount) << "one plane: a frame each";
}

TEST(ImportedPictures, WithoutASizeTheWidthIsSplitAnOddOneWithADarkColumn) {
    ScratchDirectory scratch;
    TestPicture picture(9, 1, Black);
    for (int x : {0, 4, 5, 8}) picture.At(x, 0) = White;
    const std::string odd = scratch.File("odd.png"), widest = scratch.File("510.png"), wider = scratch.File("511.png");
    WritePicture(odd, picture, PictureFormat::Png);
    WritePicture(widest, TestPicture(510, 1, White), PictureFormat::Png);
    WritePicture(wider, TestPicture(511, 1, White), PictureFormat::Png);
    ImportResult imported = ImportImages({odd}, Options(Planes::Two));
    ASSERT_TRUE(imported.pattern);
    ASSERT_EQ(5, imported.pattern->columns);
    ASSERT_EQ(2u, imported.pattern->frameCount);
    EXPECT_EQ(Bytes{0x88}, FrameBytes(*imported.pattern, 0)) << "#...#";
    EXPECT_EQ(Bytes{0x90}, FrameBytes(*imported.pattern, 1)) << "#..#, then the dark column";

    imported = ImportImages({widest}, Options(Planes::Two));
    ASSERT_TRUE(imported.pattern);
    EXPECT_EQ(255, imported.pattern->columns);
    imported = ImportImages({wider}, Options(Planes::Two));
    EXPECT_EQ(nullptr, imported.pattern);
    EXPECT_EQ("'" + wider + "' is 511 x 1 pixels; a picture of two planes holds at most 510 x 255",
              DescribeImportProblem(imported.problem));
    imported = ImportImages({odd, widest}, Options(Planes::Two));
    EXPECT_EQ("'" + widest + "' is 510 x 1 pixels, but the pictures before it are 9 x 1",
              DescribeImportProblem(imported.problem));
}

TEST(ImportedPictures, FittingAndDitheringTakeThePictureAsOneCanvas) {
    ScratchDirectory scratch;
    TestPicture picture(40, 24, Black);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x) {
            const std::uint8_t grey = static_cast<std::uint8_t>(x * 6 + y * 9);
            picture.At(x, y) = {grey, grey, grey, 255};
        }
    const std::string path = scratch.File("grey.png");
    WritePicture(path, picture, PictureFormat::Png);
    for (Dither dither : {Dither::FloydSteinberg, Dither::Ordered}) {
        ImportOptions pair = Options(Planes::Two, 5, 6), wide = Options(Planes::One, 10, 6);
        pair.dither = wide.dither = dither;
        ImportResult two = ImportImages({path}, pair), one = ImportImages({path}, wide);
        ASSERT_TRUE(two.pattern && one.pattern);
        // The error diffuses, and the matrix lies, across the seam as on one frame of 10 x 6.
        EXPECT_TRUE(PictureOf(*two.pattern, 0, Planes::Two) == PictureOf(*one.pattern, 0, Planes::One));
    }
}

}  // namespace

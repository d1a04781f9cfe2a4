// lumigrid-cli import: pictures made here, pattern files compared byte for
// byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/CliRun.h"
#include "tests/support/GifWriter.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

const Rgba White = {255, 255, 255, 255};
const Rgba Black = {0, 0, 0, 255};
const Rgba Yellow = {255, 255, 0, 255};
const Rgba Grey127 = {127, 127, 127, 255};
const Rgba Grey128 = {128, 128, 128, 255};
const Rgba Red = {255, 0, 0, 255};
const Rgba Green = {0, 255, 0, 255};
const Rgba Blue = {0, 0, 255, 255};

// Palette indexes of the GIFs below.
const GifWriter::Colour GifPalette[4] = {{0, 0, 0}, {255, 255, 255}, {255, 255, 0}, {0, 0, 255}};
enum : std::uint8_t { K = 0, W = 1, Y = 2, T = 3 };

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// count rows of the same bytes.
Bytes Rows(const Bytes& row, int count) {
    Bytes rows;
    for (int i = 0; i < count; ++i) rows.insert(rows.end(), row.begin(), row.end());
    return rows;
}

class ImageImportTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    std::string output = scratch.File("out.led");

    std::string Picture(const std::string& name, const TestPicture& picture, PictureFormat format = PictureFormat::Png) {
        std::string path = scratch.File(name);
        WritePicture(path, picture, format);
        return path;
    }
    std::string Gif(const std::string& name, const GifWriter& gif) {
        std::string path = scratch.File(name);
        ScratchDirectory::Write(path, gif.Bytes());
        return path;
    }
    // 16 x 8 in two 8 x 8 blocks, so that even JPEG keeps them apart.
    static TestPicture Blocks(Rgba left, Rgba right) {
        TestPicture picture(16, 8, left);
        for (int y = 0; y < 8; ++y)
            for (int x = 8; x < 16; ++x) picture.At(x, y) = right;
        return picture;
    }
    static std::vector<std::uint8_t> GifBlocks(std::uint8_t left, std::uint8_t right) {
        std::vector<std::uint8_t> indexes;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) indexes.push_back(x < 8 ? left : right);
        return indexes;
    }
    void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(1, outcome.status) << ShownArguments(args);
        EXPECT_NE(std::string::npos, outcome.err.find(message)) << outcome.err;
        EXPECT_EQ(1, std::count(outcome.err.begin(), outcome.err.end(), '\n')) << outcome.err;
        EXPECT_FALSE(ScratchDirectory::Exists(output)) << ShownArguments(args);
    }
};

TEST(GifWriterTest, WritesTheBytesOfAPlainGif) {
    GifWriter gif(2, 1, GifPalette);
    gif.AddFrame({W, Y});
    // Codes clear 4, 1, 2, end 5 at 3 bits each, from the low bit: 8C 0A.
    EXPECT_EQ((Bytes{0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x01, 0x00, 0x91, 0x00, 0x00,
                     0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF,
                     0x21, 0xF9, 0x04, 0x04, 0x0A, 0x00, 0x00, 0x00,
                     0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00,
                     0x02, 0x02, 0x8C, 0x0A, 0x00, 0x3B}),
              gif.Bytes());
}

#ifndef _WIN32
// ImageMagick, a decoder of its own, finds the frames the writer meant,
// composed as an animation shows them.
TEST(GifWriterTest, ImageMagickReadsTheFramesBack) {
    ScratchDirectory scratch;
    GifWriter gif(4, 2, GifPalette);
    gif.AddFrame({W, K, K, K, K, K, K, Y});
    gif.AddFrame({K, W, K, K, K, K, Y, K});
    gif.AddFrame({T, T, W, K, T, T, T, T}, T);
    std::string path = scratch.File("anim.gif"), raw = scratch.File("anim.rgb");
    ScratchDirectory::Write(path, gif.Bytes());
    ASSERT_EQ(0, std::system(("convert '" + path + "' -coalesce -depth 8 'rgb:" + raw + "'").c_str()));
    const Bytes k = {0, 0, 0}, w = {255, 255, 255}, y = {255, 255, 0};
    EXPECT_EQ(Concat({w, k, k, k, k, k, k, y, k, w, k, k, k, k, y, k, k, w, w, k, k, k, y, k}),
              ScratchDirectory::Read(raw));
}
#endif

TEST_F(ImageImportTest, PixelsAreLitByLuminanceAndOpacity) {
    TestPicture picture(10, 2, Black);
    const Rgba first[10] = {White, Black, Yellow, Grey127, Grey128, Red, Green, Blue, {255, 255, 255, 0},
                            {255, 255, 255, 127}};
    for (int x = 0; x < 10; ++x) picture.At(x, 0) = first[x];
    picture.At(1, 1) = {255, 255, 255, 128};
    picture.At(9, 1) = White;
    std::string png = Picture("known.png", picture);

    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", png, "-o", output}).status);
    // Animation, wait 1, one frame of 2 rows of 2 bytes and 10 columns, add-to-list 0.
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x02, 0x02, 0x0A, 0x00,
                     0xAA, 0x00, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00}),
              ScratchDirectory::Read(output));

    // Transparent pixels stay dark when inverted.
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", png, "-o", output, "--invert", "--mode", "scroll", "--wait", "9"}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x02, 0x09, 0x02, 0x00, 0x02, 0x02, 0x0A, 0x00,
                     0x55, 0x00, 0xBF, 0x80, 0x00, 0x00, 0x00, 0x00}),
              ScratchDirectory::Read(output));

    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", png, "--output=" + output, "--threshold=200", "--mode=onoff"}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x03, 0x01, 0x02, 0x00, 0x02, 0x02, 0x0A, 0x00,
                     0xA0, 0x00, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00}),
              ScratchDirectory::Read(output));

    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", png, "-o", output, "--threshold", "0", "--mode", "normal"}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x00, 0x01, 0x02, 0x00, 0x02, 0x02, 0x0A, 0x00,
                     0xFF, 0x00, 0xFF, 0xC0, 0x00, 0x00, 0x00, 0x00}),
              ScratchDirectory::Read(output));
}

TEST_F(ImageImportTest, EveryFrameOfAnAnimatedGifInOrder) {
    GifWriter gif(4, 2, GifPalette);
    gif.AddFrame({W, K, K, K, K, K, K, Y});
    gif.AddFrame({K, W, K, K, K, K, Y, K});
    // Transparent pixels show the frame before.
    gif.AddFrame({T, T, W, K, T, T, T, T}, T);
    CliOutcome imported = RunCliWith({"import", "--planes", "one", Gif("anim.gif", gif), "-o", output});
    EXPECT_EQ(0, imported.status) << imported.err;
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x04, 0x00, 0x02, 0x01, 0x04, 0x00,
                     0x80, 0x10, 0x40, 0x20, 0x60, 0x20, 0x00, 0x00}),
              ScratchDirectory::Read(output));
    EXPECT_NE(std::string::npos,
              imported.err.find("note: 3 frames: a dark frame is added after the last, as the display program shows frames in pairs"));
    // Two planes: each GIF frame a picture, cut into its left and right halves.
    imported = RunCliWith({"import", Gif("anim.gif", gif), "-o", output});
    EXPECT_EQ("", imported.err);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x06, 0x00, 0x02, 0x01, 0x02, 0x00, 0x80, 0x00, 0x00, 0x40,
                     0x40, 0x00, 0x00, 0x80, 0x40, 0x00, 0x80, 0x80}),
              ScratchDirectory::Read(output));
}

TEST_F(ImageImportTest, GifDisposalAndTransparencyOfTheFirstFrame) {
    // The first frame's transparent pixel has nothing behind it: dark, also
    // inverted. The second frame is undone after it is shown, so the third,
    // all transparent, shows the first again.
    GifWriter gif(2, 1, GifPalette);
    gif.AddFrame({W, T}, T);
    gif.AddFrame({K, W}, -1, GifWriter::ToPrevious);
    gif.AddFrame({T, T}, T);
    std::string path = Gif("dispose.gif", gif);
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x04, 0x00, 0x01, 0x01, 0x02, 0x00, 0x80, 0x40, 0x80, 0x00}),
              ScratchDirectory::Read(output));
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output, "--invert"}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x04, 0x00, 0x01, 0x01, 0x02, 0x00, 0x00, 0x80, 0x00, 0x00}),
              ScratchDirectory::Read(output));
}

TEST_F(ImageImportTest, PicturesOfEveryFormatBecomeFramesInTheOrderGiven) {
    GifWriter gif(16, 8, GifPalette);
    gif.AddFrame(GifBlocks(K, W));
    gif.AddFrame(GifBlocks(Y, Y));
    CliOutcome imported = RunCliWith({"import", "--planes", "one", Picture("a.png", Blocks(White, Black)), Gif("b.gif", gif),
                                      Picture("c.bmp", Blocks(Black, Black), PictureFormat::Bmp),
                                      Picture("d.jpg", Blocks(White, Black), PictureFormat::Jpeg), "-o", output,
                                      "--wait", "255"});
    ASSERT_EQ(0, imported.status) << imported.err;
    EXPECT_EQ(Concat({{0x4C, 0x45, 0x44, 0x31, 0x01, 0xFF, 0x06, 0x00, 0x08, 0x02, 0x10, 0x00},
                      Rows({0xFF, 0x00}, 8), Rows({0x00, 0xFF}, 8), Rows({0xFF, 0xFF}, 8), Rows({0x00, 0x00}, 8),
                      Rows({0xFF, 0x00}, 8), Rows({0x00, 0x00}, 8)}),
              ScratchDirectory::Read(output));
}

TEST_F(ImageImportTest, SizeLimitsAreTheEditors) {
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", Picture("max.png", TestPicture(255, 255, White)), "-o", output}).status);
    Bytes largest = ScratchDirectory::Read(output);
    ASSERT_EQ(12u + 2 * 255u * 32u, largest.size());
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0xFF, 0x20, 0xFF, 0x00}),
              Bytes(largest.begin(), largest.begin() + 12));
    // The spare low bit of each row stays clear.
    EXPECT_EQ(0xFE, largest[12 + 31]);
    std::remove(output.c_str());

    std::string kept = scratch.File("kept.led");
    ScratchDirectory::Write(kept, std::string("previous"));
    std::string wide = Picture("wide.png", TestPicture(256, 1, White));
    CliOutcome refused = RunCliWith({"import", "--planes", "one", wide, "-o", kept});
    EXPECT_EQ(1, refused.status);
    EXPECT_EQ("lumigrid-cli: '" + wide + "' is 256 x 1 pixels; a pattern holds at most 255 x 255\n", refused.err);
    EXPECT_EQ("previous", ScratchDirectory::ReadText(kept));
    ExpectRefused({"import", "--planes", "one", Picture("high.bmp", TestPicture(3, 256, White), PictureFormat::Bmp), "-o", output},
                  "is 3 x 256 pixels");

    std::string small = Picture("small.png", TestPicture(4, 2, White));
    std::string other = Picture("other.png", TestPicture(4, 3, White));
    ExpectRefused({"import", "--planes", "one", small, other, "-o", output},
                  "'" + other + "' is 4 x 3 pixels, but the frames before it are 4 x 2");
}

TEST_F(ImageImportTest, AtMost2048Frames) {
    GifWriter full(1, 1, GifPalette);
    for (int i = 0; i < 2048; ++i) full.AddFrame({static_cast<std::uint8_t>(i % 2 ? W : K)});
    std::string fullPath = Gif("full.gif", full);
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", fullPath, "-o", output}).status);
    Bytes pattern = ScratchDirectory::Read(output);
    ASSERT_EQ(12u + 2048u, pattern.size());
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x00, 0x08, 0x01, 0x01, 0x01, 0x00, 0x00, 0x80, 0x00}),
              Bytes(pattern.begin(), pattern.begin() + 15));
    EXPECT_EQ(0x80, pattern.back());
    std::remove(output.c_str());

    ExpectRefused({"import", "--planes", "one", fullPath, Picture("one.png", TestPicture(1, 1, White)), "-o", output},
                  "more than 2048 frames (the most a pattern holds)");
    full.AddFrame({W});
    ExpectRefused({"import", "--planes", "one", Gif("over.gif", full), "-o", output}, "more than 2048 frames");
}

TEST_F(ImageImportTest, ManyPicturesAndALongGifKeepEveryFrameInItsPlace) {
    // Frame i lights the one LED i % 27 of a 9 x 3 grid: 500 pictures, then a
    // GIF of 600 frames (more than the pictures given announce), then 500 more.
    auto lit = [](int frame) { return std::make_pair(frame % 27 % 9, frame % 27 / 9); };
    std::vector<std::string> args = {"import", "--planes", "one"};
    for (int i = 0; i < 500; ++i) {
        TestPicture picture(9, 3, Black);
        picture.At(lit(i).first, lit(i).second) = White;
        args.push_back(Picture("p" + std::to_string(i) + ".png", picture));
    }
    GifWriter gif(9, 3, GifPalette);
    for (int i = 500; i < 1100; ++i) {
        std::vector<std::uint8_t> indexes(27, K);
        indexes[lit(i).second * 9 + lit(i).first] = W;
        gif.AddFrame(indexes);
    }
    args.push_back(Gif("long.gif", gif));
    for (int i = 1100; i < 1600; ++i) {
        TestPicture picture(9, 3, Black);
        picture.At(lit(i).first, lit(i).second) = White;
        args.push_back(Picture("q" + std::to_string(i) + ".png", picture));
    }
    args.insert(args.end(), {"-o", output});
    CliOutcome imported = RunCliWith(args);
    ASSERT_EQ(0, imported.status) << imported.err;
    const Bytes pattern = ScratchDirectory::Read(output);
    ASSERT_EQ(12u + 1600u * 3 * 2, pattern.size());
    EXPECT_EQ(0x40, pattern[6]);   // 1600 frames, low byte first
    EXPECT_EQ(0x06, pattern[7]);
    for (int i = 0; i < 1600; ++i) {
        Bytes expected(6, 0);
        const int x = lit(i).first, y = lit(i).second;
        expected[y * 2 + x / 8] = static_cast<std::uint8_t>(0x80 >> (x % 8));
        ASSERT_EQ(expected, Bytes(pattern.begin() + 12 + i * 6, pattern.begin() + 12 + (i + 1) * 6)) << "frame " << i;
    }
}

TEST_F(ImageImportTest, DamagedAndForeignFilesAreRefusedWithoutOutput) {
    std::string text = scratch.File("notes.png");
    ScratchDirectory::Write(text, std::string("not a picture at all"));
    ExpectRefused({"import", "--planes", "one", text, "-o", output}, "cannot read '" + text + "': not a PNG, BMP, GIF or JPEG picture");
    std::string empty = scratch.File("empty.gif");
    ScratchDirectory::Write(empty, std::string());
    ExpectRefused({"import", "--planes", "one", empty, "-o", output}, "not a PNG, BMP, GIF or JPEG picture");
    ExpectRefused({"import", "--planes", "one", scratch.File("missing.png"), "-o", output}, "cannot open '");

    GifWriter gif(16, 8, GifPalette);
    gif.AddFrame(GifBlocks(W, K));
    const std::size_t oneFrame = gif.Bytes().size() - 1;
    gif.AddFrame(GifBlocks(K, W));
    const Bytes whole = gif.Bytes();
    std::string cut = scratch.File("cut.gif");
    ScratchDirectory::Write(cut, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(oneFrame + 30)));
    ExpectRefused({"import", "--planes", "one", cut, "-o", output}, "cannot read '" + cut + "': damaged after frame 1");
    // Without its end mark the last frame cannot be told from a cut one.
    ScratchDirectory::Write(cut, Bytes(whole.begin(), whole.end() - 1));
    ExpectRefused({"import", "--planes", "one", cut, "-o", output}, "damaged after frame 1 (the file ends inside a frame)");

    std::string png = Picture("good.png", TestPicture(8, 8, White));
    Bytes pngBytes = ScratchDirectory::Read(png);
    ScratchDirectory::Write(cut, Bytes(pngBytes.begin(), pngBytes.begin() + 40));
    ExpectRefused({"import", "--planes", "one", cut, "-o", output}, "not a PNG, BMP, GIF or JPEG picture, or damaged");

    CliOutcome nowhere = RunCliWith({"import", "--planes", "one", png, "-o", scratch.File("no/such/out.led")});
    EXPECT_EQ(1, nowhere.status);
    EXPECT_EQ(0u, nowhere.err.find("lumigrid-cli: cannot write '" + scratch.File("no/such/out.led") + "': "));
}

// The decoder of the packaged stb_image overruns its tables on these; the
// sanitizer trees would stop here if one reached it.
TEST_F(ImageImportTest, AJpegHuffmanTableOfMoreThan256SymbolsIsRefused) {
    std::string jpeg = Picture("p.jpg", Blocks(White, Black), PictureFormat::Jpeg);
    Bytes bytes = ScratchDirectory::Read(jpeg);
    const unsigned char dht[] = {0xFF, 0xC4};
    auto table = std::search(bytes.begin(), bytes.end(), dht, dht + 2);
    ASSERT_NE(bytes.end(), table);
    // Length, class and number, then 16 counts of 32 symbols each.
    std::fill(table + 5, table + 21, 0x20);
    ScratchDirectory::Write(jpeg, bytes);
    ExpectRefused({"import", "--planes", "one", jpeg, "-o", output}, "or damaged (bad Huffman table)");
}

// The packaged decoder would read the missing colours from memory it never
// wrote (valgrind shows it when the palette is not filled up).
TEST_F(ImageImportTest, ColoursMissingFromABmpPaletteAreBlack) {
    // 8 x 1 at 1 bit a pixel with one palette colour, white; the pixels use
    // colours 1, 0, 1, 0, 0, 0, 0, 0.
    const Bytes bmp = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 58, 0, 0, 0,
                       40, 0, 0, 0, 8, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 4, 0, 0, 0,
                       0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                       0xFF, 0xFF, 0xFF, 0x00,
                       0xA0, 0x00, 0x00, 0x00};
    std::string path = scratch.File("short.bmp");
    ScratchDirectory::Write(path, bmp);
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x01, 0x01, 0x08, 0x00, 0x5F, 0x00}),
              ScratchDirectory::Read(output));

    // A palette said to end before it begins.
    Bytes broken = bmp;
    broken[10] = 20;
    ScratchDirectory::Write(path, broken);
    std::remove(output.c_str());
    ExpectRefused({"import", "--planes", "one", path, "-o", output}, "or damaged (bad palette)");
}

// The packaged decoder takes colours the palette lacks from memory it never
// wrote; such a picture comes out differently each time and is refused.
TEST_F(ImageImportTest, APngThatUsesColoursItsPaletteLacksIsRefused) {
    std::string path = scratch.File("palette.png");
    ScratchDirectory::Write(path, PalettePng(3, 1, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00}, {0, 1, 0}));
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x01, 0x01, 0x03, 0x00, 0xA0, 0x00}),
              ScratchDirectory::Read(output));
    std::remove(output.c_str());

    ScratchDirectory::Write(path, PalettePng(3, 1, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00}, {0, 1, 7}));
    ExpectRefused({"import", "--planes", "one", path, "-o", output}, "or damaged (some pixels are not defined)");
}

TEST_F(ImageImportTest, UsageErrors) {
    std::string png = Picture("p.png", TestPicture(2, 2, White));
    const std::vector<std::vector<std::string>> wrong = {
        {"import"},
        {"import", "--planes", "one", png},
        {"import", "--planes", "one", "-o", output},
        {"import", "--planes", "one", png, "-o"},
        {"import", "--planes", "one", png, "-o", output, "--mode", "blink"},
        {"import", "--planes", "one", png, "-o", output, "--mode"},
        {"import", "--planes", "one", png, "-o", output, "--wait", "0"},
        {"import", "--planes", "one", png, "-o", output, "--wait", "256"},
        {"import", "--planes", "one", png, "-o", output, "--wait", "x"},
        {"import", "--planes", "one", png, "-o", output, "--threshold", "256"},
        {"import", "--planes", "one", png, "-o", output, "--threshold", "-1"},
        {"import", "--planes", "one", png, "-o", output, "--negate"},
        // Fitting: sizes, names, a fit or place without a size, crops, a threshold while dithering.
        {"import", "--planes", "one", png, "-o", output, "--size", "0x16"},
        {"import", "--planes", "one", png, "-o", output, "--size", "256x1"},
        {"import", "--planes", "one", png, "-o", output, "--size", "16"},
        {"import", "--planes", "one", png, "-o", output, "--size", "16x16", "--fit", "zoom"},
        {"import", "--planes", "one", png, "-o", output, "--size", "16x16", "--align", "middle"},
        {"import", "--planes", "one", png, "-o", output, "--fit", "cover"},
        {"import", "--planes", "one", png, "-o", output, "--align", "top"},
        {"import", "--planes", "one", png, "-o", output, "--crop", "1,2,3"},
        {"import", "--planes", "one", png, "-o", output, "--crop", "0,0,0,1"},
        {"import", "--planes", "one", png, "-o", output, "--crop", "-1,0,1,1"},
        {"import", "--planes", "one", png, "-o", output, "--dither", "fs"},
        {"import", "--planes", "one", png, "-o", output, "--dither", "ordered", "--threshold", "100"},
    };
    for (const auto& args : wrong) {
        CliOutcome outcome = RunCliWith(args);
        EXPECT_EQ(2, outcome.status) << ShownArguments(args);
        EXPECT_EQ(0u, outcome.err.find("lumigrid-cli: import: ")) << outcome.err;
        EXPECT_EQ(1, std::count(outcome.err.begin(), outcome.err.end(), '\n')) << outcome.err;
    }
    EXPECT_FALSE(ScratchDirectory::Exists(output));
}

TEST_F(ImageImportTest, AGifWithFramesOfMixedSizesAndAPictureOfAnotherSizeFittedTo32x16) {
    // 64 x 32: the left half white, then a 16 x 16 frame lighting the bottom
    // right corner; then an 8 x 8 picture, black on the left.
    GifWriter gif(64, 32, GifPalette);
    std::vector<std::uint8_t> halves;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) halves.push_back(x < 32 ? W : K);
    gif.AddFrame(halves);
    gif.AddFrameAt(48, 16, 16, 16, std::vector<std::uint8_t>(256, W));
    TestPicture small(8, 8, White);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x) small.At(x, y) = Black;
    CliOutcome imported = RunCliWith(
        {"import", "--planes", "one", Gif("mixed.gif", gif), Picture("small.png", small), "-o", output, "--size", "32x16"});
    ASSERT_EQ(0, imported.status) << imported.err;
    // Halved; the picture doubled to 16 x 16 in the middle, dark bands beside it;
    // then the dark frame that pairs the odd third.
    EXPECT_EQ(Concat({{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x04, 0x00, 0x10, 0x04, 0x20, 0x00},
                      Rows({0xFF, 0xFF, 0x00, 0x00}, 16), Rows({0xFF, 0xFF, 0x00, 0x00}, 8),
                      Rows({0xFF, 0xFF, 0x00, 0xFF}, 8), Rows({0x00, 0x00, 0xFF, 0x00}, 16),
                      Rows({0x00, 0x00, 0x00, 0x00}, 16)}),
              ScratchDirectory::Read(output));
}

TEST_F(ImageImportTest, CropFitAlignAndDitherFromTheCommandLine) {
    // 300 x 200, more than a pattern holds: white with a black square at the top left.
    TestPicture large(300, 200, White);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) large.At(x, y) = Black;
    const std::string path = Picture("large.png", large);
    // The black square alone, in 8 x 4 at the right: no LED lit. Each single
    // picture is paired with a dark frame.
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output, "--crop", "0,0,100,100", "--size", "8x4", "--fit",
                             "contain", "--align", "right"})
                     .status);
    EXPECT_EQ(Concat({{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x04, 0x01, 0x08, 0x00}, Rows({0x00}, 4), Rows({0x00}, 4)}),
              ScratchDirectory::Read(output));
    // Inverted, the 4 x 4 square lights at the right; the bands stay dark.
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output, "--crop", "0,0,100,100", "--size", "8x4", "--align",
                             "right", "--invert"})
                     .status);
    EXPECT_EQ(Concat({{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x04, 0x01, 0x08, 0x00}, Rows({0x0F}, 4), Rows({0x00}, 4)}),
              ScratchDirectory::Read(output));
    // Covering 2 x 2 takes the left or the right 200 x 200, one LED for each 100 x 100.
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output, "--size", "2x2", "--fit", "cover", "--align", "top-left",
                             "--dither", "ordered"})
                     .status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x02, 0x01, 0x02, 0x00, 0x40, 0xC0, 0x00, 0x00}),
              ScratchDirectory::Read(output));
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output, "--size=2x2", "--fit=cover", "--align=right"}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x02, 0x01, 0x02, 0x00, 0xC0, 0xC0, 0x00, 0x00}),
              ScratchDirectory::Read(output));
    // A crop without a size gives the crop's size, and must lie inside.
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", path, "-o", output, "--crop", "98,0,4,1"}).status);
    EXPECT_EQ((Bytes{0x4C, 0x45, 0x44, 0x31, 0x01, 0x01, 0x02, 0x00, 0x01, 0x01, 0x04, 0x00, 0x30, 0x00}),
              ScratchDirectory::Read(output));
    std::remove(output.c_str());
    ExpectRefused({"import", "--planes", "one", path, "-o", output, "--crop", "250,0,51,10"},
                  "the crop does not lie inside '" + path + "' (300 x 200 pixels)");
    ExpectRefused({"import", "--planes", "one", path, "-o", output, "--crop", "0,0,256,10"},
                  "'" + path + "' is 256 x 10 pixels as cropped; a pattern holds at most 255 x 255");
}

TEST_F(ImageImportTest, TheDecodersReasonsInWords) {
    std::string jpeg = Picture("cut.jpg", Blocks(White, Black), PictureFormat::Jpeg);
    Bytes bytes = ScratchDirectory::Read(jpeg);
    bytes.resize(200);
    ScratchDirectory::Write(jpeg, bytes);
    ExpectRefused({"import", "--planes", "one", jpeg, "-o", output}, "or damaged (");
    CliOutcome outcome = RunCliWith({"import", "--planes", "one", jpeg, "-o", output});
    EXPECT_EQ(std::string::npos, outcome.err.find("expected marker")) << outcome.err;
    EXPECT_EQ(std::string::npos, outcome.err.find("outofdata")) << outcome.err;
}

TEST_F(ImageImportTest, FromAGifToAHexFileInThreeCommands) {
    GifWriter gif(4, 2, GifPalette);
    gif.AddFrame({W, K, K, K, K, K, K, Y});
    gif.AddFrame({K, W, K, K, K, K, Y, K});
    std::string list = scratch.File("show.ll"), hex = scratch.File("show.hex");
    ASSERT_EQ(0, RunCliWith({"import", "--planes", "one", Gif("anim.gif", gif), "-o", output}).status);
    ASSERT_EQ(0, RunCliWith({"list", "add", list, output}).status);
    ASSERT_EQ(0, RunCliWith({"build", list, "-o", hex}).status);
    // F0 00, a picture item 10 00 and the two frames column by column with
    // 1 for dark (7E, DB), then 00 00.
    EXPECT_EQ(":08000000F00010007EDB00009F\r\n:00000001FF\r\n", ScratchDirectory::ReadText(hex));
}

}  // namespace

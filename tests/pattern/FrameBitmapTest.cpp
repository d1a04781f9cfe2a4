#include "pattern/program/FrameBitmap.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

typedef std::vector<std::uint8_t> Bytes;

const struct {
    std::uint8_t columns, rows;
} Sizes[] = {{1, 1}, {5, 7}, {8, 8}, {9, 17}, {16, 16}, {255, 255}, {7, 1}, {1, 9}, {64, 3}, {3, 64},
             {16, 33}, {40, 24}, {255, 16}, {13, 48}};

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool LitInRows(const Bytes& rows, unsigned columns, unsigned x, unsigned y) {
    return rows[y * ((columns + 7) / 8) + x / 8] & (0x80 >> (x & 7));
}

Bytes RandomRows(std::mt19937& random, unsigned columns, unsigned rows) {
    Bytes frame(((columns + 7) / 8) * rows);
    for (std::uint8_t& byte : frame) byte = static_cast<std::uint8_t>(random());
    return frame;
}

// The bitmap as the builder has always described it: pixel by pixel, column
// by column from the left, each from the top, 1 = not lit.
Bytes PixelByPixel(const Bytes& frame, unsigned columns, unsigned rows) {
    Bytes bitmap;
    unsigned bit = 0;
    for (unsigned x = 0; x < columns; ++x)
        for (unsigned y = 0; y < rows; ++y, ++bit) {
            if (bit % 8 == 0) bitmap.push_back(0);
            if (!LitInRows(frame, columns, x, y)) bitmap.back() |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
        }
    return bitmap;
}

TEST(FrameBitmapTest, BlocksGiveThePixelByPixelBitmapAtEverySize) {
    std::mt19937 random(21);
    for (const auto& size : Sizes) {
        for (int round = 0; round < 3; ++round) {
            Bytes frame = RandomRows(random, size.columns, size.rows);
            if (round == 1) frame.assign(frame.size(), 0xFF);   // all lit, row padding set too
            const Bytes expected = PixelByPixel(frame, size.columns, size.rows);
            Bytes bitmap(MaxFrameProgramBytes + 8, 0xAA);
            ASSERT_EQ(expected.size(), WriteFrameBitmap(frame.data(), size.columns, size.rows, bitmap.data()));
            EXPECT_EQ(expected, Bytes(bitmap.begin(), bitmap.begin() + expected.size()))
                << int(size.columns) << " x " << int(size.rows);
            EXPECT_EQ(0xAA, bitmap[expected.size()]) << "wrote past the bitmap";
            EXPECT_TRUE(BitmapPaddingIsClear(bitmap.data(), size.columns, size.rows));
        }
        // No frame: all unlit.
        Bytes blank(FrameProgramBytes(size.columns, size.rows));
        WriteFrameBitmap(nullptr, size.columns, size.rows, blank.data());
        EXPECT_EQ(PixelByPixel(Bytes(((size.columns + 7) / 8) * size.rows, 0), size.columns, size.rows), blank);
    }
}

// The vector path against the portable one for frames of these sizes,
// three at a time, in a block of exactly their bytes (so that the address
// sanitizer sees any read past the last row).
void ExpectBothPathsAgree(std::mt19937& random, unsigned columns, unsigned rows) {
    const FrameBitmapWriter fastest(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
    const FrameBitmapWriter portable(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows),
                                     FrameBitmapWriter::Method::Portable);
    const std::size_t count = 3, length = count * fastest.BitmapBytes();
    Bytes frames(count * fastest.FrameBytes());
    for (std::uint8_t& byte : frames) byte = static_cast<std::uint8_t>(random());
    Bytes expected(length + 16, 0xAA), got(length + 16, 0x55);
    ASSERT_EQ(length, portable.Write(frames.data(), count, expected.data()));
    ASSERT_EQ(length, fastest.Write(frames.data(), count, got.data()));
    ASSERT_EQ(Bytes(expected.begin(), expected.begin() + length), Bytes(got.begin(), got.begin() + length))
        << columns << " x " << rows;
    ASSERT_EQ(Bytes(16, 0x55), Bytes(got.begin() + length, got.end())) << "wrote past the bitmaps";
    ASSERT_EQ(PixelByPixel(Bytes(frames.end() - fastest.FrameBytes(), frames.end()), columns, rows),
              Bytes(got.begin() + length - fastest.BitmapBytes(), got.begin() + length));
}

TEST(FrameBitmapTest, TheVectorPathGivesThePortableBytesAtEverySize) {
    std::mt19937 random(5);
    // Every height at widths of one, two, eight and many row bytes; every
    // width at heights around whole bytes and blocks of sixteen rows.
    for (unsigned columns : {1u, 7u, 9u, 16u, 57u, 64u, 65u, 128u, 255u})
        for (unsigned rows = 1; rows <= 255; ++rows) ExpectBothPathsAgree(random, columns, rows);
    for (unsigned rows : {1u, 7u, 8u, 15u, 16u, 17u, 24u, 32u, 48u, 100u, 255u})
        for (unsigned columns = 1; columns <= 255; ++columns) ExpectBothPathsAgree(random, columns, rows);
    for (int round = 0; round < 300; ++round)
        ExpectBothPathsAgree(random, 1 + random() % 255, 1 + random() % 255);
}

TEST(FrameBitmapTest, NoFramesAreBlankBitmapsOneAfterAnother) {
    const FrameBitmapWriter writer(13, 5);
    Bytes bitmaps(3 * writer.BitmapBytes());
    ASSERT_EQ(bitmaps.size(), writer.Write(nullptr, 3, bitmaps.data()));
    const Bytes blank = PixelByPixel(Bytes(writer.FrameBytes(), 0), 13, 5);
    EXPECT_EQ(Join({blank, blank, blank}), bitmaps);
}

TEST(FrameBitmapTest, ReadingABitmapGivesTheRowsBackWithClearPadding) {
    std::mt19937 random(17);
    for (const auto& size : Sizes) {
        const Bytes frame = RandomRows(random, size.columns, size.rows);
        Bytes bitmap(FrameProgramBytes(size.columns, size.rows));
        WriteFrameBitmap(frame.data(), size.columns, size.rows, bitmap.data());
        Bytes back(frame.size(), 0x55);
        ReadFrameBitmap(bitmap.data(), size.columns, size.rows, back.data());
        for (unsigned y = 0; y < size.rows; ++y)
            for (unsigned x = 0; x < ((size.columns + 7u) & ~7u); ++x)
                ASSERT_EQ(x < size.columns && LitInRows(frame, size.columns, x, y), LitInRows(back, size.columns, x, y))
                    << int(size.columns) << " x " << int(size.rows) << " at " << x << ", " << y;
        // Padding after the last pixel is no pixel.
        const unsigned tail = (size.columns * size.rows) % 8;
        if (tail) {
            bitmap.back() |= 1;
            EXPECT_FALSE(BitmapPaddingIsClear(bitmap.data(), size.columns, size.rows));
            Bytes again(frame.size());
            ReadFrameBitmap(bitmap.data(), size.columns, size.rows, again.data());
            EXPECT_EQ(back, again);
        }
    }
}

}  // namespace

// BMP files stored top row first and run-length encoded, against the same
// pictures as PNG.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture/ImageCodec.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScratchDirectory.h"

namespace {

typedef std::vector<unsigned char> Bytes;

void Little(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A BMP with a 40-byte header, the palette (blue, green, red, 0 each) and the
// run-length data given.
Bytes RunLengthBmp(int width, int height, int bits, const Bytes& palette, const Bytes& data) {
    Bytes bmp = {'B', 'M'};
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
    Little(bmp, offset + static_cast<std::uint32_t>(data.size()), 4);
    Little(bmp, 0, 4);
    Little(bmp, offset, 4);
    Little(bmp, 40, 4);
    Little(bmp, static_cast<std::uint32_t>(width), 4);
    Little(bmp, static_cast<std::uint32_t>(height), 4);
    Little(bmp, 1, 2);
    Little(bmp, static_cast<std::uint32_t>(bits), 2);
    Little(bmp, bits == 8 ? 1 : 2, 4);
    Little(bmp, static_cast<std::uint32_t>(data.size()), 4);
    Little(bmp, 2835, 4);
    Little(bmp, 2835, 4);
    Little(bmp, static_cast<std::uint32_t>(palette.size() / 4), 4);
    Little(bmp, 0, 4);
    bmp.insert(bmp.end(), palette.begin(), palette.end());
    bmp.insert(bmp.end(), data.begin(), data.end());
    return bmp;
}

// Black, white, red, green.
const Bytes Palette = {0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0};
const Rgba K = {0, 0, 0, 255}, W = {255, 255, 255, 255}, R = {255, 0, 0, 255}, G = {0, 255, 0, 255},
           Clear = {0, 0, 0, 0};

struct Decoded {
    ImageDecodeStatus status;
    std::string reason;
    Bytes rgba;
};

Decoded Decode(const Bytes& file) {
    Decoded decoded;
    ImageDecodeResult result = DecodeImage(file.data(), file.size(), 255, [&](const std::uint8_t* rgba, int w, int h) {
        decoded.rgba.assign(rgba, rgba + static_cast<std::size_t>(w) * h * 4);
        return true;
    });
    decoded.status = result.status;
    decoded.reason = result.reason;
    return decoded;
}

Bytes AsPng(const TestPicture& picture) {
    ScratchDirectory scratch;
    const std::string path = scratch.File("same.png");
    WritePicture(path, picture, PictureFormat::Png);
    return Decode(ScratchDirectory::Read(path)).rgba;
}

TEST(BmpKindsTest, ATopDownBmpIsThePictureTheSameWayUp) {
    TestPicture picture(5, 3, K);
    picture.At(0, 0) = W;
    picture.At(4, 0) = R;
    picture.At(2, 2) = G;
    ScratchDirectory scratch;
    const std::string path = scratch.File("bottom-up.bmp");
    WritePicture(path, picture, PictureFormat::Bmp);
    Bytes bmp = ScratchDirectory::Read(path);
    // The same file with its rows in the other order and a negative height.
    const std::uint32_t offset = bmp[10] | bmp[11] << 8;
    const std::size_t stride = (5 * (bmp[28] / 8u) + 3) & ~3u;
    Bytes topDown(bmp.begin(), bmp.begin() + offset);
    for (int row = 2; row >= 0; --row)
        topDown.insert(topDown.end(), bmp.begin() + offset + row * stride, bmp.begin() + offset + (row + 1) * stride);
    topDown[22] = 0xFD;
    topDown[23] = topDown[24] = topDown[25] = 0xFF;
    const Decoded decoded = Decode(topDown);
    ASSERT_EQ(ImageDecodeStatus::Decoded, decoded.status) << decoded.reason;
    EXPECT_EQ(AsPng(picture), decoded.rgba);
}

TEST(BmpKindsTest, RunLengthBmpsOfEightAndFourBits) {
    // Stored bottom row first: a pixel, a move of two to the right, a pixel,
    // line end; three literal indexes padded to a word, a run of three, line
    // end; a run of six and the end of the picture.
    const Bytes rle8 = RunLengthBmp(6, 3, 8, Palette,
                                    {1, 0, 0, 2, 2, 0, 1, 1, 0, 0, 0, 3, 2, 3, 2, 0, 3, 0, 0, 0, 6, 1, 0, 1});
    TestPicture picture(6, 3, Clear);
    const Rgba rows[3][6] = {{W, W, W, W, W, W}, {R, G, R, K, K, K}, {K, Clear, Clear, W, Clear, Clear}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) picture.At(x, y) = rows[y][x];
    Decoded decoded = Decode(rle8);
    ASSERT_EQ(ImageDecodeStatus::Decoded, decoded.status) << decoded.reason;
    EXPECT_EQ(AsPng(picture), decoded.rgba);

    // Four bits: a run of five alternating 1 and 2, three literal nibbles 1, 2, 3.
    decoded = Decode(RunLengthBmp(8, 1, 4, Palette, {5, 0x12, 0, 3, 0x12, 0x30, 0, 1}));
    ASSERT_EQ(ImageDecodeStatus::Decoded, decoded.status) << decoded.reason;
    TestPicture row(8, 1, W);
    row.At(1, 0) = row.At(3, 0) = row.At(6, 0) = R;
    row.At(7, 0) = G;
    EXPECT_EQ(AsPng(row), decoded.rgba);

    // Cut off before its last row.
    decoded = Decode(RunLengthBmp(6, 3, 8, Palette, {6, 1, 0, 0}));
    EXPECT_EQ(ImageDecodeStatus::NotAnImage, decoded.status);
    EXPECT_EQ("the file ends before the last row", decoded.reason);
}

}  // namespace

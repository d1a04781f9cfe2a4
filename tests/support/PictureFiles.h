// Picture files for tests, written with stb's writers (compiled for the tests
// alone in PictureFiles.cpp) and read with the decoder lumigrid-cli uses.
#ifndef LUMIGRID_TESTS_PICTUREFILES_H
#define LUMIGRID_TESTS_PICTUREFILES_H

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"
#include <stb_image.h>

struct Rgba {
    std::uint8_t red, green, blue, alpha;
};

// A picture of 4-byte pixels, row-major from the top.
struct TestPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    TestPicture() = default;
    TestPicture(int width, int height, Rgba fill)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height, fill) {}
    Rgba& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

enum class PictureFormat { Png, Bmp, Jpeg };

void WritePicture(const std::string& path, const TestPicture& picture, PictureFormat format);

// A PNG of palette indexes (8 bits each) with the palette given, its image
// data stored without compression. No packaged writer makes a palette that
// lacks colours its pixels use, which damaged files do.
inline std::vector<unsigned char> PalettePng(std::uint32_t width, std::uint32_t height,
                                             const std::vector<unsigned char>& paletteRgb,
                                             const std::vector<unsigned char>& indexes) {
    auto crc32 = [](const unsigned char* data, std::size_t size) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (std::size_t i = 0; i < size; ++i) {
            crc ^= data[i];
            for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return crc ^ 0xFFFFFFFFu;
    };
    auto big = [](std::vector<unsigned char>& out, std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
    };
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    auto chunk = [&](const char* type, const std::vector<unsigned char>& data) {
        big(png, static_cast<std::uint32_t>(data.size()));
        std::vector<unsigned char> typed(type, type + 4);
        typed.insert(typed.end(), data.begin(), data.end());
        png.insert(png.end(), typed.begin(), typed.end());
        big(png, crc32(typed.data(), typed.size()));
    };
    std::vector<unsigned char> header;
    big(header, width);
    big(header, height);
    header.insert(header.end(), {8, 3, 0, 0, 0});
    chunk("IHDR", header);
    chunk("PLTE", paletteRgb);
    std::vector<unsigned char> raw;
    for (std::uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);   // no filter
        raw.insert(raw.end(), indexes.begin() + y * width, indexes.begin() + (y + 1) * width);
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    const std::uint16_t length = static_cast<std::uint16_t>(raw.size());
    std::vector<unsigned char> zlib = {0x78, 0x01, 0x01, static_cast<unsigned char>(length & 0xFF),
                                       static_cast<unsigned char>(length >> 8),
                                       static_cast<unsigned char>(~length & 0xFF),
                                       static_cast<unsigned char>((~length >> 8) & 0xFF)};
    zlib.insert(zlib.end(), raw.begin(), raw.end());
    big(zlib, b << 16 | a);
    chunk("IDAT", zlib);
    chunk("IEND", {});
    return png;
}

// The picture in a PNG file; no pixels when it is not one.
inline TestPicture ReadPicture(const std::string& path) {
    std::vector<unsigned char> bytes = ScratchDirectory::Read(path);
    TestPicture picture;
    int components = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &picture.width,
                                            &picture.height, &components, 4);
    if (!pixels) return TestPicture();
    const Rgba* from = reinterpret_cast<const Rgba*>(pixels);
    picture.pixels.assign(from, from + static_cast<std::size_t>(picture.width) * picture.height);
    stbi_image_free(pixels);
    return picture;
}

inline bool operator==(const Rgba& a, const Rgba& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

#endif

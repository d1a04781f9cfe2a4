// Picture files for tests, written and read with the stb libraries that
// lumigrid-cli is built with (their code is compiled into it once).
#ifndef LUMIGRID_TESTS_PICTUREFILES_H
#define LUMIGRID_TESTS_PICTUREFILES_H

#include <cstdint>
#include <string>
#include <vector>

#include "ScratchDirectory.h"
#include "stb_image.h"
#include "stb_image_write.h"

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

inline void AppendToVector(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    bytes->insert(bytes->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
}

inline void WritePicture(const std::string& path, const TestPicture& picture, PictureFormat format) {
    std::vector<unsigned char> bytes;
    const void* pixels = picture.pixels.data();
    switch (format) {
    case PictureFormat::Png:
        stbi_write_png_to_func(AppendToVector, &bytes, picture.width, picture.height, 4, pixels, picture.width * 4);
        break;
    case PictureFormat::Bmp:
        stbi_write_bmp_to_func(AppendToVector, &bytes, picture.width, picture.height, 4, pixels);
        break;
    case PictureFormat::Jpeg:
        stbi_write_jpg_to_func(AppendToVector, &bytes, picture.width, picture.height, 4, pixels, 95);
        break;
    }
    ScratchDirectory::Write(path, bytes);
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

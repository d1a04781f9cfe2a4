#include "tests/support/PictureFiles.h"

// The tests' own copy of the writers, private to this file: the JPEG writer
// is needed for test pictures only, and lumigrid-cli carries just the PNG one
// it uses.
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

void AppendToVector(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    bytes->insert(bytes->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
}

}  // namespace

void WritePicture(const std::string& path, const TestPicture& picture, PictureFormat format) {
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

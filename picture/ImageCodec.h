// ImageCodec: pictures in and out, through the stb image libraries (Debian
// libstb-dev, header-only). ImageCodec.cpp is the one file that compiles
// their implementation; nothing else includes them for decoding.
//
// Decoding reads PNG, BMP (also stored top row first, and run-length encoded:
// BmpKinds), GIF and JPEG from memory. The size is read from the header first
// and a picture larger than the caller allows is refused before anything is
// decoded, so a hostile file cannot make it allocate more
// than a few frames of the allowed size. The frames of an animated GIF are
// handed out one by one, each as it stands after the frames before it (the
// canvas the GIF describes), so the caller can stop early and no more than
// three frames are held at once.
#ifndef LUMIGRID_PICTURE_IMAGECODEC_H
#define LUMIGRID_PICTURE_IMAGECODEC_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class ImageDecodeStatus {
    Decoded,
    NotAnImage,     // no known format, or damaged before its first picture
    Damaged,        // a GIF that breaks off or goes wrong after some frames
    TooLarge,       // wider or higher than allowed (size in the result when known)
    NoPixels,       // zero width or height
    Stopped,        // the frame sink asked to stop
    OutOfMemory,
};

struct ImageDecodeResult {
    ImageDecodeStatus status;
    int width;           // 0 when not known
    int height;
    unsigned frames;     // frames handed to the sink
    std::string reason;  // why, in a few words (may be empty), for NotAnImage and Damaged
};

// Receives one frame: width x height pixels of 4 bytes (red, green, blue,
// alpha), row-major from the top. Returns false to stop decoding.
typedef std::function<bool(const std::uint8_t* rgba, int width, int height)> ImageFrameSink;

// Bytes are read only below size; at most MaxImageBytes of them. Pictures
// wider or higher than maxSide, or of more than MaxImagePixels, are TooLarge.
ImageDecodeResult DecodeImage(const std::uint8_t* bytes, std::size_t size, int maxSide, const ImageFrameSink& frame);

// The largest pictures DecodeImage reads at all: the decoder's own bound on a
// side, and 16 million pixels (4096 x 4096), so that a hostile GIF, whose
// last frames are kept, cannot ask for more than a few hundred MiB.
constexpr int MaxImageSide = 16384;
#ifdef LUMIGRID_FUZZ_IMAGE_PIXELS
// The fuzz tree's readers take small pictures only: their faults show at any
// size, and one picture of millions of pixels costs the search as much time
// as thousands of small ones.
constexpr long long MaxImagePixels = LUMIGRID_FUZZ_IMAGE_PIXELS;
#else
constexpr long long MaxImagePixels = 16ll * 1024 * 1024;
#endif

// The most bytes DecodeImage takes: it indexes its input with int.
constexpr std::size_t MaxImageBytes = 256u * 1024 * 1024;

// PNG file bytes of an RGB picture (3 bytes a pixel, row-major from the top).
// Empty when it cannot be encoded (no memory, or a size of 0).
std::vector<std::uint8_t> EncodePng(const std::uint8_t* rgb, int width, int height);

#endif

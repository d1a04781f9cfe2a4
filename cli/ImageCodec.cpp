#include "ImageCodec.h"

#include <cstring>
#include <memory>
#include <new>

// Only the four formats the import offers: every other decoder is code a
// hostile file could reach for nothing. Files come through CFile, so the
// libraries' own file functions are left out.
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
// The header check refuses anything above 255 x 255 anyway; this bound only
// keeps a decoder that met a header it disagrees with from sizing buffers of
// gigabytes.
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

namespace {

const char TooLargeReason[] = "too large";

ImageDecodeResult Outcome(ImageDecodeStatus status, int width = 0, int height = 0, unsigned frames = 0) {
    const char* reason = status == ImageDecodeStatus::NotAnImage || status == ImageDecodeStatus::Damaged
                             ? stbi_failure_reason()
                             : nullptr;
    return ImageDecodeResult{status, width, height, frames, reason ? reason : ""};
}

// The GIF reader's state and the two canvases before the current one: a
// frame whose disposal says "restore to previous" goes back to the canvas of
// the frame before it. The library's own all-frames call keeps every frame in
// memory at once, so a small file of many tiny frames could ask for gigabytes;
// here only the frames still needed are kept.
class GifFrames {
public:
    GifFrames(const std::uint8_t* bytes, std::size_t size) : gif_(new (std::nothrow) stbi__gif) {
        if (gif_) std::memset(gif_.get(), 0, sizeof *gif_);
        stbi__start_mem(&context_, bytes, static_cast<int>(size));
    }
    ~GifFrames() {
        if (!gif_) return;
        STBI_FREE(gif_->out);
        STBI_FREE(gif_->history);
        STBI_FREE(gif_->background);
    }
    GifFrames(const GifFrames&) = delete;
    GifFrames& operator=(const GifFrames&) = delete;

    ImageDecodeResult Decode(int width, int height, const ImageFrameSink& sink) {
        if (!gif_) return Outcome(ImageDecodeStatus::OutOfMemory);
        const std::size_t canvasBytes = static_cast<std::size_t>(width) * height * 4;
        unsigned frames = 0;
        for (;;) {
            int components = 0;
            stbi_uc* twoBack = frames >= 2 ? beforePrevious_.data() : nullptr;
            stbi_uc* canvas = stbi__gif_load_next(&context_, gif_.get(), &components, 4, twoBack);
            // The reader returns its context to say the stream has ended.
            if (canvas == reinterpret_cast<stbi_uc*>(&context_)) break;
            const ImageDecodeStatus failed = frames == 0 ? ImageDecodeStatus::NotAnImage : ImageDecodeStatus::Damaged;
            if (!canvas) return Outcome(failed, width, height, frames);
            // A reader that runs out of bytes reads zeros, which end a frame
            // early without complaint: a frame that reaches the end of the
            // file, where at least the end mark should follow, is cut off.
            if (context_.img_buffer >= context_.img_buffer_end) {
                stbi__g_failure_reason = "the file ends inside a frame";
                return Outcome(failed, width, height, frames);
            }
            if (gif_->w != width || gif_->h != height) {
                stbi__g_failure_reason = "frame size differs from the header";
                return Outcome(failed, width, height, frames);
            }
            ++frames;
            if (!sink(canvas, width, height)) return Outcome(ImageDecodeStatus::Stopped, width, height, frames);
            try {
                beforePrevious_.swap(previous_);
                previous_.assign(canvas, canvas + canvasBytes);
            } catch (const std::bad_alloc&) {
                return Outcome(ImageDecodeStatus::OutOfMemory, width, height, frames);
            }
        }
        if (frames == 0) {
            stbi__g_failure_reason = "no frames";
            return Outcome(ImageDecodeStatus::NotAnImage, width, height);
        }
        return Outcome(ImageDecodeStatus::Decoded, width, height, frames);
    }

    bool IsGif() { return stbi__gif_test(&context_) != 0; }

private:
    stbi__context context_;
    std::unique_ptr<stbi__gif> gif_;
    std::vector<stbi_uc> previous_;
    std::vector<stbi_uc> beforePrevious_;
};

void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* from = static_cast<const std::uint8_t*>(data);
    try {
        out->insert(out->end(), from, from + size);
    } catch (const std::bad_alloc&) {
        // Marked by a size that no whole PNG has; EncodePng turns it into a failure.
        out->clear();
        out->shrink_to_fit();
        out->push_back(0);
    }
}

}  // namespace

ImageDecodeResult DecodeImage(const std::uint8_t* bytes, std::size_t size, int maxSide, const ImageFrameSink& frame) {
    if (!bytes || size == 0 || size > MaxImageBytes) {
        stbi__g_failure_reason = size == 0 ? "empty file" : "file too large";
        return Outcome(ImageDecodeStatus::NotAnImage);
    }
    const int length = static_cast<int>(size);
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(bytes, length, &width, &height, &components)) {
        const char* reason = stbi_failure_reason();
        if (reason && std::strcmp(reason, TooLargeReason) == 0) return Outcome(ImageDecodeStatus::TooLarge);
        return Outcome(ImageDecodeStatus::NotAnImage);
    }
    if (width <= 0 || height <= 0) return Outcome(ImageDecodeStatus::NoPixels, width, height);
    if (width > maxSide || height > maxSide) return Outcome(ImageDecodeStatus::TooLarge, width, height);

    GifFrames gif(bytes, size);
    if (gif.IsGif()) return gif.Decode(width, height, frame);

    int decodedWidth = 0, decodedHeight = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes, length, &decodedWidth, &decodedHeight, &components, 4), stbi_image_free);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        if (reason && std::strcmp(reason, "outofmem") == 0) return Outcome(ImageDecodeStatus::OutOfMemory);
        return Outcome(ImageDecodeStatus::NotAnImage, width, height);
    }
    if (decodedWidth != width || decodedHeight != height) {
        stbi__g_failure_reason = "picture size differs from the header";
        return Outcome(ImageDecodeStatus::NotAnImage, width, height);
    }
    if (!frame(pixels.get(), width, height)) return Outcome(ImageDecodeStatus::Stopped, width, height, 1);
    return Outcome(ImageDecodeStatus::Decoded, width, height, 1);
}

std::vector<std::uint8_t> EncodePng(const std::uint8_t* rgb, int width, int height) {
    std::vector<std::uint8_t> png;
    if (!rgb || width <= 0 || height <= 0) return png;
    const int ok = stbi_write_png_to_func(AppendBytes, &png, width, height, 3, rgb, width * 3);
    // The smallest PNG is far longer than the one byte that marks a failed append.
    if (!ok || png.size() < 8) return std::vector<std::uint8_t>();
    return png;
}

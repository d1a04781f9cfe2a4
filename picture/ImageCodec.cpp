#include "picture/ImageCodec.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "picture/BmpKinds.h"
#include "picture/DecoderReasons.h"

// Only the four formats the import offers: every other decoder is code a
// hostile file could reach for nothing. Files come through CFile, so the
// libraries' own file functions are left out.
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
// Zeroed memory: on some damaged JPEG files the decoder hands back pixels it
// never wrote, which would otherwise be whatever the heap held before.
#define STBI_MALLOC(size) std::calloc(1, size)
#define STBI_REALLOC(pointer, size) std::realloc(pointer, size)
#define STBI_FREE(pointer) std::free(pointer)
// The header check refuses anything above the caller's bound anyway; this
// bound only keeps a decoder that met a header it disagrees with from sizing
// buffers of gigabytes.
#define STBI_MAX_DIMENSIONS MaxImageSide
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

const char TooLargeReason[] = "too large";

ImageDecodeResult Outcome(ImageDecodeStatus status, int width = 0, int height = 0, unsigned frames = 0,
                          const std::string& reason = std::string()) {
    return ImageDecodeResult{status, width, height, frames, reason};
}

// A failure of the stb decoder, with its reason in words.
ImageDecodeResult DecoderFailure(ImageDecodeStatus status, int width = 0, int height = 0, unsigned frames = 0) {
    return Outcome(status, width, height, frames, DecoderReasonInWords(stbi_failure_reason()));
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
            if (!canvas) return DecoderFailure(failed, width, height, frames);
            // A reader that runs out of bytes reads zeros, which end a frame
            // early without complaint: a frame that reaches the end of the
            // file, where at least the end mark should follow, is cut off.
            if (context_.img_buffer >= context_.img_buffer_end)
                return Outcome(failed, width, height, frames, "the file ends inside a frame");
            if (gif_->w != width || gif_->h != height)
                return Outcome(failed, width, height, frames, "frame size differs from the header");
            ++frames;
            if (!sink(canvas, width, height)) return Outcome(ImageDecodeStatus::Stopped, width, height, frames);
            try {
                beforePrevious_.swap(previous_);
                previous_.assign(canvas, canvas + canvasBytes);
            } catch (const std::bad_alloc&) {
                return Outcome(ImageDecodeStatus::OutOfMemory, width, height, frames);
            }
        }
        if (frames == 0) return Outcome(ImageDecodeStatus::NotAnImage, width, height, 0, "the GIF has no frames");
        return Outcome(ImageDecodeStatus::Decoded, width, height, frames);
    }

    bool IsGif() { return stbi__gif_test(&context_) != 0; }

private:
    stbi__context context_;
    std::unique_ptr<stbi__gif> gif_;
    std::vector<stbi_uc> previous_;
    std::vector<stbi_uc> beforePrevious_;
};

// The decoder of this stb_image release (2.27) trusts the code counts of a
// JPEG Huffman table: counts adding up to more than the 256 symbols a table
// holds overrun it. Such a table is corrupt whatever reads it, so every
// table that a JPEG reader could find (any FF C4 marker, also one inside
// other segments, where it costs at most a refusal) is checked first,
// walked as the decoder walks it, with zeros past the end as it reads them.
bool HasOverfullHuffmanTable(const std::uint8_t* bytes, std::size_t size) {
    auto byteAt = [&](std::size_t at) -> unsigned { return at < size ? bytes[at] : 0u; };
    if (size < 2 || bytes[0] != 0xFF) return false;
    for (std::size_t marker = 0; marker + 1 < size; ++marker) {
        if (bytes[marker] != 0xFF || bytes[marker + 1] != 0xC4) continue;
        std::size_t at = marker + 2;
        long length = static_cast<long>(byteAt(at) << 8 | byteAt(at + 1)) - 2;
        at += 2;
        while (length > 0 && at < size) {
            unsigned symbols = 0;
            for (int i = 1; i <= 16; ++i) symbols += byteAt(at + i);
            if (symbols > 256) return true;
            at += 17 + symbols;
            length -= 17 + static_cast<long>(symbols);
        }
    }
    return false;
}

// A BMP of 1, 4 or 8 bits a pixel whose palette has fewer colours than its
// pixels can name: the decoder of this release takes the missing colours from
// a palette it never filled, so the picture would show whatever the stack
// held. The copy returned has the palette filled up with black, read by the
// decoder's own header reader and counted as it counts; the pixels are
// untouched. Empty when no copy is needed, refused when the palette would
// end before it begins.
bool FillShortBmpPalette(const std::uint8_t* bytes, std::size_t size, std::vector<std::uint8_t>* copy) {
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M') return true;
    stbi__context context;
    stbi__start_mem(&context, bytes, static_cast<int>(size));
    stbi__bmp_data info;
    std::memset(&info, 0, sizeof info);
    info.all_a = 255;
    if (!stbi__bmp_parse_header(&context, &info)) return true;   // the decoder refuses it too
    if (info.bpp != 1 && info.bpp != 4 && info.bpp != 8) return true;
    const long entrySize = info.hsz == 12 ? 3 : 4;
    const long entries = info.hsz == 12 ? (static_cast<long>(info.offset) - info.extra_read - 24) / 3
                                        : (static_cast<long>(info.offset) - info.extra_read - info.hsz) >> 2;
    const long needed = 1L << info.bpp;
    if (entries <= 0) return false;
    if (entries >= needed) return true;
    const std::size_t paletteEnd =
        static_cast<std::size_t>(context.img_buffer - context.img_buffer_original) + entries * entrySize;
    const std::size_t added = static_cast<std::size_t>((needed - entries) * entrySize);
    try {
        copy->assign(bytes, bytes + size);
        if (copy->size() < paletteEnd) copy->resize(paletteEnd, 0);
        copy->insert(copy->begin() + static_cast<std::ptrdiff_t>(paletteEnd), added, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const std::uint32_t offset = static_cast<std::uint32_t>(info.offset) + static_cast<std::uint32_t>(added);
    for (int i = 0; i < 4; ++i) (*copy)[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
    return true;
}

// The decoders of this release keep colour palettes in local arrays and, in
// damaged files, read entries that were never filled in. Filling the stack
// where their frames will lie, once with one value and once with another,
// shows such a read as a difference between two decodings.
#if defined(__GNUC__)
#define LUMIGRID_NOINLINE __attribute__((noinline))
#else
#define LUMIGRID_NOINLINE
#endif

// Filled in one call, through a pointer the compiler cannot see through, so
// that the stores are neither dropped as dead nor made one by one.
void* (*const volatile FillBytes)(void*, int, std::size_t) = std::memset;

LUMIGRID_NOINLINE void FillStackBelow(std::uint8_t value) {
    std::uint8_t area[64 * 1024];
    FillBytes(area, value, sizeof area);
}

struct Pixels {
    std::unique_ptr<stbi_uc, void (*)(void*)> data{nullptr, stbi_image_free};
    int width = 0;
    int height = 0;
};

LUMIGRID_NOINLINE Pixels LoadAfterFilling(std::uint8_t fill, const std::uint8_t* bytes, int length) {
    FillStackBelow(fill);
    Pixels pixels;
    int components = 0;
    pixels.data.reset(stbi_load_from_memory(bytes, length, &pixels.width, &pixels.height, &components, 4));
    return pixels;
}

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

bool WithinLimits(long long width, long long height, int maxSide) {
    return width <= maxSide && height <= maxSide && width * height <= static_cast<long long>(MaxImagePixels);
}

ImageDecodeResult DecodeRunLength(const std::uint8_t* bytes, std::size_t size, const BmpLayout& bmp, int maxSide,
                                  const ImageFrameSink& frame) {
    if (bmp.width <= 0 || bmp.height <= 0) return Outcome(ImageDecodeStatus::NoPixels);
    if (!WithinLimits(bmp.width, bmp.height, maxSide)) {
        const bool known = bmp.width <= INT_MAX && bmp.height <= INT_MAX;
        return Outcome(ImageDecodeStatus::TooLarge, known ? static_cast<int>(bmp.width) : 0,
                       known ? static_cast<int>(bmp.height) : 0);
    }
    const int width = static_cast<int>(bmp.width), height = static_cast<int>(bmp.height);
    std::vector<std::uint8_t> rgba;
    std::string reason;
    try {
        if (!DecodeRunLengthBmp(bytes, size, bmp, &rgba, &reason))
            return Outcome(ImageDecodeStatus::NotAnImage, width, height, 0, reason);
    } catch (const std::bad_alloc&) {
        return Outcome(ImageDecodeStatus::OutOfMemory, width, height);
    }
    if (!frame(rgba.data(), width, height)) return Outcome(ImageDecodeStatus::Stopped, width, height, 1);
    return Outcome(ImageDecodeStatus::Decoded, width, height, 1);
}

}  // namespace

ImageDecodeResult DecodeImage(const std::uint8_t* bytes, std::size_t size, int maxSide, const ImageFrameSink& frame) {
    if (!bytes || size == 0 || size > MaxImageBytes)
        return Outcome(ImageDecodeStatus::NotAnImage, 0, 0, 0, size == 0 ? "the file is empty" : "file too large");
    BmpLayout bmp;
    const bool isBmp = ReadBmpLayout(bytes, size, &bmp);
    if (isBmp && IsRunLengthBmp(bmp)) return DecodeRunLength(bytes, size, bmp, maxSide, frame);
    if (HasOverfullHuffmanTable(bytes, size))
        return Outcome(ImageDecodeStatus::NotAnImage, 0, 0, 0, "bad Huffman table");
    std::vector<std::uint8_t> filled;
    if (!FillShortBmpPalette(bytes, size, &filled)) return Outcome(ImageDecodeStatus::NotAnImage, 0, 0, 0, "bad palette");
    if (!filled.empty()) {
        bytes = filled.data();
        size = filled.size();
    }
    const int length = static_cast<int>(size);
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(bytes, length, &width, &height, &components)) {
        const char* reason = stbi_failure_reason();
        if (reason && std::strcmp(reason, TooLargeReason) == 0) return Outcome(ImageDecodeStatus::TooLarge);
        return DecoderFailure(ImageDecodeStatus::NotAnImage);
    }
    // The header reader hands a BMP stored top row first its negative height;
    // the decoder itself reads such a file.
    if (isBmp && bmp.topRowFirst && height < 0) {
        if (bmp.height > INT_MAX) return Outcome(ImageDecodeStatus::TooLarge);
        height = static_cast<int>(bmp.height);
    }
    if (width <= 0 || height <= 0) return Outcome(ImageDecodeStatus::NoPixels, width, height);
    if (!WithinLimits(width, height, maxSide)) return Outcome(ImageDecodeStatus::TooLarge, width, height);

    GifFrames gif(bytes, size);
    if (gif.IsGif()) return gif.Decode(width, height, frame);

    // Decoded twice over different stack contents: a picture that comes out
    // differently read memory the decoder never wrote, and is refused.
    Pixels pixels = LoadAfterFilling(0x00, bytes, length);
    if (!pixels.data) {
        const char* reason = stbi_failure_reason();
        if (reason && std::strcmp(reason, "outofmem") == 0) return Outcome(ImageDecodeStatus::OutOfMemory);
        return DecoderFailure(ImageDecodeStatus::NotAnImage, width, height);
    }
    if (pixels.width != width || pixels.height != height)
        return Outcome(ImageDecodeStatus::NotAnImage, width, height, 0, "picture size differs from the header");
    Pixels again = LoadAfterFilling(0xFF, bytes, length);
    if (!again.data || again.width != width || again.height != height ||
        std::memcmp(pixels.data.get(), again.data.get(), static_cast<std::size_t>(width) * height * 4) != 0)
        return Outcome(ImageDecodeStatus::NotAnImage, width, height, 0, "some pixels are not defined");
    if (!frame(pixels.data.get(), width, height)) return Outcome(ImageDecodeStatus::Stopped, width, height, 1);
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

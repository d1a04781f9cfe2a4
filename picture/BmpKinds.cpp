#include "picture/BmpKinds.h"

namespace {

const std::size_t FileHeaderSize = 14;
const std::uint32_t SmallestInfoHeader = 40;
const std::uint32_t RunLength8 = 1;
const std::uint32_t RunLength4 = 2;
// Escapes after a zero count.
const std::uint8_t EndOfLine = 0;
const std::uint8_t EndOfPicture = 1;
const std::uint8_t MovePen = 2;

std::uint32_t Little32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
unsigned Little16(const std::uint8_t* bytes) { return bytes[0] | bytes[1] << 8; }

// The palette as red, green, blue; missing colours black.
std::vector<std::uint8_t> ReadPalette(const std::uint8_t* bytes, std::size_t size, const BmpLayout& layout) {
    const std::size_t colours = 1u << layout.bitsPerPixel;
    std::vector<std::uint8_t> palette(colours * 3, 0);
    std::size_t given = layout.coloursUsed && layout.coloursUsed < colours ? layout.coloursUsed : colours;
    const std::size_t first = FileHeaderSize + layout.headerSize;
    const std::size_t end = layout.pixelOffset < size ? layout.pixelOffset : size;
    if (first >= end) return palette;
    if (given > (end - first) / 4) given = (end - first) / 4;
    for (std::size_t i = 0; i < given; ++i) {
        const std::uint8_t* entry = bytes + first + i * 4;   // blue, green, red, unused
        palette[i * 3] = entry[2];
        palette[i * 3 + 1] = entry[1];
        palette[i * 3 + 2] = entry[0];
    }
    return palette;
}

// The pen of the decoder: rows are counted in the order they are stored.
class Pen {
public:
    Pen(const BmpLayout& layout, const std::vector<std::uint8_t>& palette, std::vector<std::uint8_t>* rgba)
        : layout_(layout), palette_(palette), rgba_(*rgba) {}

    void Put(unsigned index) {
        if (x_ < layout_.width && row_ < layout_.height) {
            const long long y = layout_.topRowFirst ? row_ : layout_.height - 1 - row_;
            std::uint8_t* pixel = &rgba_[static_cast<std::size_t>(y * layout_.width + x_) * 4];
            pixel[0] = palette_[index * 3];
            pixel[1] = palette_[index * 3 + 1];
            pixel[2] = palette_[index * 3 + 2];
            pixel[3] = 255;
        }
        // Bounded, so that no number of moves can overflow it.
        if (x_ <= layout_.width) ++x_;
    }
    void NextLine() {
        x_ = 0;
        if (row_ < layout_.height) ++row_;
    }
    void Move(unsigned right, unsigned down) {
        x_ = x_ + right < layout_.width ? x_ + right : layout_.width;
        row_ = row_ + down < layout_.height ? row_ + down : layout_.height;
    }
    bool OnLastRow() const { return row_ >= layout_.height - 1; }

private:
    const BmpLayout& layout_;
    const std::vector<std::uint8_t>& palette_;
    std::vector<std::uint8_t>& rgba_;
    long long x_ = 0;
    long long row_ = 0;
};

}  // namespace

bool ReadBmpLayout(const std::uint8_t* bytes, std::size_t size, BmpLayout* layout) {
    if (size < FileHeaderSize + SmallestInfoHeader || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::uint32_t headerSize = Little32(bytes + 14);
    if (headerSize < SmallestInfoHeader) return false;
    const std::int32_t height = static_cast<std::int32_t>(Little32(bytes + 22));
    layout->width = static_cast<std::int32_t>(Little32(bytes + 18));
    layout->height = height < 0 ? -static_cast<long long>(height) : height;
    layout->topRowFirst = height < 0;
    layout->bitsPerPixel = Little16(bytes + 28);
    layout->compression = Little32(bytes + 30);
    layout->headerSize = headerSize;
    layout->pixelOffset = Little32(bytes + 10);
    layout->coloursUsed = Little32(bytes + 46);
    return true;
}

bool IsRunLengthBmp(const BmpLayout& layout) {
    return (layout.compression == RunLength8 && layout.bitsPerPixel == 8) ||
           (layout.compression == RunLength4 && layout.bitsPerPixel == 4);
}

bool DecodeRunLengthBmp(const std::uint8_t* bytes, std::size_t size, const BmpLayout& layout,
                        std::vector<std::uint8_t>* rgba, std::string* reason) {
    const std::vector<std::uint8_t> palette = ReadPalette(bytes, size, layout);
    rgba->assign(static_cast<std::size_t>(layout.width * layout.height) * 4, 0);
    Pen pen(layout, palette, rgba);
    const bool fourBits = layout.bitsPerPixel == 4;
    std::size_t at = layout.pixelOffset;
    while (at + 2 <= size) {
        const unsigned count = bytes[at], value = bytes[at + 1];
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) pen.Put(fourBits ? (i % 2 ? value & 15 : value >> 4) : value);
        } else if (value == EndOfLine) {
            pen.NextLine();
        } else if (value == EndOfPicture) {
            return true;
        } else if (value == MovePen) {
            if (at + 2 > size) break;
            pen.Move(bytes[at], bytes[at + 1]);
            at += 2;
        } else {
            // value indexes follow, in whole 16-bit words.
            std::size_t length = fourBits ? (value + 1) / 2 : value;
            if (at + length > size) break;
            for (unsigned i = 0; i < value; ++i)
                pen.Put(fourBits ? (i % 2 ? bytes[at + i / 2] & 15 : bytes[at + i / 2] >> 4) : bytes[at + i]);
            at += length + length % 2;
        }
    }
    // Some writers leave out the end mark, and the line end, after the last row.
    if (pen.OnLastRow()) return true;
    *reason = "the file ends before the last row";
    return false;
}

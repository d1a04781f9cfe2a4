#include "pattern/program/FrameBitmap.h"

#include <cstring>

namespace {

// Transposes an 8 x 8 bit block held one row per byte, row 0 in the most
// significant byte and column 0 in each byte's top bit, into one column per
// byte in the same arrangement (and back: it is its own inverse).
std::uint64_t TransposeBlock(std::uint64_t x) {
    x = (x & 0xAA55AA55AA55AA55ull) | ((x & 0x00AA00AA00AA00AAull) << 7) | ((x >> 7) & 0x00AA00AA00AA00AAull);
    x = (x & 0xCCCC3333CCCC3333ull) | ((x & 0x0000CCCC0000CCCCull) << 14) | ((x >> 14) & 0x0000CCCC0000CCCCull);
    x = (x & 0xF0F0F0F00F0F0F0Full) | ((x & 0x00000000F0F0F0F0ull) << 28) | ((x >> 28) & 0x00000000F0F0F0F0ull);
    return x;
}

// Byte i of a block, counted from the most significant.
inline std::uint8_t BlockByte(std::uint64_t block, unsigned i) { return static_cast<std::uint8_t>(block >> (56 - 8 * i)); }

// Eight bytes as one number, the first one most significant.
inline std::uint64_t BigEndianWord(const std::uint8_t* bytes) {
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return __builtin_bswap64(word);
#else
    std::uint64_t word = 0;
    for (unsigned i = 0; i < 8; ++i) word = word << 8 | bytes[i];
    return word;
#endif
}

// Appends runs of up to 64 bits, most significant first, to a byte buffer,
// eight bytes at a time.
class BitWriter {
public:
    explicit BitWriter(std::uint8_t* out) : out_(out), pending_(0), held_(0), length_(0) {}

    // The top count bits of bits, whose lower bits are 0.
    void Put(std::uint64_t bits, unsigned count) {
        pending_ |= bits >> held_;
        if (held_ + count < 64) {
            held_ += count;
            return;
        }
        Store(pending_);
        pending_ = held_ ? bits << (64 - held_) : 0;
        held_ = held_ + count - 64;
    }
    // All 64 bits of bits: the same as Put(bits, 64), with nothing to test.
    void PutWhole(std::uint64_t bits) {
        Store(pending_ | bits >> held_);
        // bits << (64 - held_), which is none of them when nothing is held.
        pending_ = (bits << 1) << (63 - held_);
    }
    // Writes the bytes still held, zeros below the last bit; returns the length.
    std::size_t Finish() {
        for (unsigned i = 0; i < held_; i += 8) out_[length_++] = static_cast<std::uint8_t>(pending_ >> (56 - i));
        held_ = 0;
        return length_;
    }

private:
    void Store(std::uint64_t word) {
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        word = __builtin_bswap64(word);
        std::memcpy(out_ + length_, &word, sizeof word);
#else
        for (unsigned i = 0; i < 8; ++i) out_[length_ + i] = BlockByte(word, i);
#endif
        length_ += 8;
    }

    std::uint8_t* out_;
    std::uint64_t pending_;   // the held bits, from the top
    unsigned held_;
    std::size_t length_;
};

// Columns of rows that are no whole bytes, each held as whole bytes from the
// top, ColumnStride apart (the bits past the last row are not looked at), one
// after another: whole words of 64 rows, then the rest (never none).
void PutColumns(BitWriter& out, const std::uint8_t* column, unsigned columns, unsigned rows) {
    const unsigned words = rows / 64, rest = rows % 64;
    const std::uint64_t restMask = ~(~0ull >> rest);
    for (unsigned j = 0; j < columns; ++j, column += ColumnStride) {
        for (unsigned word = 0; word < words; ++word) out.PutWhole(BigEndianWord(column + 8 * word));
        out.Put(BigEndianWord(column + 8 * words) & restMask, rest);
    }
}

FrameGeometry GeometryOf(std::uint8_t columns, std::uint8_t rows) {
    FrameGeometry g;
    g.columns = columns;
    g.rows = rows;
    g.rowBytes = (columns + 7u) / 8;
    g.columnBytes = (rows + 7u) / 8;
    g.frameBytes = g.rowBytes * rows;
    g.bitmapBytes = FrameProgramBytes(columns, rows);
    g.aligned = rows % 8 == 0;
    return g;
}

std::size_t WriteBlankBitmap(const FrameGeometry& g, std::uint8_t* bitmap) {
    std::memset(bitmap, 0xFF, g.bitmapBytes);
    const unsigned tail = (g.columns * g.rows) % 8;
    if (tail) bitmap[g.bitmapBytes - 1] = static_cast<std::uint8_t>(0xFF << (8 - tail));
    return g.bitmapBytes;
}

// One frame, eight rows at a time, with no vector unit.
std::size_t WritePortableBitmap(const FrameGeometry& g, const std::uint8_t* frame, std::uint8_t* bitmap) {
    const unsigned columns = g.columns, rows = g.rows, columnBytes = g.columnBytes;
    const std::size_t rowBytes = g.rowBytes;
    const bool aligned = g.aligned;
    // Otherwise the columns of one row byte, each as whole bytes from the
    // top, are packed after; the bytes past the last row stay 0.
    std::uint8_t group[8][ColumnStride];
    if (!aligned) std::memset(group, 0, sizeof group);
    BitWriter out(bitmap);
    for (std::size_t groupByte = 0; groupByte < rowBytes; ++groupByte) {
        const unsigned firstColumn = static_cast<unsigned>(groupByte) * 8;
        const unsigned columnsHere = columns - firstColumn < 8 ? columns - firstColumn : 8;
        for (unsigned block = 0; block < columnBytes; ++block) {
            const unsigned top = block * 8;
            const unsigned rowsHere = rows - top < 8 ? rows - top : 8;
            const std::uint8_t* row = frame + top * rowBytes + groupByte;
            std::uint64_t x = 0;
            if (rowsHere == 8) {
                const std::size_t r = rowBytes;
                x = static_cast<std::uint64_t>(row[0]) << 56 | static_cast<std::uint64_t>(row[r]) << 48 |
                    static_cast<std::uint64_t>(row[2 * r]) << 40 | static_cast<std::uint64_t>(row[3 * r]) << 32 |
                    static_cast<std::uint64_t>(row[4 * r]) << 24 | static_cast<std::uint64_t>(row[5 * r]) << 16 |
                    static_cast<std::uint64_t>(row[6 * r]) << 8 | row[7 * r];
            } else {
                for (unsigned i = 0; i < rowsHere; ++i) x |= static_cast<std::uint64_t>(row[i * rowBytes]) << (56 - 8 * i);
            }
            // Lit is 0 in the bitmap.
            x = ~TransposeBlock(x);
            if (aligned) {
                std::uint8_t* column = bitmap + static_cast<std::size_t>(firstColumn) * columnBytes + block;
                for (unsigned j = 0; j < columnsHere; ++j) column[j * columnBytes] = BlockByte(x, j);
            } else {
                for (unsigned j = 0; j < columnsHere; ++j) group[j][block] = BlockByte(x, j);
            }
        }
        if (aligned) continue;
        PutColumns(out, group[0], columnsHere, rows);
    }
    if (aligned) return g.bitmapBytes;
    return out.Finish();
}

}  // namespace

std::uint32_t FrameProgramBytes(std::uint8_t columns, std::uint8_t rows) {
    return columns == 0 ? 0 : (static_cast<std::uint32_t>(columns) * rows + 7) / 8;
}

std::size_t PackColumns(const std::uint8_t* columnBuffer, const FrameGeometry& geometry, std::uint8_t* bitmap) {
    BitWriter out(bitmap);
    PutColumns(out, columnBuffer, geometry.columns, geometry.rows);
    return out.Finish();
}

FrameBitmapWriter::FrameBitmapWriter(std::uint8_t columns, std::uint8_t rows, Method method)
    : geometry_(GeometryOf(columns, rows)), vector_(method == Method::Fastest) {}

std::size_t FrameBitmapWriter::Write(const std::uint8_t* frames, std::size_t count, std::uint8_t* bitmaps) const {
    std::size_t length = 0;
    if (geometry_.bitmapBytes == 0) return 0;
    if (!frames) {
        for (std::size_t i = 0; i < count; ++i) length += WriteBlankBitmap(geometry_, bitmaps + length);
        return length;
    }
#if defined(__SSE2__)
    if (vector_) {
        alignas(16) std::uint8_t columnBuffer[ColumnBufferBytes];
        return WriteFrameBitmapsSse2(geometry_, frames, count, bitmaps, columnBuffer);
    }
#endif
    for (std::size_t i = 0; i < count; ++i, frames += geometry_.frameBytes)
        length += WritePortableBitmap(geometry_, frames, bitmaps + length);
    return length;
}

std::size_t WriteFrameBitmap(const std::uint8_t* frame, std::uint8_t columns, std::uint8_t rows,
                             std::uint8_t* bitmap) {
    return FrameBitmapWriter(columns, rows).Write(frame, 1, bitmap);
}

void ReadFrameBitmap(const std::uint8_t* bitmap, std::uint8_t columns, std::uint8_t rows, std::uint8_t* frame) {
    const std::size_t length = FrameProgramBytes(columns, rows);
    if (length == 0) return;
    const std::size_t rowBytes = (columns + 7u) / 8;
    const unsigned columnBytes = (rows + 7u) / 8;
    // Eight bits from any bit of the bitmap; nothing lies past its end.
    auto bitsAt = [&](std::size_t bit) -> std::uint64_t {
        const std::size_t i = bit >> 3;
        const unsigned both = static_cast<unsigned>(bitmap[i]) << 8 | (i + 1 < length ? bitmap[i + 1] : 0);
        return (both >> (8 - (bit & 7))) & 0xFF;
    };
    for (std::size_t groupByte = 0; groupByte < rowBytes; ++groupByte) {
        const unsigned firstColumn = static_cast<unsigned>(groupByte) * 8;
        const unsigned columnsHere = columns - firstColumn < 8 ? columns - firstColumn : 8;
        // The bits of a row after its last column stay clear.
        const std::uint8_t keep = static_cast<std::uint8_t>(0xFF << (8 - columnsHere));
        for (unsigned block = 0; block < columnBytes; ++block) {
            const unsigned top = block * 8;
            const unsigned rowsHere = rows - top < 8 ? rows - top : 8;
            std::uint64_t x = 0;
            for (unsigned j = 0; j < 8; ++j) {
                const std::uint64_t column =
                    j < columnsHere ? bitsAt(static_cast<std::size_t>(firstColumn + j) * rows + top) : 0xFF;
                x |= column << (56 - 8 * j);
            }
            // Not lit is 1 in the bitmap.
            x = TransposeBlock(~x);
            std::uint8_t* row = frame + top * rowBytes + groupByte;
            for (unsigned i = 0; i < rowsHere; ++i) row[i * rowBytes] = BlockByte(x, i) & keep;
        }
    }
}

bool BitmapPaddingIsClear(const std::uint8_t* bitmap, std::uint8_t columns, std::uint8_t rows) {
    const unsigned tail = (static_cast<unsigned>(columns) * rows) % 8;
    if (tail == 0) return true;
    return (bitmap[FrameProgramBytes(columns, rows) - 1] & ((1u << (8 - tail)) - 1)) == 0;
}

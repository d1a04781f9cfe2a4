// Frame bitmaps sixteen rows at a time with SSE2 (every x86-64 processor has
// it): sixteen rows of up to sixteen row bytes become one vector per row
// byte, by byte shuffles, and each vector gives its eight columns' sixteen
// bits one by one through the byte mask.
#include "pattern/program/FrameBitmapParts.h"

#if defined(__SSE2__)

#include <emmintrin.h>

#include <cstring>

namespace {

// The row held in each lane of a row-byte vector, and the lane of each row
// (the order is its own inverse): rows 7 down to 0, then 15 down to 8, so
// that a byte mask's low byte is rows 0-7 with row 0 in its top bit and its
// high byte rows 8-15, as a column's two bytes are stored.
constexpr unsigned LaneRow(unsigned lane) { return lane < 8 ? 7 - lane : 23 - lane; }

// The last three steps of turning sixteen vectors of Bytes bytes (8 or 16)
// about, from pairs, where word c of pairs[k] (of pairs[k + 8] for bytes
// 8-15) is byte c of vectors 2k and 2k + 1: byte c of vector i becomes byte
// i of v[c].
template <int Bytes>
inline void TransposeFromPairs(const __m128i pairs[16], __m128i v[16]) {
    __m128i quads[16], octets[16];
#pragma GCC unroll 4
    for (int m = 0; m < 4; ++m) {
        // Double word c: byte c of vectors 4m to 4m + 3, for bytes 0-3, 4-7, 8-11, 12-15.
        quads[4 * m] = _mm_unpacklo_epi16(pairs[2 * m], pairs[2 * m + 1]);
        quads[4 * m + 1] = _mm_unpackhi_epi16(pairs[2 * m], pairs[2 * m + 1]);
        if (Bytes == 16) {
            quads[4 * m + 2] = _mm_unpacklo_epi16(pairs[2 * m + 8], pairs[2 * m + 9]);
            quads[4 * m + 3] = _mm_unpackhi_epi16(pairs[2 * m + 8], pairs[2 * m + 9]);
        }
    }
#pragma GCC unroll 4
    for (int group = 0; group < Bytes / 4; ++group) {
        // Quad word c: byte 4 group + c of vectors 0-7, then of vectors 8-15.
        octets[2 * group] = _mm_unpacklo_epi32(quads[group], quads[group + 4]);
        octets[2 * group + 1] = _mm_unpackhi_epi32(quads[group], quads[group + 4]);
        octets[2 * group + 8] = _mm_unpacklo_epi32(quads[group + 8], quads[group + 12]);
        octets[2 * group + 9] = _mm_unpackhi_epi32(quads[group + 8], quads[group + 12]);
    }
#pragma GCC unroll 8
    for (int pair = 0; pair < Bytes / 2; ++pair) {
        v[2 * pair] = _mm_unpacklo_epi64(octets[pair], octets[pair + 8]);
        v[2 * pair + 1] = _mm_unpackhi_epi64(octets[pair], octets[pair + 8]);
    }
}

// Sixteen vectors of sixteen bytes turned about: byte c of vector i becomes
// byte i of vector c.
inline void TransposeBytes(__m128i v[16]) {
    __m128i pairs[16];
#pragma GCC unroll 8
    for (int k = 0; k < 8; ++k) {
        pairs[k] = _mm_unpacklo_epi8(v[2 * k], v[2 * k + 1]);
        pairs[k + 8] = _mm_unpackhi_epi8(v[2 * k], v[2 * k + 1]);
    }
    TransposeFromPairs<16>(pairs, v);
}

// Stores the columns of one row-byte vector: sixteen rows (two bytes) a
// column, the next column stride further. Lit is 0 in the bitmap; each step
// moves the next column to the top bits.
inline void StoreColumns(__m128i rows, unsigned columns, std::uint8_t* column, std::size_t stride) {
    rows = _mm_xor_si128(rows, _mm_set1_epi32(-1));
    if (columns == 8) {
        // Almost every row byte: no loop to count.
#pragma GCC unroll 8
        for (unsigned j = 0; j < 8; ++j, column += stride) {
            const std::uint16_t bits = static_cast<std::uint16_t>(_mm_movemask_epi8(rows));
            std::memcpy(column, &bits, sizeof bits);
            rows = _mm_add_epi8(rows, rows);
        }
        return;
    }
    for (unsigned j = 0; j < columns; ++j, column += stride) {
        const std::uint16_t bits = static_cast<std::uint16_t>(_mm_movemask_epi8(rows));
        std::memcpy(column, &bits, sizeof bits);
        rows = _mm_add_epi8(rows, rows);
    }
}

// The same for the last eight rows of a frame whose columns are whole
// bytes: one byte a column, and nothing past it.
inline void StoreHalfColumns(__m128i rows, unsigned columns, std::uint8_t* column, std::size_t stride) {
    rows = _mm_xor_si128(rows, _mm_set1_epi32(-1));
    for (unsigned j = 0; j < columns; ++j, column += stride) {
        *column = static_cast<std::uint8_t>(_mm_movemask_epi8(rows));
        rows = _mm_add_epi8(rows, rows);
    }
}

// Eight words in the opposite order.
inline __m128i ReverseWords(__m128i v) {
    v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, _MM_SHUFFLE(0, 1, 2, 3)), _MM_SHUFFLE(0, 1, 2, 3));
    return _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2));
}

// The frame's columns from the rows top to top + 15 (fewer at the bottom),
// stored at pieces + column x stride. Row bytes from first on are read
// sixteen at a time (the last sixteen of the row for its end, which repeats
// some); where sixteen bytes would run past the frame, only the frame's are.
void StoreRowBlock(const FrameGeometry& g, const std::uint8_t* frame, unsigned top, std::uint8_t* pieces,
                   std::size_t stride) {
    const unsigned rowsHere = g.rows - top < 16 ? g.rows - top : 16;
    for (std::size_t first = 0; first < g.rowBytes; first += 16) {
        const std::size_t from = g.rowBytes < 16 ? 0 : (first < g.rowBytes - 16 ? first : g.rowBytes - 16);
        __m128i v[16];
        const std::uint8_t* block = frame + top * g.rowBytes + from;
        if (rowsHere == 16 && (top + 15) * g.rowBytes + from + 16 <= g.frameBytes) {
            // All sixteen rows whole: no row to test.
#pragma GCC unroll 16
            for (unsigned lane = 0; lane < 16; ++lane)
                v[lane] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + LaneRow(lane) * g.rowBytes));
        } else {
            for (unsigned lane = 0; lane < 16; ++lane) {
                const unsigned row = LaneRow(lane);
                const std::size_t start = (top + row) * g.rowBytes + from;
                if (row >= rowsHere) {
                    v[lane] = _mm_setzero_si128();
                } else if (start + 16 <= g.frameBytes) {
                    v[lane] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(frame + start));
                } else {
                    alignas(16) std::uint8_t tail[16] = {};
                    std::memcpy(tail, frame + start, g.frameBytes - start);
                    v[lane] = _mm_load_si128(reinterpret_cast<const __m128i*>(tail));
                }
            }
        }
        TransposeBytes(v);
        const std::size_t end = first + 16 < g.rowBytes ? first + 16 : g.rowBytes;
        for (std::size_t b = first; b < end; ++b) {
            const unsigned firstColumn = static_cast<unsigned>(b) * 8;
            const unsigned columns = g.columns - firstColumn < 8 ? g.columns - firstColumn : 8;
            std::uint8_t* column = pieces + firstColumn * stride;
            if (g.aligned && rowsHere == 8) StoreHalfColumns(v[b - from], columns, column, stride);
            else StoreColumns(v[b - from], columns, column, stride);
        }
    }
}

// Sixteen whole rows of eight row bytes, two rows a load.
void StoreEightByteRows(const FrameGeometry& g, const std::uint8_t* block, std::uint8_t* pieces, std::size_t stride) {
    __m128i pairs[16], v[16];
#pragma GCC unroll 8
    for (int k = 0; k < 8; ++k) {
        // Rows LaneRow(2k) and LaneRow(2k) - 1, an odd row and the even one before it, are one load.
        const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 8 * (LaneRow(2 * k) - 1)));
        pairs[k] = _mm_unpacklo_epi8(_mm_srli_si128(two, 8), two);
    }
    TransposeFromPairs<8>(pairs, v);
    for (unsigned b = 0; b < 8; ++b) {
        const unsigned firstColumn = b * 8;
        StoreColumns(v[b], g.columns - firstColumn < 8 ? g.columns - firstColumn : 8, pieces + firstColumn * stride,
                     stride);
    }
}

// Sixteen whole rows of one or two row bytes, from one or two loads.
void StoreNarrowRowBlock(const FrameGeometry& g, const std::uint8_t* block, std::uint8_t* pieces,
                         std::size_t stride) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    if (g.rowBytes == 1) {
        // Bytes 7 to 0 and 15 to 8: words reversed in each half, then their bytes.
        __m128i v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(first, _MM_SHUFFLE(0, 1, 2, 3)), _MM_SHUFFLE(0, 1, 2, 3));
        v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        StoreColumns(v, g.columns, pieces, stride);
        return;
    }
    // A word a row: rows 7 to 0, then 15 to 8; row byte 0 is each word's low byte.
    const __m128i top = ReverseWords(first);
    const __m128i bottom = ReverseWords(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16)));
    const __m128i low = _mm_set1_epi16(0xFF);
    StoreColumns(_mm_packus_epi16(_mm_and_si128(top, low), _mm_and_si128(bottom, low)), 8, pieces, stride);
    StoreColumns(_mm_packus_epi16(_mm_srli_epi16(top, 8), _mm_srli_epi16(bottom, 8)), g.columns - 8,
                 pieces + 8 * stride, stride);
}

}  // namespace

std::size_t WriteFrameBitmapsSse2(const FrameGeometry& g, const std::uint8_t* frames, std::size_t count,
                                  std::uint8_t* bitmaps, std::uint8_t* columnBuffer) {
    std::size_t length = 0;
    const std::size_t stride = g.aligned ? g.columnBytes : ColumnStride;
    for (std::size_t i = 0; i < count; ++i, frames += g.frameBytes) {
        std::uint8_t* columns = g.aligned ? bitmaps + length : columnBuffer;
        for (unsigned top = 0; top < g.rows; top += 16) {
            // Each column's bytes for these rows are its bytes top / 8 and on.
            if (g.rowBytes <= 2 && g.rows - top >= 16)
                StoreNarrowRowBlock(g, frames + top * g.rowBytes, columns + top / 8, stride);
            else if (g.rowBytes == 8 && g.rows - top >= 16)
                StoreEightByteRows(g, frames + top * 8, columns + top / 8, stride);
            else
                StoreRowBlock(g, frames, top, columns + top / 8, stride);
        }
        length += g.aligned ? g.bitmapBytes : PackColumns(columnBuffer, g, bitmaps + length);
    }
    return length;
}

#endif

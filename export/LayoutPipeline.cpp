#include "export/LayoutPipeline.h"

#include <algorithm>

Cell SourceCell(const ExportLayout& layout, PictureSize picture, unsigned x, unsigned y) {
    const PictureSize exported = ExportedSize(layout, picture);
    // Mirroring came last, so it is undone first.
    if (layout.mirror == Mirror::Horizontal) x = exported.width - 1 - x;
    if (layout.mirror == Mirror::Vertical) y = exported.height - 1 - y;
    switch (layout.rotate) {
    case 90: return Cell{y, picture.height - 1 - x};
    case 180: return Cell{picture.width - 1 - x, picture.height - 1 - y};
    case 270: return Cell{picture.width - 1 - y, x};
    default: return Cell{x, y};
    }
}

PictureCanvas TransformPicture(const PictureCanvas& picture, const ExportLayout& layout) {
    const PictureSize size{picture.Width(), picture.Height()};
    const PictureSize exported = ExportedSize(layout, size);
    PictureCanvas result(exported.width, exported.height);
    for (unsigned y = 0; y < exported.height; ++y)
        for (unsigned x = 0; x < exported.width; ++x) {
            const Cell from = SourceCell(layout, size, x, y);
            if (picture.Get(from.x, from.y)) result.Set(x, y, true);
        }
    return result;
}

PictureCanvas UntransformPicture(const PictureCanvas& exported, const ExportLayout& layout) {
    const PictureSize size = PictureSizeOf(layout, PictureSize{exported.Width(), exported.Height()});
    PictureCanvas result(size.width, size.height);
    for (unsigned y = 0; y < exported.Height(); ++y)
        for (unsigned x = 0; x < exported.Width(); ++x) {
            const Cell to = SourceCell(layout, size, x, y);
            if (exported.Get(x, y)) result.Set(to.x, to.y, true);
        }
    return result;
}

namespace {

// One tile of an exported picture: the LEDs of the tile's cells, padding
// where a partial tile runs past the picture.
struct Tile {
    PictureSize exported;
    unsigned left, top, width, height;

    CellIndex At(unsigned x, unsigned y) const {
        const unsigned column = left + x, row = top + y;
        if (x >= width || y >= height || column >= exported.width || row >= exported.height) return NoCell;
        return static_cast<CellIndex>(row * exported.width + column);
    }
};

unsigned Flip(bool flip, unsigned i, unsigned count) { return flip ? count - 1 - i : i; }

void ScanTile(const ExportLayout& layout, const Tile& tile, ScanUnits& units) {
    const bool serpentine = layout.serpentine;
    switch (layout.scan) {
    case Scan::Rows:
        for (unsigned y = 0; y < tile.height; ++y) {
            units.emplace_back();
            for (unsigned x = 0; x < tile.width; ++x)
                units.back().push_back(tile.At(Flip(serpentine && y % 2, x, tile.width), y));
        }
        break;
    case Scan::Columns:
        for (unsigned x = 0; x < tile.width; ++x) {
            units.emplace_back();
            for (unsigned y = 0; y < tile.height; ++y)
                units.back().push_back(tile.At(x, Flip(serpentine && x % 2, y, tile.height)));
        }
        break;
    case Scan::Pages:
        for (unsigned band = 0; band < (tile.height + 7) / 8; ++band) {
            units.emplace_back();
            for (unsigned x = 0; x < tile.width; ++x)
                for (unsigned k = 0; k < 8; ++k)
                    units.back().push_back(tile.At(Flip(serpentine && band % 2, x, tile.width), 8 * band + k));
        }
        break;
    case Scan::Strip:
        units.emplace_back();
        for (unsigned y = 0; y < tile.height; ++y)
            for (unsigned x = 0; x < tile.width; ++x)
                units.back().push_back(tile.At(Flip(serpentine && y % 2, x, tile.width), y));
        break;
    }
}

}  // namespace

ScanUnits ScanPicture(const ExportLayout& layout, PictureSize exported) {
    const unsigned tileWidth = layout.Tiled() ? layout.tileWidth : exported.width;
    const unsigned tileHeight = layout.Tiled() ? layout.tileHeight : exported.height;
    ScanUnits units;
    for (unsigned top = 0; top < exported.height; top += tileHeight)
        for (unsigned left = 0; left < exported.width; left += tileWidth)
            ScanTile(layout, Tile{exported, left, top, tileWidth, tileHeight}, units);
    return units;
}

std::vector<CellIndex> PackUnits(const ExportLayout& layout, const ScanUnits& units) {
    const unsigned wordBits = layout.wordBits;
    std::vector<CellIndex> stream;
    for (const std::vector<CellIndex>& unit : units) {
        stream.insert(stream.end(), unit.begin(), unit.end());
        if (layout.pad == Pad::Unit) stream.resize((stream.size() + wordBits - 1) / wordBits * wordBits, NoCell);
    }
    stream.resize((stream.size() + wordBits - 1) / wordBits * wordBits, NoCell);
    const unsigned wordBytes = layout.WordBytes();
    std::vector<CellIndex> bits(stream.size(), NoCell);
    for (std::size_t s = 0; s < stream.size(); ++s) {
        const std::size_t word = s / wordBits;
        const unsigned i = static_cast<unsigned>(s % wordBits);
        const unsigned bitInWord = layout.bitOrder == BitOrder::Msb ? wordBits - 1 - i : i;
        const unsigned byteInWord = layout.byteOrder == ByteOrder::Big ? wordBytes - 1 - bitInWord / 8 : bitInWord / 8;
        bits[(word * wordBytes + byteInWord) * 8 + bitInWord % 8] = stream[s];
    }
    return bits;
}

namespace {

// Every byte value with its bits in the opposite order, made by the compiler.
struct ReversedBytes {
    std::uint8_t value[256] = {};
    constexpr ReversedBytes() {
        for (unsigned byte = 0; byte < 256; ++byte) {
            unsigned reversed = 0;
            for (unsigned bit = 0; bit < 8; ++bit)
                if (byte & (1u << bit)) reversed |= 0x80u >> bit;
            value[byte] = static_cast<std::uint8_t>(reversed);
        }
    }
};
constexpr ReversedBytes Reversed;

}  // namespace

FrameCoder::FrameCoder(const ExportLayout& layout, PictureSize picture)
    : layout_(layout), picture_(picture), exported_(ExportedSize(layout, picture)) {
    const std::uint32_t padding = picture.width * picture.height;
    // Each exported LED's source, so that the table speaks of the picture.
    std::vector<std::uint32_t> source(static_cast<std::size_t>(exported_.width) * exported_.height);
    for (unsigned y = 0; y < exported_.height; ++y)
        for (unsigned x = 0; x < exported_.width; ++x) {
            const Cell cell = SourceCell(layout, picture, x, y);
            source[y * exported_.width + x] = cell.y * picture.width + cell.x;
        }
    const ScanUnits units = ScanPicture(layout, exported_);
    for (const std::vector<CellIndex>& unit : units)
        for (CellIndex cell : unit)
            if (cell != NoCell)
                path_.push_back(Cell{source[cell] % picture.width, source[cell] / picture.width});
    const std::vector<CellIndex> bits = PackUnits(layout, units);
    sources_.resize(bits.size());
    for (std::size_t i = 0; i < bits.size(); ++i) sources_[i] = bits[i] == NoCell ? padding : source[bits[i]];
    cells_.resize(padding + 1);
    bytes_.resize(FrameBytes());
    for (std::size_t byte = 0; byte < bytes_.size(); ++byte) {
        bytes_[byte] = Classify(byte);
        if (bytes_[byte].kind == ByteKind::General) bitByBit_ = true;
    }
}

FrameCoder::WholeByte FrameCoder::Classify(std::size_t byte) const {
    const std::uint32_t* bits = sources_.data() + byte * 8;
    const std::uint32_t padding = static_cast<std::uint32_t>(cells_.size() - 1);
    const WholeByte general{0, ByteKind::General, 0};
    // Padding alone: always 0, as a byte of no LEDs.
    if (std::all_of(bits, bits + 8, [&](std::uint32_t cell) { return cell == padding; })) return WholeByte{0, ByteKind::Same, 0};
    for (ByteKind kind : {ByteKind::Same, ByteKind::Reversed}) {
        // The bit of the row byte's leftmost LED.
        const unsigned first = kind == ByteKind::Same ? 7 : 0;
        if (bits[first] == padding) continue;
        const unsigned y = bits[first] / picture_.width, x = bits[first] % picture_.width;
        if (x % 8 != 0) continue;
        WholeByte whole{static_cast<std::size_t>(y) * ((picture_.width + 7) / 8) + x / 8, kind, 0};
        bool matches = true;
        for (unsigned k = 0; k < 8 && matches; ++k) {
            const unsigned bit = kind == ByteKind::Same ? 7 - k : k;
            const bool inside = x + k < picture_.width;
            matches = bits[bit] == (inside ? y * picture_.width + x + k : padding);
            if (inside) whole.real = static_cast<std::uint8_t>(whole.real | (1u << bit));
        }
        if (matches) return whole;
    }
    return general;
}

void FrameCoder::Unpack(const PictureCanvas& picture) {
    const std::uint8_t flip = layout_.invert ? 1 : 0;
    for (unsigned y = 0; y < picture_.height; ++y) {
        const std::uint8_t* row = picture.Row(y);
        std::uint8_t* cells = cells_.data() + static_cast<std::size_t>(y) * picture_.width;
        for (unsigned x = 0; x < picture_.width; ++x)
            cells[x] = static_cast<std::uint8_t>(((row[x / 8] >> (7 - x % 8)) & 1) ^ flip);
    }
    cells_.back() = 0;
}

void FrameCoder::Encode(const PictureCanvas& picture, std::uint8_t* bytes) {
    if (bitByBit_) Unpack(picture);
    const std::uint8_t flip = layout_.invert ? 0xFF : 0;
    const std::uint8_t* rows = picture.Row(0);
    const std::uint32_t* source = sources_.data();
    const std::uint8_t* cells = cells_.data();
    for (std::size_t i = 0; i < bytes_.size(); ++i, source += 8) {
        const WholeByte& whole = bytes_[i];
        if (whole.kind == ByteKind::Same) {
            bytes[i] = static_cast<std::uint8_t>((rows[whole.offset] ^ flip) & whole.real);
        } else if (whole.kind == ByteKind::Reversed) {
            bytes[i] = static_cast<std::uint8_t>((Reversed.value[rows[whole.offset]] ^ flip) & whole.real);
        } else {
            unsigned value = 0;
            for (unsigned bit = 0; bit < 8; ++bit) value |= static_cast<unsigned>(cells[source[bit]]) << bit;
            bytes[i] = static_cast<std::uint8_t>(value);
        }
    }
}

PictureCanvas FrameCoder::Decode(const std::uint8_t* bytes) {
    PictureCanvas picture(picture_.width, picture_.height);
    std::uint8_t* rows = picture.Row(0);
    const std::uint8_t flip = layout_.invert ? 0xFF : 0;
    if (bitByBit_) std::fill(cells_.begin(), cells_.end(), 0);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        const WholeByte& whole = bytes_[i];
        const std::uint8_t value = static_cast<std::uint8_t>((bytes[i] ^ flip) & whole.real);
        if (whole.kind == ByteKind::Same) {
            rows[whole.offset] = static_cast<std::uint8_t>(rows[whole.offset] | value);
        } else if (whole.kind == ByteKind::Reversed) {
            rows[whole.offset] = static_cast<std::uint8_t>(rows[whole.offset] | Reversed.value[value]);
        } else {
            const std::uint32_t* source = sources_.data() + i * 8;
            for (unsigned bit = 0; bit < 8; ++bit) cells_[source[bit]] = static_cast<std::uint8_t>(((bytes[i] ^ flip) >> bit) & 1);
        }
    }
    if (!bitByBit_) return picture;
    for (unsigned y = 0; y < picture_.height; ++y) {
        std::uint8_t* row = picture.Row(y);
        const std::uint8_t* cells = cells_.data() + static_cast<std::size_t>(y) * picture_.width;
        for (unsigned x = 0; x < picture_.width; ++x)
            if (cells[x]) row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80u >> (x % 8)));
    }
    return picture;
}

std::vector<std::uint32_t> FrameCoder::LitIndices(const PictureCanvas& picture) {
    std::vector<std::uint32_t> lit;
    for (std::size_t i = 0; i < path_.size(); ++i)
        if (picture.Get(path_[i].x, path_[i].y)) lit.push_back(static_cast<std::uint32_t>(i));
    return lit;
}

bool FrameCoder::SourceOfBit(std::size_t byte, unsigned bit, Cell* cell) const {
    if (byte >= FrameBytes() || bit >= 8) return false;
    const std::uint32_t source = sources_[byte * 8 + bit];
    if (source == cells_.size() - 1) return false;
    *cell = Cell{source % picture_.width, source / picture_.width};
    return true;
}

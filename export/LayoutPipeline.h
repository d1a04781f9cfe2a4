// The steps of an ExportLayout (see ExportLayout.h) as functions of their
// own, and FrameCoder, which composes them once for a picture size into a
// table: for every bit of a frame's bytes, the LED of the picture it carries.
// Encoding and decoding a frame are then one pass over that table.
#ifndef LUMIGRID_EXPORT_LAYOUTPIPELINE_H
#define LUMIGRID_EXPORT_LAYOUTPIPELINE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "export/ExportLayout.h"
#include "pattern/document/PictureCanvas.h"

struct Cell {
    unsigned x;
    unsigned y;
};

// Step 1: the LED of a picture of the given size that position (x, y) of the
// exported (rotated, then mirrored) picture shows.
Cell SourceCell(const ExportLayout& layout, PictureSize picture, unsigned x, unsigned y);
// The whole picture through step 1, and back. Invert is left to packing.
PictureCanvas TransformPicture(const PictureCanvas& picture, const ExportLayout& layout);
PictureCanvas UntransformPicture(const PictureCanvas& exported, const ExportLayout& layout);

// An LED of an exported picture, y x width + x, or padding.
typedef std::int32_t CellIndex;
constexpr CellIndex NoCell = -1;
typedef std::vector<std::vector<CellIndex>> ScanUnits;

// Steps 2 and 3: the units of an exported picture in the order they are
// scanned, tile after tile, each unit's LEDs in order.
ScanUnits ScanPicture(const ExportLayout& layout, PictureSize exported);

// Steps 4 and 5: for every bit of the frame's bytes (byte x 8 + bit, bit 0
// the least significant) the LED it carries, or NoCell for padding.
std::vector<CellIndex> PackUnits(const ExportLayout& layout, const ScanUnits& units);

class FrameCoder {
public:
    // For pictures of the given size; the layout must pass CheckLayout.
    FrameCoder(const ExportLayout& layout, PictureSize picture);

    const ExportLayout& Layout() const { return layout_; }
    PictureSize Picture() const { return picture_; }
    PictureSize Exported() const { return exported_; }
    std::size_t FrameBytes() const { return sources_.size() / 8; }

    // FrameBytes() bytes of the picture (of Picture() size).
    void Encode(const PictureCanvas& picture, std::uint8_t* bytes);
    // The picture that FrameBytes() bytes carry; padding bits are not read.
    PictureCanvas Decode(const std::uint8_t* bytes);
    // Where the LEDs of the picture go in scan order (padding left out): the
    // order in which they fill the bytes.
    const std::vector<Cell>& ScanPath() const { return path_; }
    // Positions in ScanPath() of the picture's lit LEDs: the LED indices of a
    // strip.
    std::vector<std::uint32_t> LitIndices(const PictureCanvas& picture);
    // The picture's LED that bit (0 least significant) of byte carries, or
    // false for a padding bit.
    bool SourceOfBit(std::size_t byte, unsigned bit, Cell* cell) const;

private:
    // A byte of the frame that is a byte of a picture row as it stands (most
    // significant bit leftmost, as gfx has them) or reversed (as xbm has
    // them) goes across whole; other bytes go bit by bit through the table.
    enum class ByteKind : std::uint8_t { General, Same, Reversed };
    struct WholeByte {
        std::size_t offset;   // of the picture's byte, from the start of its rows
        ByteKind kind;
        std::uint8_t real;    // the frame byte's bits that carry LEDs
    };

    WholeByte Classify(std::size_t byte) const;
    void Unpack(const PictureCanvas& picture);

    ExportLayout layout_;
    PictureSize picture_;
    PictureSize exported_;
    std::vector<std::uint32_t> sources_;   // per bit: picture cell y x width + x, or the padding cell
    std::vector<Cell> path_;
    std::vector<std::uint8_t> cells_;      // a picture a byte an LED, then the padding cell (always 0)
    std::vector<WholeByte> bytes_;
    bool bitByBit_ = false;                // some bytes are General
};

#endif

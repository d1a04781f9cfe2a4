// ExportLayout: how the LEDs of one exported picture become bytes, for code
// that drives other hardware. A fixed pipeline, each step on its own:
//
//   1. transform: rotate clockwise, then mirror; invert flips real LEDs only
//      (every padding bit is 0);
//   2. tiling: tiles left to right, then top to bottom, a partial tile padded
//      with dark LEDs (no tiles: the picture is one tile);
//   3. scan: each tile in units of rows, columns, pages (8-row bands, a band
//      column by column, each column 8 LEDs from the top) or one strip (the
//      rows one after another); serpentine reverses every odd unit (in pages
//      the order of the band's columns, in a strip every odd row);
//   4. packing: the first scanned LED of a word in its most or least
//      significant bit; each unit padded to whole words, or one continuous run
//      a frame; the frame padded to whole words at its end;
//   5. words to bytes, big- or little-endian.
//
// A picture is W x H LEDs, x to the right, y down, (0, 0) top left. With
// two planes a picture is frames 2i and 2i + 1 side by side.
#ifndef LUMIGRID_EXPORT_EXPORTLAYOUT_H
#define LUMIGRID_EXPORT_EXPORTLAYOUT_H

#include <cstdint>
#include <string>
#include <vector>

#include "pattern/document/PictureCanvas.h"

enum class Mirror : std::uint8_t { None, Horizontal, Vertical };   // horizontal: left and right swap
enum class Scan : std::uint8_t { Rows, Columns, Pages, Strip };
enum class BitOrder : std::uint8_t { Msb, Lsb };
enum class Pad : std::uint8_t { Unit, None };
enum class ByteOrder : std::uint8_t { Big, Little };

struct ExportLayout {
    Planes planes = Planes::Two;
    unsigned rotate = 0;          // clockwise: 0, 90, 180 or 270
    Mirror mirror = Mirror::None;
    bool invert = false;
    unsigned tileWidth = 0;       // both 0: no tiles
    unsigned tileHeight = 0;
    Scan scan = Scan::Rows;
    bool serpentine = false;
    BitOrder bitOrder = BitOrder::Msb;
    unsigned wordBits = 8;        // 8, 16, 32 or 64
    Pad pad = Pad::Unit;
    ByteOrder byteOrder = ByteOrder::Big;

    bool Tiled() const { return tileWidth != 0; }
    unsigned WordBytes() const { return wordBits / 8; }
    bool operator==(const ExportLayout& other) const;
    bool operator!=(const ExportLayout& other) const { return !(*this == other); }
};

// The largest tile side, and the largest side of an exported picture (two
// planes of 255 columns).
constexpr unsigned MaxTileSide = 255;
constexpr unsigned MaxExportedSide = 2 * 255;

// Empty when the layout is one the pipeline takes, else why not.
std::string CheckLayout(const ExportLayout& layout);

struct PictureSize {
    unsigned width;
    unsigned height;
    bool operator==(const PictureSize& other) const { return width == other.width && height == other.height; }
};

// A picture's size after its rotation, and back.
PictureSize ExportedSize(const ExportLayout& layout, PictureSize picture);
PictureSize PictureSizeOf(const ExportLayout& layout, PictureSize exported);

// The option values as the command line, the layout line and JSON name them.
const char* PlanesName(Planes planes);
const char* MirrorName(Mirror mirror);
const char* ScanName(Scan scan);
const char* BitOrderName(BitOrder order);
const char* PadName(Pad pad);
const char* ByteOrderName(ByteOrder order);
std::string TileName(const ExportLayout& layout);   // "none" or "8x8"
bool ParsePlanes(const std::string& text, Planes* planes);
bool ParseMirror(const std::string& text, Mirror* mirror);
bool ParseScan(const std::string& text, Scan* scan);
bool ParseBitOrder(const std::string& text, BitOrder* order);
bool ParsePad(const std::string& text, Pad* pad);
bool ParseByteOrder(const std::string& text, ByteOrder* order);
bool ParseTile(const std::string& text, ExportLayout* layout);
bool ParseRotate(const std::string& text, unsigned* degrees);
bool ParseWordBits(const std::string& text, unsigned* bits);

// What the layout line of an export says: the layout and the exported size.
struct LayoutLine {
    ExportLayout layout;
    PictureSize size{0, 0};       // of an exported frame, after rotation
    std::uint32_t frames = 0;
};

extern const char LayoutLineMark[];   // "lumigrid-layout:"

// "lumigrid-layout: planes=two scan=rows ..." with the size and frame count.
std::string FormatLayoutLine(const LayoutLine& line);
// Reads the text after the mark up to the end of its line (a closing "*/"
// is allowed). Empty when sound, else why not.
std::string ParseLayoutLine(const std::string& text, LayoutLine* line);

// The layout in words, a sentence a line, for the header of an output.
std::vector<std::string> DescribeLayout(const ExportLayout& layout, PictureSize exported);

#endif

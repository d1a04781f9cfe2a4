#include "export/ExportLayout.h"

#include <cstdlib>
#include <sstream>

const char LayoutLineMark[] = "lumigrid-layout:";

bool ExportLayout::operator==(const ExportLayout& other) const {
    return planes == other.planes && rotate == other.rotate && mirror == other.mirror && invert == other.invert &&
           tileWidth == other.tileWidth && tileHeight == other.tileHeight && scan == other.scan &&
           serpentine == other.serpentine && bitOrder == other.bitOrder && wordBits == other.wordBits &&
           pad == other.pad && byteOrder == other.byteOrder;
}

std::string CheckLayout(const ExportLayout& layout) {
    if (layout.planes != Planes::One && layout.planes != Planes::Two) return "planes must be one or two";
    if (layout.rotate % 90 != 0 || layout.rotate >= 360) return "rotate takes 0, 90, 180 or 270";
    if (layout.wordBits != 8 && layout.wordBits != 16 && layout.wordBits != 32 && layout.wordBits != 64)
        return "word takes 8, 16, 32 or 64";
    if ((layout.tileWidth == 0) != (layout.tileHeight == 0)) return "a tile needs a width and a height";
    if (layout.tileWidth > MaxTileSide || layout.tileHeight > MaxTileSide)
        return "a tile has at most " + std::to_string(MaxTileSide) + " LEDs a side";
    return std::string();
}

PictureSize ExportedSize(const ExportLayout& layout, PictureSize picture) {
    if (layout.rotate == 90 || layout.rotate == 270) return PictureSize{picture.height, picture.width};
    return picture;
}

PictureSize PictureSizeOf(const ExportLayout& layout, PictureSize exported) {
    return ExportedSize(layout, exported);   // a quarter turn swaps the sides either way
}

namespace {

const char* const PlanesNames[] = {"one", "two"};
const char* const MirrorNames[] = {"none", "horizontal", "vertical"};
const char* const ScanNames[] = {"rows", "columns", "pages", "strip"};
const char* const BitOrderNames[] = {"msb", "lsb"};
const char* const PadNames[] = {"unit", "none"};
const char* const ByteOrderNames[] = {"big", "little"};

template <typename Value, std::size_t Count>
bool ParseName(const std::string& text, const char* const (&names)[Count], Value* value) {
    for (std::size_t i = 0; i < Count; ++i)
        if (text == names[i]) {
            *value = static_cast<Value>(i);
            return true;
        }
    return false;
}

// A whole decimal number from first to last, at most limit.
bool ParseNumber(const std::string& text, unsigned long limit, unsigned long* value) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *value = std::strtoul(text.c_str(), nullptr, 10);
    return *value <= limit;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

bool ParseYesNo(const std::string& text, bool* value) {
    if (text != "yes" && text != "no") return false;
    *value = text == "yes";
    return true;
}

}  // namespace

const char* PlanesName(Planes planes) { return PlanesNames[planes == Planes::Two]; }
const char* MirrorName(Mirror mirror) { return MirrorNames[static_cast<int>(mirror)]; }
const char* ScanName(Scan scan) { return ScanNames[static_cast<int>(scan)]; }
const char* BitOrderName(BitOrder order) { return BitOrderNames[static_cast<int>(order)]; }
const char* PadName(Pad pad) { return PadNames[static_cast<int>(pad)]; }
const char* ByteOrderName(ByteOrder order) { return ByteOrderNames[static_cast<int>(order)]; }

std::string TileName(const ExportLayout& layout) {
    if (!layout.Tiled()) return "none";
    return std::to_string(layout.tileWidth) + "x" + std::to_string(layout.tileHeight);
}

bool ParsePlanes(const std::string& text, Planes* planes) {
    if (text != "one" && text != "two") return false;
    *planes = text == "one" ? Planes::One : Planes::Two;
    return true;
}
bool ParseMirror(const std::string& text, Mirror* mirror) { return ParseName(text, MirrorNames, mirror); }
bool ParseScan(const std::string& text, Scan* scan) { return ParseName(text, ScanNames, scan); }
bool ParseBitOrder(const std::string& text, BitOrder* order) { return ParseName(text, BitOrderNames, order); }
bool ParsePad(const std::string& text, Pad* pad) { return ParseName(text, PadNames, pad); }
bool ParseByteOrder(const std::string& text, ByteOrder* order) { return ParseName(text, ByteOrderNames, order); }

bool ParseTile(const std::string& text, ExportLayout* layout) {
    if (text == "none") {
        layout->tileWidth = layout->tileHeight = 0;
        return true;
    }
    const std::size_t by = text.find('x');
    unsigned long width = 0, height = 0;
    if (by == std::string::npos || !ParseNumber(text.substr(0, by), MaxTileSide, &width) ||
        !ParseNumber(text.substr(by + 1), MaxTileSide, &height) || width == 0 || height == 0)
        return false;
    layout->tileWidth = static_cast<unsigned>(width);
    layout->tileHeight = static_cast<unsigned>(height);
    return true;
}

bool ParseRotate(const std::string& text, unsigned* degrees) {
    unsigned long value = 0;
    if (!ParseNumber(text, 270, &value) || value % 90 != 0) return false;
    *degrees = static_cast<unsigned>(value);
    return true;
}

bool ParseWordBits(const std::string& text, unsigned* bits) {
    unsigned long value = 0;
    if (!ParseNumber(text, 64, &value) || (value != 8 && value != 16 && value != 32 && value != 64)) return false;
    *bits = static_cast<unsigned>(value);
    return true;
}

std::string FormatLayoutLine(const LayoutLine& line) {
    const ExportLayout& layout = line.layout;
    std::ostringstream text;
    text << LayoutLineMark << " planes=" << PlanesName(layout.planes) << " scan=" << ScanName(layout.scan)
         << " bit-order=" << BitOrderName(layout.bitOrder) << " word=" << layout.wordBits
         << " pad=" << PadName(layout.pad) << " serpentine=" << YesNo(layout.serpentine)
         << " invert=" << YesNo(layout.invert) << " rotate=" << layout.rotate << " mirror=" << MirrorName(layout.mirror)
         << " tile=" << TileName(layout) << " byte-order=" << ByteOrderName(layout.byteOrder)
         << " width=" << line.size.width << " height=" << line.size.height << " frames=" << line.frames;
    return text.str();
}

namespace {

// One key=value of the layout line into line; false when the value is not one
// the key takes.
bool ParseLayoutField(const std::string& key, const std::string& value, LayoutLine* line, bool* known) {
    ExportLayout& layout = line->layout;
    unsigned long number = 0;
    *known = true;
    if (key == "planes") return ParsePlanes(value, &layout.planes);
    if (key == "scan") return ParseScan(value, &layout.scan);
    if (key == "bit-order") return ParseBitOrder(value, &layout.bitOrder);
    if (key == "word") return ParseWordBits(value, &layout.wordBits);
    if (key == "pad") return ParsePad(value, &layout.pad);
    if (key == "serpentine") return ParseYesNo(value, &layout.serpentine);
    if (key == "invert") return ParseYesNo(value, &layout.invert);
    if (key == "rotate") return ParseRotate(value, &layout.rotate);
    if (key == "mirror") return ParseMirror(value, &layout.mirror);
    if (key == "tile") return ParseTile(value, &layout);
    if (key == "byte-order") return ParseByteOrder(value, &layout.byteOrder);
    if (key == "width" || key == "height") {
        if (!ParseNumber(value, MaxExportedSide, &number) || number == 0) return false;
        (key == "width" ? line->size.width : line->size.height) = static_cast<unsigned>(number);
        return true;
    }
    if (key == "frames") {
        if (!ParseNumber(value, LedPattern::MaxFrames, &number) || number == 0) return false;
        line->frames = static_cast<std::uint32_t>(number);
        return true;
    }
    *known = false;
    return false;
}

}  // namespace

std::string ParseLayoutLine(const std::string& text, LayoutLine* line) {
    *line = LayoutLine();
    std::string rest = text.substr(0, text.find_first_of("\r\n"));
    const std::size_t close = rest.find("*/");
    if (close != std::string::npos) rest.erase(close);
    std::istringstream words(rest);
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) return "\"" + word + "\" is not key=value";
        const std::string key = word.substr(0, equals), value = word.substr(equals + 1);
        bool known = false;
        if (!ParseLayoutField(key, value, line, &known))
            return known ? "\"" + value + "\" is not a value of " + key : "unknown key \"" + key + "\"";
    }
    if (line->size.width == 0 || line->size.height == 0 || line->frames == 0)
        return "the layout line needs width, height and frames";
    return CheckLayout(line->layout);
}

namespace {

std::string ScanWords(const ExportLayout& layout) {
    const char* serpentine = layout.serpentine ? ", every second one reversed (serpentine)" : "";
    switch (layout.scan) {
    case Scan::Rows: return std::string("Scanned by rows from the top, each from the left") + serpentine + ".";
    case Scan::Columns: return std::string("Scanned by columns from the left, each from the top") + serpentine + ".";
    case Scan::Pages:
        return std::string("Scanned by pages: bands of 8 rows from the top, each band column by column from the "
                           "left") + (layout.serpentine ? " (from the right in every second band)" : "") +
               ", each column 8 LEDs from the top (bit k of a column's byte: row 8 x band + k when lsb first).";
    case Scan::Strip:
        return std::string("Scanned as one strip: the rows from the top, each from the left") +
               (layout.serpentine ? ", every second row from the right (serpentine)" : "") + ".";
    }
    return std::string();
}

}  // namespace

std::vector<std::string> DescribeLayout(const ExportLayout& layout, PictureSize exported) {
    std::vector<std::string> lines;
    lines.push_back("Each frame is a picture of " + std::to_string(exported.width) + " x " +
                    std::to_string(exported.height) + " LEDs" +
                    (layout.planes == Planes::Two ? ": frames 2i and 2i + 1 of the pattern side by side (two planes)."
                                                  : ": one frame of the pattern (one plane)."));
    std::string transform = layout.rotate ? "Rotated " + std::to_string(layout.rotate) + " degrees clockwise"
                                          : std::string("Not rotated");
    transform += layout.mirror == Mirror::None         ? ", not mirrored"
                 : layout.mirror == Mirror::Horizontal ? ", then mirrored left to right"
                                                       : ", then mirrored top to bottom";
    transform += layout.invert ? "; a lit LED is 0, a dark one 1 (inverted)" : "; a lit LED is 1, a dark one 0";
    lines.push_back(transform + "; padding bits are always 0.");
    if (layout.Tiled())
        lines.push_back("In tiles of " + std::to_string(layout.tileWidth) + " x " + std::to_string(layout.tileHeight) +
                        ", left to right, then top to bottom; a partial tile is padded with dark LEDs.");
    lines.push_back(ScanWords(layout));
    std::string packing = std::to_string(layout.wordBits) + "-bit words, the first LED of a word in its " +
                          (layout.bitOrder == BitOrder::Msb ? "most" : "least") + " significant bit; ";
    const char* unit = layout.scan == Scan::Rows ? "row" : layout.scan == Scan::Columns ? "column"
                       : layout.scan == Scan::Pages ? "band" : layout.Tiled() ? "tile" : "frame";
    packing += layout.pad == Pad::Unit ? std::string("each ") + unit + " padded to whole words."
                                       : std::string("one continuous run a frame, padded to whole words at its end.");
    lines.push_back(packing);
    if (layout.wordBits > 8)
        lines.push_back(layout.byteOrder == ByteOrder::Big ? "Words stored big-endian: most significant byte first."
                                                           : "Words stored little-endian: least significant byte first.");
    return lines;
}

#include "export/CodeText.h"

#include <algorithm>

#include "export/LayoutPresets.h"

namespace {

const char HexDigits[] = "0123456789ABCDEF";
const unsigned MaxValuesPerLine = 16;
const unsigned LitPerLine = 16;

// "#" for lit, "." for dark, eight LEDs a byte; made by the compiler, so
// that no program start pays for it.
struct ArtBytes {
    char text[256][8] = {};
    constexpr ArtBytes() {
        for (unsigned value = 0; value < 256; ++value)
            for (unsigned bit = 0; bit < 8; ++bit) text[value][bit] = (value & (0x80u >> bit)) ? '#' : '.';
    }
};
constexpr ArtBytes Art;

std::size_t DecimalDigits(std::uint64_t value) {
    std::size_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

std::uint64_t Largest(unsigned bits) { return bits >= 64 ? ~0ull : (1ull << bits) - 1; }

}  // namespace

ValueText::ValueText(NumberBase base, unsigned bits, bool padded, const char* suffix)
    : base_(base), bits_(bits), padded_(padded), suffix_(suffix), width_(0) {
    width_ = Format(Largest(bits)).size();
    if (bits == 8)
        for (unsigned value = 0; value < 256; ++value) bytes_.push_back(Format(value));
}

std::string ValueText::Format(std::uint64_t value) const {
    std::string text;
    if (base_ == NumberBase::Hex) {
        text = "0x";
        for (unsigned shift = bits_; shift > 0; shift -= 4) text += HexDigits[(value >> (shift - 4)) & 0xF];
    } else if (base_ == NumberBase::Bin) {
        text = "0b";
        for (unsigned shift = bits_; shift > 0; --shift) text += ((value >> (shift - 1)) & 1) ? '1' : '0';
    } else {
        text = std::to_string(value);
        if (padded_) text.insert(0, DecimalDigits(Largest(bits_)) - text.size(), ' ');
    }
    return text + suffix_;
}

void ValueText::Append(std::string& out, std::uint64_t value) const {
    if (!bytes_.empty()) out += bytes_[value & 0xFF];
    else out += Format(value);
}

std::uint64_t WordAt(const std::uint8_t* bytes, unsigned wordBytes, ByteOrder order) {
    std::uint64_t word = 0;
    for (unsigned i = 0; i < wordBytes; ++i)
        word = (word << 8) | bytes[order == ByteOrder::Big ? i : wordBytes - 1 - i];
    return word;
}

unsigned ValuesPerLine(const ExportOptions& options, const FrameCoder& coder, unsigned valueBits) {
    if (options.valuesPerLine != 0) return options.valuesPerLine;
    const ExportLayout& layout = coder.Layout();
    const PictureSize exported = coder.Exported();
    const unsigned tileWidth = layout.Tiled() ? layout.tileWidth : exported.width;
    const unsigned tileHeight = layout.Tiled() ? layout.tileHeight : exported.height;
    const std::size_t tiles = static_cast<std::size_t>((exported.width + tileWidth - 1) / tileWidth) *
                              ((exported.height + tileHeight - 1) / tileHeight);
    const std::size_t units = tiles * (layout.scan == Scan::Rows      ? tileHeight
                                       : layout.scan == Scan::Columns ? tileWidth
                                       : layout.scan == Scan::Pages   ? (tileHeight + 7) / 8
                                                                      : 1);
    const std::size_t values = coder.FrameBytes() * 8 / valueBits;
    if (layout.Tiled() && values % tiles == 0 && values / tiles <= MaxValuesPerLine)
        return static_cast<unsigned>(values / tiles);
    if (layout.pad == Pad::Unit && values % units == 0) {
        const std::size_t perUnit = values / units;
        if ((layout.scan == Scan::Rows && !layout.Tiled()) || perUnit <= MaxValuesPerLine)
            return static_cast<unsigned>(perUnit);
    }
    return static_cast<unsigned>(std::min<std::size_t>(values, MaxValuesPerLine));
}

void AppendArtRow(std::string& out, const PictureCanvas& picture, unsigned y) {
    const std::uint8_t* row = picture.Row(y);
    for (unsigned x = 0; x < picture.Width(); x += 8) out.append(Art.text[row[x / 8]], std::min(8u, picture.Width() - x));
}

void AppendFrameValues(std::string& out, ExportFrames& frames, const ValueText& text, const ValueLines& lines) {
    const std::vector<std::uint8_t>& bytes = frames.Bytes();
    const unsigned wordBytes = lines.valueBits / 8;
    const ByteOrder order = frames.Layout().byteOrder;
    const std::size_t values = bytes.size() / wordBytes;
    const std::size_t valueLines = (values + lines.perLine - 1) / lines.perLine;
    const PictureCanvas* art = lines.comment ? &frames.Shown() : nullptr;
    const std::size_t artRows = art ? art->Height() : 0;
    const std::size_t fullWidth = lines.perLine * (text.Width() + 2) - 1;
    std::size_t value = 0;
    for (std::size_t line = 0; line < std::max(valueLines, artRows); ++line) {
        out += lines.indent;
        const std::size_t start = out.size();
        for (unsigned i = 0; i < lines.perLine && value < values; ++i, ++value) {
            if (i) out += ' ';
            text.Append(out, WordAt(bytes.data() + value * wordBytes, wordBytes, order));
            out += ',';
        }
        if (line < artRows) {
            out.append(start + fullWidth - std::min(out.size(), start + fullWidth), ' ');
            out += "  ";
            out += lines.comment;
            out += ' ';
            AppendArtRow(out, *art, static_cast<unsigned>(line));
        }
        out += '\n';
    }
}

std::vector<std::string> HeaderLines(const ExportFrames& frames, const ExportOptions& options,
                                     const std::string& name) {
    const PictureSize size = frames.Exported();
    const std::uint64_t total = static_cast<std::uint64_t>(frames.FrameBytes()) * frames.Count();
    std::vector<std::string> lines;
    lines.push_back(name + ": " + std::to_string(frames.Count()) + (frames.Count() == 1 ? " frame" : " frames") +
                    " of " + std::to_string(size.width) + " x " + std::to_string(size.height) + " LEDs, " +
                    std::to_string(frames.FrameBytes()) + " bytes a frame, " + std::to_string(total) +
                    " bytes in all; exported by Lumigrid.");
    const LayoutPreset* preset = PresetOfLayout(frames.Layout());
    lines.push_back(preset ? std::string("Layout ") + preset->name + ", for " + preset->readers + "."
                           : std::string("A layout of its own: no preset gives these bytes."));
    for (const std::string& line : DescribeLayout(frames.Layout(), size)) lines.push_back(line);
    lines.push_back("Delays: " + std::to_string(frames.DelayMilliseconds()) +
                    " ms a frame (the pattern's wait times a tick of " + std::to_string(options.tickMilliseconds) +
                    " ms for Normal and On-Off, one tick for Animation and Scroll).");
    return lines;
}

std::string LayoutLineOf(const ExportFrames& frames) {
    LayoutLine line;
    line.layout = frames.Layout();
    line.size = frames.Exported();
    line.frames = frames.Count();
    return FormatLayoutLine(line);
}

void AppendComments(std::string& out, const std::vector<std::string>& lines, const char* mark) {
    for (const std::string& line : lines) {
        out += mark;
        if (!line.empty()) out += ' ';
        out += line;
        out += '\n';
    }
}

void AppendLitComments(std::string& out, const std::vector<std::uint32_t>& lit, const std::string& indent,
                       const char* mark) {
    if (lit.empty()) {
        out += indent + mark + " lit LEDs: none\n";
        return;
    }
    for (std::size_t i = 0; i < lit.size(); ++i) {
        if (i % LitPerLine == 0) out += indent + mark + (i == 0 ? " lit LEDs:" : "          ");
        out += ' ';
        out += std::to_string(lit[i]);
        if (i % LitPerLine == LitPerLine - 1 || i + 1 == lit.size()) out += '\n';
    }
}

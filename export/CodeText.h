// What the text languages share: values in a base, a frame's values in lines
// with its picture beside them, and the header that states the layout in
// words and in the layout line.
#ifndef LUMIGRID_EXPORT_CODETEXT_H
#define LUMIGRID_EXPORT_CODETEXT_H

#include <cstdint>
#include <string>
#include <vector>

#include "export/ExportFrames.h"
#include "export/ExportOptions.h"

// Values of one width in one base: "0xC0", "0b11000000", "192". Padded
// values are right-aligned to the widest value, so that columns line up.
class ValueText {
public:
    ValueText(NumberBase base, unsigned bits, bool padded, const char* suffix = "");
    void Append(std::string& out, std::uint64_t value) const;
    // Characters of a padded value.
    std::size_t Width() const { return width_; }

private:
    std::string Format(std::uint64_t value) const;

    NumberBase base_;
    unsigned bits_;
    bool padded_;
    std::string suffix_;
    std::size_t width_;
    std::vector<std::string> bytes_;   // every byte's text, for 8-bit values
};

// The word of wordBytes bytes at bytes, in the byte order.
std::uint64_t WordAt(const std::uint8_t* bytes, unsigned wordBytes, ByteOrder order);

// How the values of a frame stand in lines.
struct ValueLines {
    std::string indent;           // before every line
    const char* comment;          // the language's line comment, for the art; null: no art
    unsigned valueBits;           // 8, or C's words
    unsigned perLine;
};

// Values a line when the options leave it to the layout: a row for rows,
// a tile for tiles (up to 16), a unit up to 16, else 16.
unsigned ValuesPerLine(const ExportOptions& options, const FrameCoder& coder, unsigned valueBits);

// The current frame's values, each followed by a comma, perLine a line; the
// art (# lit, . dark) of the exported picture beside them, a row a line,
// in further comment lines when the rows outnumber the lines.
void AppendFrameValues(std::string& out, ExportFrames& frames, const ValueText& text, const ValueLines& lines);

// The picture's row y as # and . characters.
void AppendArtRow(std::string& out, const PictureCanvas& picture, unsigned y);

// The lines every header has, without comment marks: what is exported, the
// preset, the layout in words and the delays.
std::vector<std::string> HeaderLines(const ExportFrames& frames, const ExportOptions& options,
                                     const std::string& name);
// The layout line of this export.
std::string LayoutLineOf(const ExportFrames& frames);
// Each line after the comment mark and a space.
void AppendComments(std::string& out, const std::vector<std::string>& lines, const char* mark);
// The LED indices of the current frame in comment lines, 16 a line.
void AppendLitComments(std::string& out, const std::vector<std::uint32_t>& lit, const std::string& indent,
                       const char* mark);

#endif

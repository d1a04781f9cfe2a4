// The readers of exported text, before what they found is checked against
// its layout (ExportReader.cpp does that for all of them alike).
#ifndef LUMIGRID_EXPORT_READBACK_H
#define LUMIGRID_EXPORT_READBACK_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "export/ExportLayout.h"
#include "export/ExportReader.h"

// A bracketed group of values in the text, such as one frame's.
struct ValueGroup {
    std::size_t bytes;
    unsigned long line;
};

struct ReadBack {
    bool hasLayout = false;          // from the text's layout line or block
    LayoutLine line;                 // its layout, size and frames
    PictureSize size{0, 0};          // a size the text says otherwise (XBM's, JSON's)
    bool stacked = false;            // XBM: the frames stacked in one image of that size
    std::string name;
    unsigned valueBits = 8;          // of the values; wider words are kept big-endian
    std::vector<std::uint8_t> bytes;
    std::vector<ValueGroup> groups;  // the groups that held the values directly
    std::vector<std::uint32_t> delays;
    unsigned long endLine = 0;       // where the values end
};

// C, C++, Python, Rust, XBM and pasted code.
bool ReadCodeText(const char* text, std::size_t size, ReadBack* read, ExportReadError* error);
// JSON as the exporter writes it.
bool ReadJsonText(const char* text, std::size_t size, ReadBack* read, ExportReadError* error);

// The line of the byte at offset; the line ends from one place to another.
unsigned long LineAt(const char* text, std::size_t offset);
unsigned long LinesBetween(const char* from, const char* to);

#endif

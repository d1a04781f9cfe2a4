// Exported code taken back into a pattern from a file, for lumigrid-cli
// import: text the exporter wrote (C, Python, JSON, XBM, Rust) by its layout
// line, pasted code and binary data by the layout and size the caller gives.
#ifndef LUMIGRID_EXPORT_CODEIMPORT_H
#define LUMIGRID_EXPORT_CODEIMPORT_H

#include <cstdint>
#include <string>

#include "export/ExportReader.h"

// The largest file read back: the largest export (255 x 255 x 2048 in
// binary digits with its comments) with room to spare.
constexpr std::uint64_t MaxCodeFileBytes = 1024ull * 1024 * 1024;

// Whether the file is code rather than a picture: its extension is one the
// exporter writes (.h .hpp .c .py .json .xbm .rs .bin), or its start holds a
// layout line or a JSON object.
bool IsExportedCodeFile(const char* path);

struct CodeImport {
    std::string problem;            // empty when made: "line N: reason", or the reason
    std::uint32_t pictures = 0;
    bool fromLayoutLine = false;
};

// Reads the file and makes pattern of its frames. Binary when the extension
// is .bin or the start holds bytes no text has; binary and text without a
// layout line need hints' layout and size.
CodeImport ImportExportedCode(const char* path, const ReadHints& hints, LedPattern& pattern);

#endif

// CodeExport: a pattern's pictures as code for the user's own hardware, the
// one entry of lumigrid-cli export and of the editor's Export Code dialog.
//
// Every export is read back through ExportReader, the reader that import
// uses, and its frames compared with the pictures they came from before
// anything is handed out or written: an output that does not round-trip is
// an error, and nothing is returned.
#ifndef LUMIGRID_EXPORT_CODEEXPORT_H
#define LUMIGRID_EXPORT_CODEEXPORT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "export/ExportOptions.h"
#include "pattern/document/LedPattern.h"

struct ExportResult {
    std::string error;                   // empty when made; else why nothing was made
    bool writeFailed = false;            // WriteExportFile: the file system refused (see CFile::LastErrorCode)
    std::string output;                  // the file's bytes; for HEX the bytes its records carry
    std::string name;                    // the identifier the code uses
    PictureSize size{0, 0};              // of an exported frame
    std::uint32_t frames = 0;
    std::size_t frameBytes = 0;
    std::uint64_t dataBytes = 0;         // what sits in flash: the frames, and the delays of code
    std::string summary;                 // "6 bytes a frame, 12 bytes in all (0.1% of the ...)"
    double flashPercent = -1;            // the data's share of the controller's flash; -1 without one
    std::vector<std::string> warnings;   // what breaks silently on the controller
    bool avrArrayTooLarge = false;       // which of them: an array over avr-gcc's 32767 bytes
    bool avrFarData = false;             // data past the 64 KiB that pgm_read_byte reaches

    bool Made() const { return error.empty(); }
};

// The most data one export makes.
constexpr std::uint64_t MaxExportDataBytes = 256u * 1024 * 1024;

// The name the code uses: the options' name, else the pattern file's, else
// "pattern"; made an identifier.
std::string ExportName(const LedPattern& pattern, const ExportOptions& options);

// What the export would make, without making it: the name, the sizes, the
// flash share and the warnings, or why it cannot be made. Cheap at any size,
// for the editor's dialog to say as its choices change.
ExportResult PlanExport(const LedPattern& pattern, const ExportOptions& options);
// The output in memory, checked by reading it back.
ExportResult ExportCode(const LedPattern& pattern, const ExportOptions& options);
// The same written to path ("-": the standard output) through the safe
// replacement of a file, HEX through the HEX writer; the target is left as
// it was when anything fails.
ExportResult WriteExportFile(const LedPattern& pattern, const ExportOptions& options, const char* path);

#endif

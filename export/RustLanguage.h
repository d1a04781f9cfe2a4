// Rust (embedded-hal drivers and the like): the size as constants, the
// frames as a static array of byte arrays, and the delays.
#ifndef LUMIGRID_EXPORT_RUSTLANGUAGE_H
#define LUMIGRID_EXPORT_RUSTLANGUAGE_H

#include <string>

#include "export/ExportFrames.h"
#include "export/ExportOptions.h"

void WriteRustLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name,
                       std::string& out);

#endif

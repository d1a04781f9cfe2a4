// JSON: the name, the size, the layout with every option by name, and each
// frame's delay, bytes (decimal) and rows (# lit, . dark).
#ifndef LUMIGRID_EXPORT_JSONLANGUAGE_H
#define LUMIGRID_EXPORT_JSONLANGUAGE_H

#include <string>

#include "export/ExportFrames.h"
#include "export/ExportOptions.h"

void WriteJsonLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name,
                       std::string& out);

#endif

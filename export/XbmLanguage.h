// XBM: the X11 bitmap form, the frames stacked top to bottom in one image of
// W x (H x frames), which in the xbm layout is byte for byte the frames one
// after the other, so that any XBM reader opens it. No pictures beside the
// values: readers take nothing but numbers there.
#ifndef LUMIGRID_EXPORT_XBMLANGUAGE_H
#define LUMIGRID_EXPORT_XBMLANGUAGE_H

#include <string>

#include "export/ExportFrames.h"
#include "export/ExportOptions.h"

// The options must have the xbm layout (CheckExportOptions).
void WriteXbmLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name, std::string& out);

#endif

// Python (CPython and MicroPython): the size, the frames as a tuple of bytes
// (one a frame) and the delays; the header names the framebuf format that
// reads a frame as it stands, where one does.
#ifndef LUMIGRID_EXPORT_PYTHONLANGUAGE_H
#define LUMIGRID_EXPORT_PYTHONLANGUAGE_H

#include <string>

#include "export/ExportFrames.h"
#include "export/ExportOptions.h"

void WritePythonLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name,
                         std::string& out);

#endif

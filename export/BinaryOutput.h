// Binary: the frames' bytes one after the other, nothing else.
#ifndef LUMIGRID_EXPORT_BINARYOUTPUT_H
#define LUMIGRID_EXPORT_BINARYOUTPUT_H

#include <string>

#include "export/ExportFrames.h"

void WriteBinaryOutput(ExportFrames& frames, std::string& out);

#endif

// C and C++ (Arduino, AVR, ESP, ARM): a header with the size macros, the
// frames as const arrays in flash (PROGMEM on AVR, nothing elsewhere) and
// the delays. It compiles without a warning as C99 and C++11; with binary
// values it needs C++14 or GNU C, and its header says so.
#ifndef LUMIGRID_EXPORT_CLANGUAGE_H
#define LUMIGRID_EXPORT_CLANGUAGE_H

#include <string>

#include "export/ExportFrames.h"
#include "export/ExportOptions.h"

void WriteCLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name, std::string& out);

#endif

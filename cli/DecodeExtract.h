// lumigrid-cli decode --extract DIR: the patterns and the display list that
// build the file's display program again, written to DIR, with the build
// command line that does it, checked by building it.
#ifndef LUMIGRID_CLI_DECODEEXTRACT_H
#define LUMIGRID_CLI_DECODEEXTRACT_H

#include <ostream>
#include <string>

#include "cli/DecodedFile.h"

// Writes DIR/pattern-NNN.led and DIR/list.ll; files already there only when
// forced. On failure nothing the run wrote is left behind.
int ExtractPatterns(const DecodedFile& file, const std::string& directory, bool force, std::ostream& out,
                    std::ostream& err);

#endif

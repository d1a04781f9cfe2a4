// lumigrid-cli decode --render DIR: every frame of the file's display
// program drawn as render draws a pattern's frame, one PNG each.
#ifndef LUMIGRID_CLI_DECODERENDER_H
#define LUMIGRID_CLI_DECODERENDER_H

#include <ostream>
#include <string>

#include "cli/DecodedFile.h"

// Writes DIR/pattern-NNN-frame-MMMM.png at scale pixels a LED; files already
// there only when forced. On failure nothing the run wrote is left behind.
int RenderDecodedFrames(const DecodedFile& file, const std::string& directory, unsigned scale, bool force,
                        std::ostream& out, std::ostream& err);

#endif

// lumigrid-cli decode: a HEX file read back. Checks it, lists its display
// program, and recovers the patterns and the display list that build it
// again (--extract) or draws every frame (--render).
#ifndef LUMIGRID_CLI_DECODECOMMAND_H
#define LUMIGRID_CLI_DECODECOMMAND_H

#include "cli/CommandLine.h"

void AddDecodeCommand(CLI::App& program, CliContext& context);

#endif

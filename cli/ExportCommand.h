// lumigrid-cli export: a pattern's pictures as code for the user's own
// hardware (C, Python, JSON, XBM, Rust, binary or data-only HEX) in the byte
// layout of the controller they drive.
#ifndef LUMIGRID_CLI_EXPORTCOMMAND_H
#define LUMIGRID_CLI_EXPORTCOMMAND_H

#include "cli/CommandLine.h"

void AddExportCommand(CLI::App& program, CliContext& context);

#endif

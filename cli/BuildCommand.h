// lumigrid-cli build: the HEX file of a display list, as the editor writes it.
#ifndef LUMIGRID_CLI_BUILDCOMMAND_H
#define LUMIGRID_CLI_BUILDCOMMAND_H

#include "cli/CommandLine.h"

void AddBuildCommand(CLI::App& program, CliContext& context);

#endif

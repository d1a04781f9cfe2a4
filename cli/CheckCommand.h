// lumigrid-cli check: what each entry of a display list adds, or why it is skipped.
#ifndef LUMIGRID_CLI_CHECKCOMMAND_H
#define LUMIGRID_CLI_CHECKCOMMAND_H

#include "cli/CommandLine.h"

void AddCheckCommand(CLI::App& program, CliContext& context);

#endif

// lumigrid-cli show: a pattern file's header and frames as text.
#ifndef LUMIGRID_CLI_SHOWCOMMAND_H
#define LUMIGRID_CLI_SHOWCOMMAND_H

#include "cli/CommandLine.h"

void AddShowCommand(CLI::App& program, CliContext& context);

#endif

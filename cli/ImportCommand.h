// lumigrid-cli import: a pattern file made of pictures.
#ifndef LUMIGRID_CLI_IMPORTCOMMAND_H
#define LUMIGRID_CLI_IMPORTCOMMAND_H

#include "cli/CommandLine.h"

void AddImportCommand(CLI::App& program, CliContext& context);

#endif

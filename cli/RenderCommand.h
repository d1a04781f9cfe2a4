// lumigrid-cli render: a pattern file drawn as the editor shows it, to a PNG.
#ifndef LUMIGRID_CLI_RENDERCOMMAND_H
#define LUMIGRID_CLI_RENDERCOMMAND_H

#include "cli/CommandLine.h"

void AddRenderCommand(CLI::App& program, CliContext& context);

#endif

// lumigrid-cli effect: a pattern's frames with effects baked around each
// (EffectSequence.h), as the editor's Effects dialog makes them.
#ifndef LUMIGRID_CLI_EFFECTCOMMAND_H
#define LUMIGRID_CLI_EFFECTCOMMAND_H

#include "cli/CommandLine.h"

void AddEffectCommand(CLI::App& program, CliContext& context);

#endif

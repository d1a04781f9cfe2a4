// lumigrid-cli text: a pattern of a text drawn in a font (see TextLayout.h
// for how it is laid out, FontChoice.h for the fonts).
#ifndef LUMIGRID_CLI_TEXTCOMMAND_H
#define LUMIGRID_CLI_TEXTCOMMAND_H

#include <string>
#include <vector>

#include "cli/CommandLine.h"

void AddTextCommand(CLI::App& program, CliContext& context);

// The whole command line (program name first) as UTF-8, where the narrow
// arguments lose text: on Windows they are in the system code page, so main
// hands over the console's Unicode command line and TEXT is taken from it.
void UseUnicodeArguments(std::vector<std::string> arguments);

#endif

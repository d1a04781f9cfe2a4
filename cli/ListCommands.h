// lumigrid-cli list: display list files made and edited from scripts, with
// the editor's rules. Entries are counted from 0.
//
//   list new LIST.ll                       an empty list; never over an existing file
//   list add LIST.ll PATTERN.led... [--at INDEX]
//   list reset LIST.ll [--at INDEX]        a ":Reset" entry
//   list remove LIST.ll INDEX
//   list show LIST.ll                      "INDEX: TEXT" for each entry
//
// add and reset make LIST.ll when it does not exist yet and insert before
// entry INDEX, or append without --at. Patterns are stored as full paths, as
// the editor stores them, and only files that load as patterns are taken.
// Every edit rewrites the list beside it and puts it in place when complete.
// A list file holding text that a list cannot keep (a line too long, a NUL
// byte, text after the last line end) is not edited, since the rewrite would
// lose that text.
#ifndef LUMIGRID_CLI_LISTCOMMANDS_H
#define LUMIGRID_CLI_LISTCOMMANDS_H

#include "cli/CommandLine.h"

void AddListCommands(CLI::App& program, CliContext& context);

#endif

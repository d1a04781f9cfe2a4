// lumigrid-cli: the document core on the command line. RunCli is the whole
// program; main only hands it the process's arguments and streams, so tests
// run every command in-process.
#ifndef LUMIGRID_CLI_CLI_H
#define LUMIGRID_CLI_CLI_H

#include <ostream>

#include "cli/CommandLine.h"

// Exit statuses.
enum CliStatus { CliSuccess = 0, CliFailure = 1, CliUsageError = 2 };

// Every command with its arguments, options and help, as RunCli reads them;
// the man page and the shell completion are made from the same.
void DefineCommands(CLI::App& program, CliContext& context);

int RunCli(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

// The whole program on the process's standard streams: RunCli, then the
// standard output put out and checked, since a write to it can fail (a full
// disk, /dev/full) as any file can. A command that succeeded then fails.
int RunProgram(int argc, const char* const argv[]);

#endif

// lumigrid-cli: the document core on the command line. RunCli is the whole
// program; main only hands it the process's arguments and streams, so tests
// run every command in-process.
#ifndef LUMIGRID_CLI_CLI_H
#define LUMIGRID_CLI_CLI_H

#include <functional>
#include <ostream>

#include "cli/CommandContext.h"

namespace CLI {
class App;
}

// Exit statuses.
enum CliStatus { CliSuccess = 0, CliFailure = 1, CliUsageError = 2 };

// Every command with its arguments, options and help, as RunCli reads them;
// the man page and the shell completion are made from the same.
void DefineCommands(CLI::App& program, CliContext& context);

// Reads the arguments and runs the command they name in context, whose
// media actions or hand-off carry out the commands that draw.
int RunCommands(int argc, const char* const argv[], CliContext& context);

// run on the process's standard output, which is then put out and checked,
// since a write to it can fail (a full disk, /dev/full) as any file can. A
// command that succeeded then fails.
int RunOnStandardOutput(const std::function<int(std::ostream& out)>& run);

// The whole program with every command in this process (MediaActions.cpp):
// on the given streams for the tests, on the process's for its main.
int RunCli(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
int RunProgram(int argc, const char* const argv[]);

#endif

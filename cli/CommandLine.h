// What the commands of lumigrid-cli share: their place on the one argument
// parser (CLI11) and the settings they take from the program. What they
// reach while they run and their error lines are in CommandContext.h.
//
// A command lives in a file of its own with one Add...Command function that
// defines its arguments and its action; Cli.cpp calls each of them once. The
// help, the man page and the shell completion are all made from these
// definitions, so an option is added in one place. How option values are
// checked and converted is in OptionValues.h, the options several commands
// take in CommonOptions.h.
#ifndef LUMIGRID_CLI_COMMANDLINE_H
#define LUMIGRID_CLI_COMMANDLINE_H

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>
#include <string>

#include "cli/CommandContext.h"

// What every command takes from the program, which CLI11 hands down to the
// commands added after it: their help flag, options written with '-' only,
// and the last value of an option given twice.
void SetCommonSettings(CLI::App& program);
// run becomes the context's action when command is the one given.
void SetAction(CLI::App* command, CliContext& context, std::function<int()> run);
// The same for a command that draws with fonts and pictures: run is given
// the program's media actions, or the command line is handed off.
void SetMediaAction(CLI::App* command, CliContext& context, std::function<int(const MediaActions&)> run);
// The context's hand-off, or a failure when it has none either.
int HandOff(CliContext& context);

#endif

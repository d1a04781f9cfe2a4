// What the commands of lumigrid-cli share: their place on the one argument
// parser (CLI11), the settings they take from the program, and their error
// lines. Every error is one line on stderr, "lumigrid-cli: ...".
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

#include "cli/MediaActions.h"

// What a command reaches while it runs, and the action of the command that
// was given, set while the arguments are read. The commands that draw with
// fonts and pictures run media's actions; a program that lacks them (media
// null) runs handOff instead, which carries out the whole command line
// elsewhere.
struct CliContext {
    CliContext(std::ostream& out, std::ostream& err) : out(out), err(err) {}
    std::ostream& out;
    std::ostream& err;
    std::function<int()> action;
    const MediaActions* media = nullptr;
    std::function<int()> handOff;
};

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

// A mistake in the command line: status 2, with a pointer to --help.
int PrintUsageError(std::ostream& err, const std::string& problem);
// A command that could not be carried out: status 1.
int PrintFailure(std::ostream& err, const std::string& problem);
// Something the user should know about a command that succeeded.
void PrintNote(std::ostream& err, const std::string& note);

std::string QuotedName(const std::string& text);
// Text read from a file (a list line, a name in it) as it may go to a
// terminal: control characters, C1 ones in UTF-8 too, as \xNN, so that a
// damaged file cannot move the cursor, clear the screen or retitle the window.
std::string Printable(const std::string& text);
// "cannot write 'NAME': " and the system's reason for the last failed file
// operation ("No space left on device").
std::string CannotWrite(const std::string& name);
// The system's reason for the last failed file operation.
std::string SystemReason();

// A file's name as a display list holds it, the way the editor's file
// dialogs hand it over: its full path, links kept as they are named. Empty
// when there is none.
std::string FullPathName(const std::string& path);

#endif

// What a command reaches while it runs, and how it speaks: the program's
// name, its error lines on stderr ("lumigrid-cli: ..."), names quoted and
// made printable. Nothing here reads arguments, so the sources that only
// carry out commands need not include the argument parser (CommandLine.h).
#ifndef LUMIGRID_CLI_COMMANDCONTEXT_H
#define LUMIGRID_CLI_COMMANDCONTEXT_H

#include <functional>
#include <ostream>
#include <string>

#include "cli/MediaActions.h"

// The program's name, as its help and its error lines give it.
inline constexpr char ProgramName[] = "lumigrid-cli";

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

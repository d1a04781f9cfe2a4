// What the commands of lumigrid-cli share: their place on the one argument
// parser (CLI11), the checks of their values, and their error lines. Every
// error is one line on stderr, "lumigrid-cli: ...".
//
// A command lives in a file of its own with one Add...Command function that
// defines its arguments and its action; Cli.cpp calls each of them once. The
// help, the man page and the shell completion are all made from these
// definitions, so an option is added in one place.
#ifndef LUMIGRID_CLI_COMMANDLINE_H
#define LUMIGRID_CLI_COMMANDLINE_H

#include <CLI/CLI.hpp>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "pattern/document/PictureCanvas.h"
#include "picture/PatternRender.h"

// What a command reaches while it runs, and the action of the command that
// was given, set while the arguments are read.
struct CliContext {
    CliContext(std::ostream& out, std::ostream& err) : out(out), err(err) {}
    std::ostream& out;
    std::ostream& err;
    std::function<int()> action;
};

// A command under parent (the program, or a group of commands such as list).
// help is its paragraph of the help text, lines broken by hand.
CLI::App* AddCommand(CLI::App& parent, const std::string& name, const std::string& help);
// run becomes the context's action when command is the one given.
void SetAction(CLI::App* command, CliContext& context, std::function<int()> run);

// Checks of option values. A problem reads after the option's name
// ("--wait takes a number from 1 to 255").
CLI::Validator NumberFrom(unsigned long min, unsigned long max);
// One of names; choices says them in words ("scroll, animation, normal or onoff").
CLI::Validator OneOf(std::vector<std::string> names, const std::string& choices);
CLI::Validator FrameSizeText();
CLI::Validator NotEmpty(const std::string& what);

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

// A decimal number of at most max, digits only.
bool ParseDecimal(const std::string& text, unsigned long max, unsigned long* value);
// COLUMNSxROWS, each 1 to 255.
bool ParseFrameSize(const std::string& text, unsigned* columns, unsigned* rows);
// A --mode name (normal, animation, scroll, onoff) as its control code.
bool ParseMode(const std::string& text, std::uint8_t* controlCode);

// --style sign|editor, of the commands that draw LEDs (render, preview),
// into style; and the style it names.
void AddStyleOption(CLI::App* command, std::string& style);
RenderStyle StyleNamed(const std::string& style);

// --planes one|two, of the commands that make or show pictures (text,
// effect, import, preview), into planes ("two" unless given); help says
// what a picture of each is to the command. And the planes it names.
CLI::Option* AddPlanesOption(CLI::App* command, std::string& planes, const std::string& help);
Planes PlanesNamed(const std::string& planes);

#endif

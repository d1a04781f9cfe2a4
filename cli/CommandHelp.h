// The help of lumigrid-cli and of each command, in the program's own layout,
// made from the commands' definitions on the argument parser: usage lines,
// the command's paragraph, and its arguments and options, each with its text.
// The man page and the shell completion read the same definitions.
#ifndef LUMIGRID_CLI_COMMANDHELP_H
#define LUMIGRID_CLI_COMMANDHELP_H

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

// Prints lumigrid-cli --help for the program and COMMAND --help for a command.
class CommandHelpFormatter : public CLI::FormatterBase {
public:
    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
};

// "build" or "list add": the words that name command after the program's name.
std::string CommandPath(const CLI::App& command);
// The usage of command as one line without the program's name ("build LIST.ll
// -o OUT.hex [--format ...]"); for a group (list) one line per command in it.
std::vector<std::string> UsageLines(const CLI::App& command);
// How an option is written in a usage line: "-o OUT.hex", "--strict", "LIST.ll".
std::string UsageOf(const CLI::Option& option);
// Whether the option takes a value (a flag does not).
bool TakesValue(const CLI::Option& option);
// How an option is named in the list of options: "-o, --output OUT.hex".
std::string LabelOf(const CLI::Option& option);
// The commands of app in the order they were added.
std::vector<const CLI::App*> CommandsOf(const CLI::App& app);
// The arguments (positional) or the options of command, help included.
std::vector<const CLI::Option*> ArgumentsOf(const CLI::App& command, bool positional);

#endif

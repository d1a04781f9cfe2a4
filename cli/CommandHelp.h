// The help of one command (lumigrid-cli COMMAND --help), taken from the
// program's own usage and help texts so that the two never disagree.
#ifndef LUMIGRID_CLI_COMMANDHELP_H
#define LUMIGRID_CLI_COMMANDHELP_H

#include <string>
#include <vector>

// Whether the command's arguments ask for its help: --help or -h among them.
bool AsksForHelp(const std::vector<std::string>& args);

// "Usage:", the usage lines of command (those that start with
// "  lumigrid-cli COMMAND ", with their continuation lines), then its
// paragraph of the help text (the one that starts with the command's name).
// Empty when usage names no such command.
std::string CommandHelp(const char* usage, const char* help, const std::string& command);

#endif

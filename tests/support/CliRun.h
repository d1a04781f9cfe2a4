// lumigrid-cli run in-process: its status and what it printed.
#ifndef LUMIGRID_TESTS_CLIRUN_H
#define LUMIGRID_TESTS_CLIRUN_H

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

inline CliOutcome RunCliWith(const std::vector<std::string>& args) {
    std::vector<const char*> argv = {"lumigrid-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return CliOutcome{status, out.str(), err.str()};
}

inline std::string ShownArguments(const std::vector<std::string>& args) {
    std::string shown;
    for (const std::string& arg : args) shown += arg + " ";
    return shown;
}

#endif

// lumigrid-cli build: the HEX file of a display list, as the editor writes it.
#ifndef LUMIGRID_CLI_BUILDCOMMAND_H
#define LUMIGRID_CLI_BUILDCOMMAND_H

#include <cstdint>
#include <string>

#include "cli/CommandLine.h"
#include "cli/PlainCommandLine.h"
#include "pattern/hex/HexOptions.h"

struct BuildArguments {
    std::string list, output;
    HexFormat format = HexFormat::EightBit;
    std::uint32_t start = 0;
    bool strict = false;
};

void AddBuildCommand(CLI::App& program, CliContext& context);
// build's arguments, bound to arguments.
void DefineBuildOptions(CLI::App* command, BuildArguments& arguments);

// build's options as a plain command line names them (PlainCommandLine.h).
const PlainShape& BuildShape();
// Reads a plain build command line (argv[1] is "build") into arguments; false
// when it is not one, or when a value is not one CLI11 would take.
bool ReadPlainBuild(int argc, const char* const argv[], BuildArguments* arguments);
// Carries out a plain build command line; false, with nothing done, for any
// other, which CLI11 then reads.
bool RunPlainBuild(int argc, const char* const argv[], CliContext& context, int* status);

#endif

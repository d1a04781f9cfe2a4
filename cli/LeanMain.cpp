// lumigrid-cli on Linux: every command in this process but those that draw
// with fonts and pictures, which lumigrid-cli-media carries out
// (MediaHandOff.h). Their arguments are still read here, so that their help
// and usage errors need no other program.
#include <iostream>

#include "cli/Cli.h"
#include "cli/MediaHandOff.h"

int main(int argc, char** argv) {
    return RunOnStandardOutput([argc, argv](std::ostream& out) {
        CliContext context(out, std::cerr);
        context.handOff = [argc, argv, &out]() {
            out.flush();
            return RunMediaProgram(argc, argv, std::cerr);
        };
        return RunCommands(argc, argv, context);
    });
}

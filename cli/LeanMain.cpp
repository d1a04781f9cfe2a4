// lumigrid-cli on Linux: every command in this process but those that draw
// with fonts and pictures, which lumigrid-cli-media carries out
// (MediaHandOff.h). Their arguments are still read here, so that their help
// and usage errors need no other program.
#include <unistd.h>

#include <iostream>

#include "cli/Cli.h"
#include "cli/MediaHandOff.h"

int main(int argc, char** argv) {
    const int status = RunOnStandardOutput([argc, argv](std::ostream& out) {
        CliContext context(out, std::cerr);
        context.handOff = [argc, argv, &out]() {
            out.flush();
            return RunMediaProgram(argc, argv, std::cerr);
        };
        return RunCommands(argc, argv, context);
    });
    // Everything is out (the standard output put out and checked, the
    // error stream unbuffered, every file closed): the static objects'
    // destructors, one set of CLI11's validators for each source file among
    // them, would only free memory that the system takes back anyway.
    std::cerr.flush();
    _exit(status);
}

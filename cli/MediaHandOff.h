// lumigrid-cli on Linux is linked statically and without the font and
// picture libraries, so that the commands that need neither start as fast
// as the system's own tools. The commands that draw (text, import, render,
// preview, decode --render) are carried out by lumigrid-cli-media, the same
// commands linked with those libraries, which make install puts in
// PREFIX/lib/lumigrid, off the PATH, beside the editor; in a build tree it
// is beside lumigrid-cli.
#ifndef LUMIGRID_CLI_MEDIAHANDOFF_H
#define LUMIGRID_CLI_MEDIAHANDOFF_H

#include <ostream>
#include <string>
#include <vector>

extern const char MediaProgramName[];

// Where lumigrid-cli-media is looked for, in order: beside this program,
// then in ../lib/lumigrid from its folder.
std::vector<std::string> MediaProgramPlaces();

// Runs lumigrid-cli-media with this program's arguments and waits for it;
// its exit status, or 1 with the reason on err when it is missing or cannot
// start (a library it needs is missing: the loader names it).
int RunMediaProgram(int argc, const char* const argv[], std::ostream& err);

#endif

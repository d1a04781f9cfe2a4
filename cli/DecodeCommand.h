// lumigrid-cli decode: a HEX file read back. Checks it, lists its display
// program, and recovers the patterns and the display list that build it
// again (--extract) or draws every frame (--render). Arguments are those
// after the command's name.
#ifndef LUMIGRID_CLI_DECODECOMMAND_H
#define LUMIGRID_CLI_DECODECOMMAND_H

#include <ostream>
#include <string>
#include <vector>

int RunDecode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

#endif

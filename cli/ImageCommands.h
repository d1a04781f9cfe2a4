// lumigrid-cli import and render: pictures to a pattern file and a pattern
// file to a PNG picture. Arguments are those after the command's name.
#ifndef LUMIGRID_CLI_IMAGECOMMANDS_H
#define LUMIGRID_CLI_IMAGECOMMANDS_H

#include <ostream>
#include <string>
#include <vector>

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

#endif

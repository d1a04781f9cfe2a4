#include "CommandHelp.h"

#include <sstream>

namespace {

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// Lines of text that begin with start, each with the indented lines that
// follow it.
std::string LinesStartingWith(const char* text, const std::string& start) {
    std::istringstream lines(text);
    std::string line, found;
    bool inside = false;
    while (std::getline(lines, line)) {
        // A continuation is indented further than a line of its own.
        bool continuation = inside && StartsWith(line, "   ") && line.find_first_not_of(' ') > 2;
        inside = StartsWith(line, start) || continuation;
        if (inside) found += line + "\n";
    }
    return found;
}

}  // namespace

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

std::string CommandHelp(const char* usage, const char* help, const std::string& command) {
    std::string usageLines = LinesStartingWith(usage, "  lumigrid-cli " + command + " ");
    if (usageLines.empty()) return std::string();
    std::string paragraph = LinesStartingWith(help, command + " ");
    return "Usage:\n" + usageLines + (paragraph.empty() ? "" : "\n" + paragraph);
}

#include "CommandLine.h"

#include <cstring>

#include "Cli.h"

namespace {

const char ProgramPrefix[] = "lumigrid-cli: ";

// The --mode names, in ControlCode order.
const char* const ModeOptionNames[] = {"normal", "animation", "scroll", "onoff"};

}  // namespace

int PrintUsageError(std::ostream& err, const std::string& problem) {
    err << ProgramPrefix << problem << " (see lumigrid-cli --help)\n";
    return CliUsageError;
}

int PrintFailure(std::ostream& err, const std::string& problem) {
    err << ProgramPrefix << problem << "\n";
    return CliFailure;
}

void PrintNote(std::ostream& err, const std::string& note) { err << ProgramPrefix << "note: " << note << "\n"; }

std::string QuotedName(const std::string& text) { return "'" + text + "'"; }

bool MatchesOption(const std::string& arg, const char* name) {
    const std::size_t length = std::strlen(name);
    return arg.compare(0, length, name) == 0 && (arg.size() == length || arg[length] == '=');
}

bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, const char* name, std::string* value) {
    const std::string& arg = args[i];
    const std::size_t length = std::strlen(name);
    if (arg.size() > length && arg[length] == '=') {
        *value = arg.substr(length + 1);
        return true;
    }
    if (i + 1 >= args.size()) return false;
    *value = args[++i];
    return true;
}

bool IsOptionLike(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

bool ParseDecimal(const std::string& text, unsigned long max, unsigned long* value) {
    if (text.empty() || text.size() > 10) return false;
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    if (number > max) return false;
    *value = static_cast<unsigned long>(number);
    return true;
}

bool TakeNumber(const std::vector<std::string>& args, std::size_t& i, const char* command, const char* name,
                unsigned long min, unsigned long max, unsigned long* value, std::string* problem) {
    std::string text;
    if (TakeOptionValue(args, i, name, &text) && ParseDecimal(text, max, value) && *value >= min) return true;
    *problem = std::string(command) + ": " + name + " takes a number from " + std::to_string(min) + " to " +
               std::to_string(max);
    return false;
}

bool ParseMode(const std::string& text, std::uint8_t* controlCode) {
    for (std::uint8_t code = 0; code < sizeof ModeOptionNames / sizeof ModeOptionNames[0]; ++code)
        if (text == ModeOptionNames[code]) {
            *controlCode = code;
            return true;
        }
    return false;
}

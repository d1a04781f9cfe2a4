#include "CommandLine.h"

#include <cstring>

#include "Cli.h"

namespace {

const char ProgramPrefix[] = "lumigrid-cli: ";

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

// What the commands of lumigrid-cli share: their error lines and the reading
// of options. Every error is one line on stderr, "lumigrid-cli: ...".
#ifndef LUMIGRID_CLI_COMMANDLINE_H
#define LUMIGRID_CLI_COMMANDLINE_H

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// A mistake in the command line: status 2, with a pointer to --help.
int PrintUsageError(std::ostream& err, const std::string& problem);
// A command that could not be carried out: status 1.
int PrintFailure(std::ostream& err, const std::string& problem);
// Something the user should know about a command that succeeded.
void PrintNote(std::ostream& err, const std::string& note);

std::string QuotedName(const std::string& text);

// Whether arg is the option name, alone or as "name=value".
bool MatchesOption(const std::string& arg, const char* name);
// The option's value from "name=value" or from the next argument (then i
// moves on). False when there is none.
bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, const char* name, std::string* value);
// Whether arg looks like an option rather than a file ("-" alone is a file).
bool IsOptionLike(const std::string& arg);

// A decimal number of at most max, digits only.
bool ParseDecimal(const std::string& text, unsigned long max, unsigned long* value);
// The value of a numeric option from min to max (see TakeOptionValue); when
// there is none, problem says what the option takes.
bool TakeNumber(const std::vector<std::string>& args, std::size_t& i, const char* command, const char* name,
                unsigned long min, unsigned long max, unsigned long* value, std::string* problem);
// A --mode name (normal, animation, scroll, onoff) as its control code.
bool ParseMode(const std::string& text, std::uint8_t* controlCode);

#endif

// A command's arguments read without the argument parser, for the command
// lines scripts run most: every option written apart from its value
// ("-o out.hex", "--format 32bit"), each at most once, flags alone, and
// words that do not start with '-' ("-" itself is standard input or
// output). Setting up CLI11 costs lumigrid-cli more than a small build
// takes, so a command may read such a line itself; any other form (an
// '=', "--", a repeat, --help, a word it does not know, a value its check
// refuses) goes to CLI11, which gives the help and the usage errors. A
// command's PlainShape must name the options it gives CLI11, and a test
// holds the two together.
#ifndef LUMIGRID_CLI_PLAINCOMMANDLINE_H
#define LUMIGRID_CLI_PLAINCOMMANDLINE_H

#include <cstddef>
#include <string>
#include <vector>

// An option by its names as CLI11 takes them ("-o,--output").
struct PlainOption {
    const char* names;
    bool takesValue;
};

// The options of a command and how many positional arguments it takes,
// all of them required.
struct PlainShape {
    std::vector<PlainOption> options;
    std::size_t positionals;
};

class PlainCommandLine {
public:
    // Reads the words after the command's name (argv[2] on); false when they
    // are not all in the plain forms of shape.
    bool Read(int argc, const char* const argv[], const PlainShape& shape);

    const std::vector<std::string>& Positionals() const { return positionals_; }
    // The value given to the option of these names, or null.
    const std::string* Value(const char* names) const;
    bool Given(const char* names) const;

private:
    struct Taken {
        const char* names;
        std::string value;
    };
    std::vector<std::string> positionals_;
    std::vector<Taken> given_;
};

#endif

// lumigrid-cli-docs: the man page and the bash completion of lumigrid-cli,
// made from the same command definitions its --help is made from, so that
// an option added to a command appears in all three.
//
//   lumigrid-cli-docs man TEMPLATE lumigrid-cli.1
//   lumigrid-cli-docs bash-completion TEMPLATE lumigrid-cli
//
// Each TEMPLATE is written by hand (packaging/lumigrid-cli.1.in, the page's
// roff, and packaging/lumigrid-cli.bash.in, the completion's function). A
// line that is a placeholder alone (@SYNOPSIS@) is replaced by lines made
// from the definitions; a placeholder within a line (@VERSION@) by a word.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommandHelp.h"

namespace {

// Text for roff: backslashes and dashes escaped, no line begins a request.
std::string Roff(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\') escaped += "\\e";
        else if (c == '-') escaped += "\\-";
        else escaped += c;
    }
    std::string result, line;
    std::istringstream lines(escaped);
    while (std::getline(lines, line)) {
        if (!line.empty() && (line[0] == '.' || line[0] == '\'')) line = "\\&" + line;
        result += line + "\n";
    }
    return result;
}

// A help text broken by hand for the terminal, as one paragraph.
std::string Joined(const std::string& text) {
    std::string joined, line;
    std::istringstream lines(text);
    while (std::getline(lines, line)) joined += (joined.empty() ? "" : " ") + line;
    return joined;
}

std::vector<const CLI::App*> LeafCommands(const CLI::App& app) {
    std::vector<const CLI::App*> leaves;
    for (const CLI::App* command : CommandsOf(app)) {
        if (CommandsOf(*command).empty()) leaves.push_back(command);
        for (const CLI::App* inner : LeafCommands(*command)) leaves.push_back(inner);
    }
    return leaves;
}

std::string OptionItems(const CLI::App& command) {
    std::string text;
    for (bool positional : {true, false})
        for (const CLI::Option* option : ArgumentsOf(command, positional)) {
            if (option == command.get_help_ptr()) continue;
            text += ".TP\n.B " + Roff(LabelOf(*option)) + Roff(Joined(option->get_description()));
        }
    return text;
}

std::string CommandSections(const CLI::App& program) {
    std::string text;
    for (const CLI::App* command : CommandsOf(program)) {
        text += ".SS " + command->get_name() + "\n";
        for (const std::string& usage : UsageLines(*command)) text += ".B lumigrid\\-cli\n" + Roff(usage) + ".br\n";
        text += ".PP\n" + Roff(Joined(command->get_description()));
        for (const CLI::App* inner : CommandsOf(*command))
            text += ".TP\n.B " + inner->get_name() + "\n" + Roff(Joined(inner->get_description())) + ".RS\n" +
                    OptionItems(*inner) + ".RE\n";
        text += OptionItems(*command);
    }
    return text;
}

using Fills = std::vector<std::pair<std::string, std::string>>;

// The template at templatePath to standard output, its placeholders filled.
bool FillTemplate(const char* templatePath, const Fills& fills) {
    std::ifstream in(templatePath);
    if (!in) {
        std::cerr << "lumigrid-cli-docs: cannot read " << templatePath << "\n";
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        bool replaced = false;
        for (const auto& fill : fills) {
            if (line == fill.first) {
                std::cout << fill.second;
                replaced = true;
                break;
            }
            for (std::size_t at = 0; (at = line.find(fill.first, at)) != std::string::npos; at += fill.second.size())
                line.replace(at, fill.first.size(), fill.second);
        }
        if (!replaced) std::cout << line << "\n";
    }
    return true;
}

std::string Synopsis(const CLI::App& program) {
    std::string text;
    for (const std::string& usage : UsageLines(program)) text += ".B lumigrid\\-cli\n" + Roff(usage) + ".br\n";
    return text + ".B lumigrid\\-cli\n" + Roff("--help | --version");
}

int WriteManualPage(const CLI::App& program, const char* templatePath) {
    const Fills fills = {
        {"@SYNOPSIS@", Synopsis(program)}, {"@COMMANDS@", CommandSections(program)}, {"@VERSION@", program.version()}};
    return FillTemplate(templatePath, fills) ? 0 : 1;
}

// How bash completes an option's value or an argument, from its type name:
// a choice of words, directories, files (of the extension it names), or
// nothing to offer (numbers, a text).
std::string ValueCompletion(const std::string& type) {
    if (type.find('|') != std::string::npos || (!type.empty() && type.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)) {
        std::string words = type;
        for (char& c : words)
            if (c == '|') c = ' ';
        return "COMPREPLY=($(compgen -W '" + words + "' -- \"$cur\"))";
    }
    if (type == "DIR") return "_filedir -d";
    if (type == "FILE" || type == "FONT" || type == "IMAGE...") return "_filedir";
    const std::size_t dot = type.find('.');
    if (dot != std::string::npos) {
        std::string extension = type.substr(dot + 1);
        extension = extension.substr(0, extension.find('.'));
        return "_filedir '" + extension + "'";
    }
    return "COMPREPLY=()";
}

// The names of an option as bash sees them: "-o --output".
std::string OptionNames(const CLI::Option& option) {
    std::string names;
    for (const std::string& name : option.get_snames()) names += (names.empty() ? "-" : " -") + name;
    for (const std::string& name : option.get_lnames()) names += (names.empty() ? "--" : " --") + name;
    return names;
}

// The case lines of the completion for one command (path: "list add"): its
// options' values, its options, and its first argument.
void CompleteCommand(const CLI::App& command, std::string& values, std::string& options, std::string& arguments) {
    const std::string path = CommandPath(command);
    std::string names;
    for (const CLI::Option* option : ArgumentsOf(command, false)) {
        const std::string spaced = OptionNames(*option);
        names += (names.empty() ? "" : " ") + spaced;
        if (!TakesValue(*option)) continue;
        std::string patterns;
        std::istringstream each(spaced);
        std::string name;
        while (each >> name) patterns += (patterns.empty() ? "" : "|") + std::string("'") + path + ":" + name + "'";
        values += "        " + patterns + ") " + ValueCompletion(option->get_type_name()) + "; return ;;\n";
    }
    options += "        '" + path + "') options='" + names + "' ;;\n";
    const std::vector<const CLI::Option*> positionals = ArgumentsOf(command, true);
    if (!positionals.empty())
        arguments += "        '" + path + "') " + ValueCompletion(positionals.front()->get_name(true)) + " ;;\n";
}

int WriteBashCompletion(const CLI::App& program, const char* templatePath) {
    std::string commands, groupPaths, groupWords, values, options, arguments;
    for (const CLI::App* command : CommandsOf(program)) {
        commands += (commands.empty() ? "" : " ") + command->get_name();
        std::string inner;
        for (const CLI::App* each : CommandsOf(*command)) inner += (inner.empty() ? "" : " ") + each->get_name();
        if (inner.empty()) continue;
        groupPaths += "        " + command->get_name() + ") path=\"$group ${words[i]}\" ;;\n";
        groupWords += "        " + command->get_name() + ") inner='" + inner + "' ;;\n";
    }
    for (const CLI::App* command : LeafCommands(program)) CompleteCommand(*command, values, options, arguments);
    const Fills fills = {{"@GROUP_PATHS@", groupPaths}, {"@COMMAND_NAMES@", commands},
                         {"@GROUP_COMMANDS@", groupWords}, {"@OPTION_VALUES@", values},
                         {"@OPTIONS@", options}, {"@ARGUMENTS@", arguments}};
    return FillTemplate(templatePath, fills) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if ((what != "man" && what != "bash-completion") || argc != 4) {
        std::cerr << "usage: lumigrid-cli-docs man|bash-completion TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ostringstream ignored;
    CliContext context(ignored, ignored);
    CLI::App program;
    DefineCommands(program, context);
    std::ofstream output(argv[3], std::ios::binary);
    std::streambuf* console = std::cout.rdbuf(output.rdbuf());
    const int status = what == "man" ? WriteManualPage(program, argv[2]) : WriteBashCompletion(program, argv[2]);
    std::cout.flush();
    std::cout.rdbuf(console);
    if (status == 0 && !output.good()) {
        std::cerr << "lumigrid-cli-docs: cannot write " << argv[3] << "\n";
        return 1;
    }
    return status;
}

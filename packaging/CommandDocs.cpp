// lumigrid-cli-docs: the man page and the bash completion of lumigrid-cli,
// made from the same command definitions its --help is made from, so that
// an option added to a command appears in all three.
//
//   lumigrid-cli-docs man TEMPLATE lumigrid-cli.1
//   lumigrid-cli-docs bash-completion lumigrid-cli
//
// TEMPLATE is the page's hand-written roff (packaging/lumigrid-cli.1.in);
// its lines @SYNOPSIS@ and @COMMANDS@ are replaced by the usage lines and by
// a section for each command, and @VERSION@ by the version.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
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

int WriteManualPage(const char* templatePath) {
    std::ifstream in(templatePath);
    if (!in) {
        std::cerr << "lumigrid-cli-docs: cannot read " << templatePath << "\n";
        return 1;
    }
    std::ostringstream ignored;
    CliContext context(ignored, ignored);
    CLI::App program;
    DefineCommands(program, context);
    std::string line;
    while (std::getline(in, line)) {
        if (line == "@SYNOPSIS@") {
            for (const std::string& usage : UsageLines(program))
                std::cout << ".B lumigrid\\-cli\n" << Roff(usage) << ".br\n";
            std::cout << ".B lumigrid\\-cli\n" << Roff("--help | --version");
        } else if (line == "@COMMANDS@") {
            std::cout << CommandSections(program);
        } else {
            const std::size_t at = line.find("@VERSION@");
            if (at != std::string::npos) line.replace(at, 9, program.version());
            std::cout << line << "\n";
        }
    }
    return 0;
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

int WriteBashCompletion() {
    std::ostringstream ignored;
    CliContext context(ignored, ignored);
    CLI::App program;
    DefineCommands(program, context);
    std::string commands, groupPaths, groupWords, options, values, arguments;
    for (const CLI::App* command : CommandsOf(program)) {
        commands += (commands.empty() ? "" : " ") + command->get_name();
        std::string inner;
        for (const CLI::App* each : CommandsOf(*command)) inner += (inner.empty() ? "" : " ") + each->get_name();
        if (inner.empty()) continue;
        groupPaths += "        " + command->get_name() + ") path=\"$group ${words[i]}\" ;;\n";
        groupWords += "        " + command->get_name() + ") inner='" + inner + "' ;;\n";
    }
    for (const CLI::App* command : LeafCommands(program)) {
        const std::string path = CommandPath(*command);
        std::string names;
        for (const CLI::Option* option : ArgumentsOf(*command, false)) {
            std::string optionNames;
            for (const std::string& name : option->get_snames()) optionNames += (optionNames.empty() ? "-" : "|-") + name;
            for (const std::string& name : option->get_lnames()) optionNames += (optionNames.empty() ? "--" : "|--") + name;
            std::string spaced = optionNames;
            for (char& c : spaced)
                if (c == '|') c = ' ';
            names += (names.empty() ? "" : " ") + spaced;
            if (!TakesValue(*option)) continue;
            std::string patterns;
            std::istringstream each(spaced);
            std::string name;
            while (each >> name) patterns += (patterns.empty() ? "" : "|") + std::string("'") + path + ":" + name + "'";
            values += "        " + patterns + ") " + ValueCompletion(option->get_type_name()) + "; return ;;\n";
        }
        options += "        '" + path + "') options='" + names + "' ;;\n";
        const std::vector<const CLI::Option*> positionals = ArgumentsOf(*command, true);
        if (!positionals.empty())
            arguments += "        '" + path + "') " + ValueCompletion(positionals.front()->get_name(true)) + " ;;\n";
    }
    std::cout << "# bash completion for lumigrid-cli, made by lumigrid-cli-docs from its command definitions\n"
                 "_lumigrid_cli() {\n"
                 "    local cur prev words cword\n"
                 "    _init_completion || return\n"
                 "    local path='' group='' inner='' i\n"
                 "    # The command, and in a group of commands (list) the one in it.\n"
                 "    for ((i = 1; i < cword; i++)); do\n"
                 "        [[ ${words[i]} == -* ]] && continue\n"
                 "        if [[ -z $path ]]; then\n"
                 "            path=${words[i]} group=${words[i]}\n"
                 "            continue\n"
                 "        fi\n"
                 "        case $group in\n" << groupPaths
              << "        esac\n"
                 "        break\n"
                 "    done\n"
                 "    if [[ -z $path ]]; then\n"
                 "        COMPREPLY=($(compgen -W '" << commands << " --help --version -h -V' -- \"$cur\"))\n"
                 "        return\n"
                 "    fi\n"
                 "    case $path in\n" << groupWords
              << "    esac\n"
                 "    if [[ -n $inner ]]; then\n"
                 "        COMPREPLY=($(compgen -W \"$inner --help -h\" -- \"$cur\"))\n"
                 "        return\n"
                 "    fi\n"
                 "    case \"$path:$prev\" in\n" << values
              << "    esac\n"
                 "    local options=''\n"
                 "    case $path in\n" << options
              << "    esac\n"
                 "    if [[ $cur == -* ]]; then\n"
                 "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
                 "        return\n"
                 "    fi\n"
                 "    case $path in\n" << arguments
              << "    esac\n"
                 "} &&\n"
                 "    complete -F _lumigrid_cli lumigrid-cli\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    const bool man = what == "man" && argc == 4, completion = what == "bash-completion" && argc == 3;
    if (!man && !completion) {
        std::cerr << "usage: lumigrid-cli-docs man TEMPLATE OUTPUT | bash-completion OUTPUT\n";
        return 2;
    }
    std::ofstream output(argv[argc - 1], std::ios::binary);
    std::streambuf* console = std::cout.rdbuf(output.rdbuf());
    const int status = man ? WriteManualPage(argv[2]) : WriteBashCompletion();
    std::cout.flush();
    std::cout.rdbuf(console);
    if (status == 0 && !output.good()) {
        std::cerr << "lumigrid-cli-docs: cannot write " << argv[argc - 1] << "\n";
        return 1;
    }
    return status;
}

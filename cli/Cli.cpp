#include "cli/Cli.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "cli/BuildCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CommandHelp.h"
#include "cli/CommandLine.h"
#include "cli/DecodeCommand.h"
#include "cli/EffectCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommands.h"
#include "cli/PreviewCommand.h"
#include "cli/RenderCommand.h"
#include "cli/ShowCommand.h"
#include "cli/TextCommand.h"

#ifndef LUMIGRID_VERSION
#define LUMIGRID_VERSION "unknown"
#endif

namespace {

const char VersionText[] = "lumigrid-cli " LUMIGRID_VERSION;

const char ProgramFooter[] =
    "Files: - as an input file reads standard input, and -o - writes to\n"
    "standard output (lists that are edited must be files). -- ends the\n"
    "options: a TEXT that is one of them follows it. A regular file named\n"
    "by -o, or the one a link leads to, is replaced only when complete,\n"
    "keeping its permissions; a device, a FIFO or a terminal is written\n"
    "directly. No command leaves a partial output file behind.\n"
    "Exit status: 0 success, 1 failure, 2 usage error.";

// The command whose arguments were being read: the innermost one given.
const CLI::App* CurrentCommand(const CLI::App& program) {
    const CLI::App* command = &program;
    while (!command->get_subcommands().empty()) command = command->get_subcommands().back();
    return command;
}

// The first argument that no option or argument took, or empty.
std::string FirstLeftOver(const CLI::App& command) {
    for (const std::string& argument : command.remaining())
        if (argument != "--") return argument;
    return std::string();
}

// The parser's complaint in the program's words, after "COMMAND: ".
std::string UsageProblem(const CLI::App& command, const CLI::ParseError& error) {
    std::string message = error.what();
    // What no option took says most, whatever the parser noticed first: the
    // innermost command's first. A command that allows them reads them itself.
    for (const CLI::App* at = &command; at; at = at->get_parent()) {
        const std::string argument = at->get_allow_extras() ? std::string() : FirstLeftOver(*at);
        if (argument.empty()) continue;
        if (!CommandsOf(*at).empty() && argument[0] != '-') return "unknown command " + QuotedName(argument);
        if (argument.size() > 1 && argument[0] == '-') return "unknown option " + QuotedName(argument);
        return "unexpected argument " + QuotedName(argument);
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        if (!CommandsOf(command).empty() && command.get_subcommands().empty()) {
            std::string names;
            const std::vector<const CLI::App*> commands = CommandsOf(command);
            for (std::size_t i = 0; i < commands.size(); ++i)
                names += (i == 0 ? "" : i + 1 == commands.size() ? " or " : ", ") + commands[i]->get_name();
            return "no command given (" + names + ")";
        }
        for (bool positional : {true, false})
            for (const CLI::Option* option : ArgumentsOf(command, positional))
                if (option->get_required() && option->count() == 0) return "no " + UsageOf(*option) + " given";
    }
    // "--wait: takes a number from 1 to 255": the name begins the sentence.
    const std::size_t colon = message.find(": ");
    if (colon != std::string::npos && message.find(' ') > colon) {
        const std::string name = message.substr(0, colon);
        if (dynamic_cast<const CLI::ValidationError*>(&error)) return name + " " + message.substr(colon + 2);
        const CLI::Option* option = command.get_option_no_throw(name);
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) && option && TakesValue(*option))
            return name + " needs " + option->get_type_name();
    }
    return message;
}

// The standard output as a stream that keeps the reason of its first failed
// write: a long listing fails long before the program ends.
class StandardOutputBuffer : public std::streambuf {
public:
    StandardOutputBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
    // Puts out what is left; false when any write failed.
    bool Finish() {
        Flush();
        return !failed_;
    }
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!Flush()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Flush() ? 0 : -1; }

private:
    bool Flush() {
        const std::size_t count = static_cast<std::size_t>(pptr() - pbase());
        if (!failed_) {
            errno = 0;
            if ((count && std::fwrite(pbase(), 1, count, stdout) != count) || std::fflush(stdout) != 0) {
                failed_ = true;
                error_ = errno;
            }
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return !failed_;
    }

    char buffer_[64 * 1024];
    bool failed_ = false;
    int error_ = 0;
};

int ReportUsageError(const CLI::App& program, const CLI::ParseError& error, std::ostream& err) {
    const CLI::App& command = *CurrentCommand(program);
    const std::string problem = UsageProblem(command, error);
    if (command.get_parent() == nullptr) return PrintUsageError(err, problem);
    return PrintUsageError(err, CommandPath(command) + ": " + problem);
}

// Each command by its name, in the order the help lists them, with the
// function that defines it, and the one that carries out its plain command
// lines without CLI11 where it has one (PlainCommandLine.h).
struct CommandDefinition {
    const char* name;
    void (*add)(CLI::App& program, CliContext& context);
    bool (*runPlain)(int argc, const char* const argv[], CliContext& context, int* status);
};

const CommandDefinition Commands[] = {
    {"build", AddBuildCommand, RunPlainBuild},
    {"show", AddShowCommand, nullptr},
    {"check", AddCheckCommand, nullptr},
    {"import", AddImportCommand, nullptr},
    {"export", AddExportCommand, nullptr},
    {"render", AddRenderCommand, nullptr},
    {"list", AddListCommands, nullptr},
    {"decode", AddDecodeCommand, nullptr},
    {"text", AddTextCommand, nullptr},
    {"effect", AddEffectCommand, nullptr},
    {"preview", AddPreviewCommand, nullptr},
};

const CommandDefinition* FindCommand(const char* name) {
    for (const CommandDefinition& command : Commands)
        if (std::strcmp(command.name, name) == 0) return &command;
    return nullptr;
}

// The program's settings and the commands from first to last.
void DefineProgram(CLI::App& program, CliContext& context, const CommandDefinition* first,
                   const CommandDefinition* last) {
    program.name(ProgramName);
    // Set before the commands are added, which take them over.
    program.formatter(std::make_shared<CommandHelpFormatter>());
    SetCommonSettings(program);
    program.set_version_flag("-V,--version", VersionText, "prints the version");
    program.require_subcommand(1, 1);
    for (const CommandDefinition* command = first; command != last; ++command) command->add(program, context);
    // Only the program's help ends with it; the commands do not inherit it.
    program.footer(ProgramFooter);
}

}  // namespace

void DefineCommands(CLI::App& program, CliContext& context) {
    DefineProgram(program, context, std::begin(Commands), std::end(Commands));
}

int RunCommands(int argc, const char* const argv[], CliContext& context) {
    const CommandDefinition* named = argc > 1 ? FindCommand(argv[1]) : nullptr;
    int status = CliSuccess;
    if (named && named->runPlain && named->runPlain(argc, argv, context, &status)) return status;
    // The version alone needs no parser.
    if (argc == 2 && (std::strcmp(argv[1], "-V") == 0 || std::strcmp(argv[1], "--version") == 0)) {
        context.out << VersionText << "\n";
        return CliSuccess;
    }
    CLI::App program;
    // Only the command named is defined: defining every command's options
    // would cost each run more than a small build takes. The program's help
    // and its usage errors list them all.
    if (named)
        DefineProgram(program, context, named, named + 1);
    else
        DefineCommands(program, context);

    std::ostream& out = context.out;
    if (argc == 2 && std::string(argv[1]) == "help") {
        out << program.help();
        return CliSuccess;
    }
    std::vector<std::string> arguments;
    for (int i = argc - 1; i >= 1; --i) arguments.push_back(argv[i]);   // the parser takes them last first
    try {
        program.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        out << program.help();
        return CliSuccess;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << "\n";
        return CliSuccess;
    } catch (const CLI::ParseError& error) {
        return ReportUsageError(program, error, context.err);
    }
    if (!context.action) return PrintUsageError(context.err, "no command given");
    return context.action();
}

int RunOnStandardOutput(const std::function<int(std::ostream& out)>& run) {
    StandardOutputBuffer buffer;
    std::ostream out(&buffer);
    const int status = run(out);
    if (buffer.Finish()) return status;
    const int error = buffer.Error();
    PrintFailure(std::cerr, "cannot write standard output" + (error ? ": " + std::string(std::strerror(error)) : ""));
    return status == CliSuccess ? CliFailure : status;
}

#include "cli/CommandLine.h"

#include "cli/Cli.h"

void SetCommonSettings(CLI::App& program) {
    program.set_help_flag("-h,--help", "prints this help");
    // On Windows too a word that starts with '/' is a path or a text, not an option.
    program.allow_windows_style_options(false);
    // An option given twice takes the last value, as a later word overrides
    // an earlier one in a script.
    program.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void SetAction(CLI::App* command, CliContext& context, std::function<int()> run) {
    command->callback([&context, run]() { context.action = run; });
}

void SetMediaAction(CLI::App* command, CliContext& context, std::function<int(const MediaActions&)> run) {
    command->callback([&context, run]() {
        context.action = [&context, run]() { return context.media ? run(*context.media) : HandOff(context); };
    });
}

int HandOff(CliContext& context) {
    if (context.handOff) return context.handOff();
    return PrintFailure(context.err, "this program cannot draw fonts or pictures");
}

#include "cli/CommandHelp.h"

#include <sstream>

namespace {

// Usage lines are broken before this width, their continuations indented.
const std::size_t UsageWidth = 100;
const char UsageContinuation[] = "               ";
// A paragraph's tag is the command's name in a column of this width.
const std::size_t TagWidth = 7;
// Option texts start in this column at the latest.
const std::size_t MaxLabelWidth = 26;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) lines.push_back(line);
    return lines;
}

// text's lines, the first after tag (padded to width), the rest indented as far.
std::string Tagged(const std::string& tag, std::size_t width, const std::string& text) {
    std::string padded = tag.size() < width ? tag + std::string(width - tag.size(), ' ') : tag + "\n" + std::string(width, ' ');
    std::string result;
    const std::vector<std::string> lines = Lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
        result += (i == 0 ? padded : std::string(width, ' ')) + lines[i] + "\n";
    if (lines.empty()) result = tag + "\n";
    return result;
}

// "  lumigrid-cli " and the usage, broken between words before UsageWidth.
std::string UsageBlock(const std::string& usage) {
    std::string block, line = std::string("  ") + ProgramName;
    std::istringstream words(usage);
    std::string word, pending;
    // Words in brackets stay together: "[--format 8bit|16bit]".
    while (words >> word) {
        pending += pending.empty() ? word : " " + word;
        int depth = 0;
        for (char c : pending) depth += (c == '[') - (c == ']');
        if (depth > 0) continue;
        if (line.size() + 1 + pending.size() > UsageWidth && line.find_first_not_of(' ') != line.size()) {
            block += line + "\n";
            line = UsageContinuation;
            line += pending;
        } else {
            line += " " + pending;
        }
        pending.clear();
    }
    if (!pending.empty()) line += " " + pending;
    return block + line + "\n";
}

std::string UsageSection(const std::vector<std::string>& usages) {
    std::string text = "Usage:\n";
    for (const std::string& usage : usages) text += UsageBlock(usage);
    return text;
}

std::string OptionTable(const char* title, const std::vector<const CLI::Option*>& options) {
    if (options.empty()) return std::string();
    std::size_t width = 0;
    for (const CLI::Option* option : options) {
        const std::size_t label = 2 + LabelOf(*option).size() + 2;
        if (label > width && label <= MaxLabelWidth) width = label;
    }
    std::string text = std::string("\n") + title + ":\n";
    for (const CLI::Option* option : options)
        text += Tagged("  " + LabelOf(*option), width, option->get_description());
    return text;
}

std::string ProgramHelp(const CLI::App& program) {
    std::vector<std::string> usages;
    for (const CLI::App* command : CommandsOf(program))
        for (const std::string& usage : UsageLines(*command)) usages.push_back(usage);
    usages.push_back("--help | --version");
    std::string text = UsageSection(usages) + "\n";
    for (const CLI::App* command : CommandsOf(program))
        text += Tagged(command->get_name(), TagWidth, command->get_description());
    if (!program.get_footer().empty()) text += "\n" + program.get_footer() + "\n";
    return text;
}

std::string CommandHelp(const CLI::App& command) {
    std::string text = UsageSection(UsageLines(command)) + "\n" +
                       Tagged(command.get_name(), TagWidth, command.get_description());
    for (const CLI::App* inner : CommandsOf(command))
        text += Tagged(inner->get_name(), TagWidth, inner->get_description());
    text += OptionTable("Arguments", ArgumentsOf(command, true));
    text += OptionTable("Options", ArgumentsOf(command, false));
    if (!command.get_footer().empty()) text += "\n" + command.get_footer() + "\n";
    return text;
}

}  // namespace

bool TakesValue(const CLI::Option& option) {
    return option.get_items_expected_max() > 0 && !option.get_type_name().empty();
}

std::string CommandHelpFormatter::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const {
    return app->get_parent() ? CommandHelp(*app) : ProgramHelp(*app);
}

std::string CommandPath(const CLI::App& command) {
    std::string path = command.get_name();
    for (const CLI::App* parent = command.get_parent(); parent && parent->get_parent(); parent = parent->get_parent())
        path = parent->get_name() + " " + path;
    return path;
}

std::vector<const CLI::App*> CommandsOf(const CLI::App& app) {
    return app.get_subcommands([](const CLI::App*) { return true; });
}

std::vector<const CLI::Option*> ArgumentsOf(const CLI::App& command, bool positional) {
    return command.get_options([positional](const CLI::Option* option) {
        return option->get_positional() == positional && !option->get_group().empty();
    });
}

std::string UsageOf(const CLI::Option& option) {
    if (option.get_positional()) return option.get_name(true);
    std::string name = option.get_snames().empty() ? "--" + option.get_lnames().front() : "-" + option.get_snames().front();
    if (TakesValue(option)) name += " " + option.get_type_name();
    return option.get_required() ? name : "[" + name + "]";
}

std::string LabelOf(const CLI::Option& option) {
    if (option.get_positional()) return option.get_name(true);
    std::string label;
    for (const std::string& name : option.get_snames()) label += (label.empty() ? "-" : ", -") + name;
    for (const std::string& name : option.get_lnames()) label += (label.empty() ? "--" : ", --") + name;
    if (TakesValue(option)) label += " " + option.get_type_name();
    return label;
}

std::vector<std::string> UsageLines(const CLI::App& command) {
    std::vector<std::string> lines;
    const std::vector<const CLI::App*> inner = CommandsOf(command);
    if (!inner.empty()) {
        for (const CLI::App* each : inner)
            for (const std::string& line : UsageLines(*each)) lines.push_back(line);
        return lines;
    }
    std::string line = CommandPath(command);
    // Arguments first, then the options in the order they were defined.
    for (bool positional : {true, false})
        for (const CLI::Option* option : ArgumentsOf(command, positional))
            if (option != command.get_help_ptr()) line += " " + UsageOf(*option);
    lines.push_back(line);
    return lines;
}

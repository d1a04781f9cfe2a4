#include "cli/PlainCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/BuildCommand.h"

namespace {

// build's words as the program receives them, its name first.
std::vector<const char*> BuildLine(std::vector<const char*> words) {
    words.insert(words.begin(), {"lumigrid-cli", "build"});
    return words;
}

// The same words read by CLI11 as the program defines build; false when it
// reports a usage error (or --help).
bool ParseBuild(const std::vector<const char*>& line, BuildArguments* arguments) {
    CLI::App program;
    SetCommonSettings(program);
    CLI::App* command = program.add_subcommand("build");
    DefineBuildOptions(command, *arguments);
    std::vector<std::string> words;
    for (std::size_t i = line.size(); i-- > 1;) words.push_back(line[i]);
    try {
        program.parse(words);
    } catch (const CLI::ParseError&) {
        return false;
    }
    return true;
}

bool operator==(const BuildArguments& a, const BuildArguments& b) {
    return a.list == b.list && a.output == b.output && a.format == b.format && a.start == b.start &&
           a.strict == b.strict;
}

}  // namespace

TEST(PlainCommandLineTest, BuildsShapeNamesTheOptionsCli11IsGiven) {
    CLI::App program;
    SetCommonSettings(program);
    CLI::App* command = program.add_subcommand("build");
    BuildArguments arguments;
    DefineBuildOptions(command, arguments);
    std::size_t named = 0, positionals = 0;
    for (const CLI::Option* option : command->get_options()) {
        if (option == command->get_help_ptr()) continue;
        const bool positional = option->get_lnames().empty() && option->get_snames().empty();
        positionals += positional;
        named += !positional;
    }
    const PlainShape& shape = BuildShape();
    EXPECT_EQ(positionals, shape.positionals);
    ASSERT_EQ(named, shape.options.size());
    for (const PlainOption& plain : shape.options) {
        const std::string names = plain.names;
        const std::string first = names.substr(0, names.find(','));
        const CLI::Option* option = command->get_option_no_throw(first);
        ASSERT_NE(nullptr, option) << names;
        std::string all;
        for (const std::string& name : option->get_snames()) all += (all.empty() ? "-" : ",-") + name;
        for (const std::string& name : option->get_lnames()) all += (all.empty() ? "--" : ",--") + name;
        EXPECT_EQ(names, all);
        EXPECT_EQ(plain.takesValue, option->get_expected_min() > 0) << names;
    }
}

TEST(PlainCommandLineTest, APlainBuildLineReadsAsCli11ReadsIt) {
    const std::vector<std::vector<const char*>> plain = {
        {"list.ll", "-o", "out.hex"},
        {"-o", "-", "-"},
        {"--output", "out.hex", "list.ll", "--format", "32bit", "--start", "0x1234", "--strict"},
        {"--strict", "--format", "20bit", "a list.ll", "-o", "out.hex", "--start", "65536"},
        {"list.ll", "--start", "0", "-o", "build"},
    };
    for (const auto& words : plain) {
        const std::vector<const char*> line = BuildLine(words);
        BuildArguments read, parsed;
        ASSERT_TRUE(ReadPlainBuild(static_cast<int>(line.size()), line.data(), &read)) << words[0];
        ASSERT_TRUE(ParseBuild(line, &parsed)) << words[0];
        EXPECT_TRUE(read == parsed) << words[0];
    }
}

TEST(PlainCommandLineTest, AnyOtherFormIsLeftToCli11) {
    const std::vector<std::vector<const char*>> others = {
        {"list.ll"},                                           // no output
        {"-o", "out.hex"},                                     // no list
        {"a.ll", "b.ll", "-o", "out.hex"},                     // one positional too many
        {"list.ll", "-o", "a.hex", "-o", "b.hex"},             // a repeat: CLI11 keeps the last
        {"list.ll", "--output=out.hex"},                       // '=' forms
        {"list.ll", "-oout.hex"},
        {"list.ll", "-o", "out.hex", "--strict=false"},
        {"list.ll", "-o", "out.hex", "--", "-x"},              // the end of the options
        {"list.ll", "-o", "out.hex", "-h"},                    // help
        {"list.ll", "-o", "out.hex", "--quiet"},               // an unknown option
        {"list.ll", "-o"},                                     // an option without its value
        {"list.ll", "-o", "--strict"},
        {"", "-o", "out.hex"},                                 // values the checks refuse
        {"list.ll", "-o", ""},
        {"list.ll", "-o", "out.hex", "--format", "24bit"},
        {"list.ll", "-o", "out.hex", "--format", "2"},
        {"list.ll", "-o", "out.hex", "--start", "0x100000000"},
        {"list.ll", "-o", "out.hex", "--start", "-1"},
    };
    for (const auto& words : others) {
        const std::vector<const char*> line = BuildLine(words);
        BuildArguments read;
        EXPECT_FALSE(ReadPlainBuild(static_cast<int>(line.size()), line.data(), &read)) << line.size();
    }
}

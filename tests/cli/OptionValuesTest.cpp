#include "cli/OptionValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Shade { Dark, Middle, Light };

const Choice<Shade> Shades = {
    {"dark", Shade::Dark}, {"centre", Shade::Middle}, {"light", Shade::Light}, {"center", Shade::Middle}};

// Parses "command OPTION TEXT" with the option defined by define; the
// problem CLI11 reports, empty when the text was taken.
template <typename Define>
std::string Parse(Define define, const std::string& option, const std::string& text) {
    CLI::App program;
    define(&program);
    try {
        program.parse(std::vector<std::string>{text, option});
    } catch (const CLI::ParseError& error) {
        return error.what();
    }
    return std::string();
}

}  // namespace

TEST(OptionValuesTest, NumbersAreDecimalDigitsWithinTheirRange) {
    unsigned long wait = 0;
    auto define = [&wait](CLI::App* program) { AddNumberOption(program, "--wait", wait, 1, 255, ""); };
    EXPECT_EQ("", Parse(define, "--wait", "010"));
    EXPECT_EQ(10u, wait) << "a leading zero is no octal";
    EXPECT_EQ("", Parse(define, "--wait", "09"));
    EXPECT_EQ(9u, wait);
    EXPECT_EQ("", Parse(define, "--wait", "255"));
    EXPECT_EQ(255u, wait);
    for (const char* refused : {"0", "256", "0x10", "-1", "+5", " 5", "", "99999999999"})
        EXPECT_NE(std::string::npos, Parse(define, "--wait", refused).find("takes a number from 1 to 255")) << refused;

    unsigned long seed = 0;
    auto wide = [&seed](CLI::App* program) { AddNumberOption(program, "--seed", seed, 0, 4294967295ul, ""); };
    EXPECT_EQ("", Parse(wide, "--seed", "4294967295"));
    EXPECT_EQ(4294967295ul, seed);
    EXPECT_NE("", Parse(wide, "--seed", "4294967296"));
}

TEST(OptionValuesTest, AFrameSizeIsColumnsByRowsEachOneTo255) {
    FrameSize size;
    auto define = [&size](CLI::App* program) { program->add_option("--size", size)->check(FrameSizeText()); };
    EXPECT_EQ("", Parse(define, "--size", "032x016"));
    EXPECT_EQ(32u, size.columns);
    EXPECT_EQ(16u, size.rows);
    EXPECT_EQ("", Parse(define, "--size", "255X1"));
    EXPECT_EQ(255u, size.columns);
    EXPECT_EQ(1u, size.rows);
    for (const char* refused : {"0x5", "5x0", "256x1", "16", "16x", "x16", "16x16x2", "-1x5", "0x10x10"})
        EXPECT_NE(std::string::npos, Parse(define, "--size", refused).find("takes COLUMNSxROWS")) << refused;
}

TEST(OptionValuesTest, AChoiceTakesItsNamesOnlyAndOffersEachValueOnce) {
    Shade shade = Shade::Dark;
    auto define = [&shade](CLI::App* program) { AddChoiceOption(program, "--shade", shade, Shades, ""); };
    EXPECT_EQ("", Parse(define, "--shade", "light"));
    EXPECT_EQ(Shade::Light, shade);
    EXPECT_EQ("", Parse(define, "--shade", "center"));
    EXPECT_EQ(Shade::Middle, shade);
    for (const char* refused : {"2", "Light", "", "lightish"})
        EXPECT_NE(std::string::npos, Parse(define, "--shade", refused).find("takes dark, centre or light")) << refused;

    // The plain command lines read choices without CLI11, by the same names.
    const std::vector<std::pair<const char*, Shade>> named = {
        {"dark", Shade::Dark}, {"centre", Shade::Middle}, {"center", Shade::Middle}, {"light", Shade::Light}};
    for (const auto& name : named) {
        Shade read = name.second == Shade::Light ? Shade::Dark : Shade::Light;
        ASSERT_TRUE(Shades.ValueOf(name.first, &read)) << name.first;
        EXPECT_EQ(name.second, read) << name.first;
    }
    Shade untouched = Shade::Dark;
    for (const char* refused : {"2", "Light", "", "lightish"}) EXPECT_FALSE(Shades.ValueOf(refused, &untouched));
    EXPECT_EQ(Shade::Dark, untouched);

    EXPECT_EQ("dark|centre|light", Shades.Alternatives());
    EXPECT_EQ("centre", Shades.NameOf(Shade::Middle));
    EXPECT_EQ("light, centre or dark", Shades.InOrder({Shade::Light, Shade::Middle, Shade::Dark}).InWords());
}

// The values options take, each checked and converted by CLI11 once, into
// the variable the option is bound to: decimal numbers, frame sizes, and
// choices of names. A check's problem reads after the option's name
// ("--wait takes a number from 1 to 255").
#ifndef LUMIGRID_CLI_OPTIONVALUES_H
#define LUMIGRID_CLI_OPTIONVALUES_H

#include <CLI/CLI.hpp>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// A decimal number of at most max, digits only.
bool ParseDecimal(const std::string& text, unsigned long max, unsigned long* value);

// A number from min to max, in decimal digits. CLI11 alone would read 010 as
// octal 8 and refuse 09, so the check hands it the number's plain digits.
CLI::Validator NumberFrom(unsigned long min, unsigned long max);
// The text given is not empty; what names what it should be ("a list file").
CLI::Validator NotEmpty(const std::string& what);

// An option of command bound to a number from min to max.
template <typename Number>
CLI::Option* AddNumberOption(CLI::App* command, const std::string& name, Number& value, unsigned long min,
                             unsigned long max, const std::string& help) {
    return command->add_option(name, value, help)->type_name("N")->transform(NumberFrom(min, max));
}

// A 32-bit address in decimal or 0x-hex digits; AddressText hands it to
// CLI11 in the plain decimal digits it reads as they are.
bool ParseAddress(const std::string& text, std::uint32_t* address);
CLI::Validator AddressText();

// A frame's size as --size takes it: COLUMNSxROWS, each 1 to 255. 0 x 0
// until one is given.
struct FrameSize {
    unsigned columns = 0;
    unsigned rows = 0;
};
bool ParseFrameSize(const std::string& text, FrameSize* size);
// How CLI11 converts an option's text into a FrameSize (it finds it by the
// argument's type); FrameSizeText checks the text first.
bool lexical_cast(const std::string& text, FrameSize& size);
CLI::Validator FrameSizeText();

// A choice among names, each standing for a value of the option's variable,
// in the order the help offers them. A value's first name is the one
// offered; a later one for the same value is taken too (center for centre).
// Commands keep theirs in functions that make them on first use: a run
// defines only the command named, and tables at namespace scope would all
// be made before main.
template <typename Value>
class Choice {
public:
    using Names = std::vector<std::pair<std::string, Value>>;

    Choice(std::initializer_list<std::pair<std::string, Value>> names) : names_(names) {}
    explicit Choice(Names names) : names_(std::move(names)) {}

    // The same names, offered in the order of values given.
    Choice InOrder(std::initializer_list<Value> values) const {
        Names ordered;
        for (Value value : values)
            for (const auto& name : names_)
                if (name.second == value) ordered.push_back(name);
        return Choice(ordered);
    }
    // "8bit|16bit|20bit|32bit", as a type name in the help.
    std::string Alternatives() const {
        std::string text;
        for (const std::string& name : Offered()) text += (text.empty() ? "" : "|") + name;
        return text;
    }
    // "8bit, 16bit, 20bit or 32bit".
    std::string InWords() const {
        const std::vector<std::string> names = Offered();
        std::string text;
        for (std::size_t i = 0; i < names.size(); ++i)
            text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
        return text;
    }
    std::string NameOf(Value value) const {
        for (const auto& name : names_)
            if (name.second == value) return name.first;
        return std::string();
    }
    // The value that text names; false when it names none.
    bool ValueOf(const std::string& text, Value* value) const {
        for (const auto& name : names_)
            if (text == name.first) {
                *value = name.second;
                return true;
            }
        return false;
    }
    // Takes one of the names and hands CLI11 its value to convert, as its
    // Transformer does, but only the names: a value's number is no name.
    CLI::Validator Converter() const {
        const Choice choice = *this;
        const std::string problem = "takes " + InWords();
        return CLI::Validator(
            [choice, problem](std::string& text) {
                Value value;
                if (!choice.ValueOf(text, &value)) return problem;
                text = std::to_string(static_cast<long long>(value));
                return std::string();
            },
            std::string());
    }

private:
    std::vector<std::string> Offered() const {
        std::vector<std::string> offered;
        for (std::size_t i = 0; i < names_.size(); ++i) {
            bool first = true;
            for (std::size_t j = 0; j < i; ++j) first = first && !(names_[j].second == names_[i].second);
            if (first) offered.push_back(names_[i].first);
        }
        return offered;
    }

    Names names_;
};

// An option of command bound to value, one of choice's names; the help shows
// typeName, or else the names themselves.
template <typename Value>
CLI::Option* AddChoiceOption(CLI::App* command, const std::string& name, Value& value, const Choice<Value>& choice,
                             const std::string& help, const std::string& typeName = std::string()) {
    return command->add_option(name, value, help)
        ->type_name(typeName.empty() ? choice.Alternatives() : typeName)
        ->transform(choice.Converter());
}

#endif

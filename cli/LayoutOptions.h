// The options of exported code's layout, which export writes and import
// reads back: --layout and the generic options that change a preset, and
// --planes. Each choice is one map of names to values, checked and converted
// by the parser once. (NameMap and NameChoice are this file's until the
// commands share one kind of choice.)
#ifndef LUMIGRID_CLI_LAYOUTOPTIONS_H
#define LUMIGRID_CLI_LAYOUTOPTIONS_H

#include <map>
#include <string>

#include "cli/CommandLine.h"
#include "export/ExportLayout.h"

// A choice's names and the values they stand for, case as given.
template <class T>
using NameMap = std::map<std::string, T>;

// The names of a choice in words: "a, b or c".
template <class T>
std::string NameMapWords(const NameMap<T>& names) {
    std::string words;
    std::size_t left = names.size();
    for (const auto& name : names) {
        words += name.first;
        --left;
        words += left > 1 ? ", " : left == 1 ? " or " : "";
    }
    return words;
}

// Takes one of the names, and no other text (the converter would also take
// a value it maps to), and hands the option the name's value.
template <class T>
CLI::Validator NameChoice(const NameMap<T>& names) {
    const CLI::Validator transform = CLI::CheckedTransformer(names);
    const std::string words = NameMapWords(names);
    return CLI::Validator(
        [names, transform, words](std::string& text) {
            if (names.count(text) == 0 || !transform(text).empty()) return "takes " + words;
            return std::string();
        },
        std::string());
}

struct LayoutArguments {
    std::size_t preset = 0;   // in LayoutPresets
    ExportLayout given;       // the generic options given, over the preset
    CLI::Option* scan = nullptr;
    CLI::Option* serpentine = nullptr;
    CLI::Option* bitOrder = nullptr;
    CLI::Option* word = nullptr;
    CLI::Option* pad = nullptr;
    CLI::Option* byteOrder = nullptr;
    CLI::Option* layout = nullptr;
};

// --planes one|two (default two): how a pattern's frames make pictures.
CLI::Option* AddPlanesOption(CLI::App* command, Planes& planes);
// --layout, --rotate, --mirror, --scan, --serpentine, --bit-order, --word,
// --pad and --byte-order; --invert when withInvert (import has its own).
void AddLayoutOptions(CLI::App* command, LayoutArguments& arguments, bool withInvert);
// The preset's options, then those given.
ExportLayout LayoutOf(const LayoutArguments& arguments);
// Whether --layout or a generic packing option was given.
bool LayoutGiven(const LayoutArguments& arguments);

#endif

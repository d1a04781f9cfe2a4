#include "cli/LayoutOptions.h"

#include "export/LayoutPresets.h"

namespace {

const Choice<unsigned>& RotateNames() {
    static const Choice<unsigned> choice = {{"0", 0}, {"90", 90}, {"180", 180}, {"270", 270}};
    return choice;
}

const Choice<Mirror>& MirrorNames() {
    static const Choice<Mirror> choice = {
        {"none", Mirror::None}, {"horizontal", Mirror::Horizontal}, {"vertical", Mirror::Vertical}};
    return choice;
}

const Choice<Scan>& ScanNames() {
    static const Choice<Scan> choice = {
        {"rows", Scan::Rows}, {"columns", Scan::Columns}, {"pages", Scan::Pages}, {"strip", Scan::Strip}};
    return choice;
}

const Choice<BitOrder>& BitOrderNames() {
    static const Choice<BitOrder> choice = {{"msb", BitOrder::Msb}, {"lsb", BitOrder::Lsb}};
    return choice;
}

const Choice<unsigned>& WordNames() {
    static const Choice<unsigned> choice = {{"8", 8}, {"16", 16}, {"32", 32}, {"64", 64}};
    return choice;
}

const Choice<Pad>& PadNames() {
    static const Choice<Pad> choice = {{"unit", Pad::Unit}, {"none", Pad::None}};
    return choice;
}

const Choice<ByteOrder>& ByteOrderNames() {
    static const Choice<ByteOrder> choice = {{"big", ByteOrder::Big}, {"little", ByteOrder::Little}};
    return choice;
}

Choice<std::size_t> PresetNames() {
    Choice<std::size_t>::Names names;
    for (std::size_t i = 0; i < LayoutPresetCount; ++i) names.emplace_back(LayoutPresets[i].name, i);
    return Choice<std::size_t>(names);
}

std::string PresetHelp() {
    std::string help = "the bytes as a library reads them (default gfx):", line;
    for (std::size_t i = 0; i < LayoutPresetCount; ++i) {
        const std::string name = LayoutPresets[i].name + std::string(i + 1 < LayoutPresetCount ? "," : "");
        if (!line.empty() && line.size() + 1 + name.size() > 48) {
            help += "\n" + line;
            line.clear();
        }
        line += (line.empty() ? "" : " ") + name;
    }
    return help + "\n" + line;
}

bool Given(const CLI::Option* option) { return option && option->count() > 0; }

}  // namespace

void AddLayoutOptions(CLI::App* command, LayoutArguments& arguments, bool withInvert) {
    arguments.preset = static_cast<std::size_t>(FindLayoutPreset(DefaultLayoutPreset) - LayoutPresets);
    arguments.layout = AddChoiceOption(command, "--layout", arguments.preset, PresetNames(), PresetHelp(), "NAME");
    ExportLayout& given = arguments.given;
    AddChoiceOption(command, "--rotate", given.rotate, RotateNames(), "turns the picture clockwise (default 0)");
    AddChoiceOption(command, "--mirror", given.mirror, MirrorNames(),
                    "then mirrors it: horizontal swaps left and right\n(default none)");
    if (withInvert) command->add_flag("--invert", given.invert, "lit LEDs as 0, dark as 1 (padding stays 0)");
    arguments.scan = AddChoiceOption(command, "--scan", given.scan, ScanNames(), "units of rows, columns, pages (8-row bands) or\none strip");
    arguments.serpentine = command->add_flag("--serpentine", given.serpentine, "reverses every odd unit");
    arguments.bitOrder = AddChoiceOption(command, "--bit-order", given.bitOrder, BitOrderNames(),
                                         "the first LED in the most or least\nsignificant bit");
    arguments.word = AddChoiceOption(command, "--word", given.wordBits, WordNames(), "bits of a value");
    arguments.pad = AddChoiceOption(command, "--pad", given.pad, PadNames(), "unit: each unit to whole words; none: one run\na frame");
    arguments.byteOrder = AddChoiceOption(command, "--byte-order", given.byteOrder, ByteOrderNames(), "of words over 8 bits");
}

ExportLayout LayoutOf(const LayoutArguments& arguments) {
    ExportLayout layout = arguments.given;
    ApplyLayoutPreset(LayoutPresets[arguments.preset], layout);
    const ExportLayout& given = arguments.given;
    if (Given(arguments.scan)) layout.scan = given.scan;
    if (Given(arguments.serpentine)) layout.serpentine = given.serpentine;
    if (Given(arguments.bitOrder)) layout.bitOrder = given.bitOrder;
    if (Given(arguments.word)) layout.wordBits = given.wordBits;
    if (Given(arguments.pad)) layout.pad = given.pad;
    if (Given(arguments.byteOrder)) layout.byteOrder = given.byteOrder;
    return layout;
}

bool LayoutGiven(const LayoutArguments& arguments) {
    for (const CLI::Option* option : {arguments.layout, arguments.scan, arguments.serpentine, arguments.bitOrder,
                                      arguments.word, arguments.pad, arguments.byteOrder})
        if (Given(option)) return true;
    return false;
}

#include "cli/LayoutOptions.h"

#include "export/LayoutPresets.h"

namespace {

const NameMap<Planes> PlanesNames = {{"one", Planes::One}, {"two", Planes::Two}};
const NameMap<unsigned> RotateNames = {{"0", 0}, {"90", 90}, {"180", 180}, {"270", 270}};
const NameMap<Mirror> MirrorNames = {{"none", Mirror::None}, {"horizontal", Mirror::Horizontal}, {"vertical", Mirror::Vertical}};
const NameMap<Scan> ScanNames = {{"rows", Scan::Rows}, {"columns", Scan::Columns}, {"pages", Scan::Pages}, {"strip", Scan::Strip}};
const NameMap<BitOrder> BitOrderNames = {{"msb", BitOrder::Msb}, {"lsb", BitOrder::Lsb}};
const NameMap<unsigned> WordNames = {{"8", 8}, {"16", 16}, {"32", 32}, {"64", 64}};
const NameMap<Pad> PadNames = {{"unit", Pad::Unit}, {"none", Pad::None}};
const NameMap<ByteOrder> ByteOrderNames = {{"big", ByteOrder::Big}, {"little", ByteOrder::Little}};

NameMap<std::size_t> PresetNames() {
    NameMap<std::size_t> names;
    for (std::size_t i = 0; i < LayoutPresetCount; ++i) names[LayoutPresets[i].name] = i;
    return names;
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

CLI::Option* AddPlanesOption(CLI::App* command, Planes& planes) {
    return command->add_option("--planes", planes, "two (the default): a picture is frames 2i and\n2i + 1 side by side; one: each frame")
        ->type_name("one|two")
        ->transform(NameChoice(PlanesNames));
}

void AddLayoutOptions(CLI::App* command, LayoutArguments& arguments, bool withInvert) {
    arguments.preset = FindLayoutPreset(DefaultLayoutPreset) - LayoutPresets;
    arguments.layout = command->add_option("--layout", arguments.preset, PresetHelp())->type_name("NAME")->transform(NameChoice(PresetNames()));
    ExportLayout& given = arguments.given;
    command->add_option("--rotate", given.rotate, "turns the picture clockwise (default 0)")->type_name("0|90|180|270")->transform(NameChoice(RotateNames));
    command->add_option("--mirror", given.mirror, "then mirrors it: horizontal swaps left and right\n(default none)")
        ->type_name("none|horizontal|vertical")
        ->transform(NameChoice(MirrorNames));
    if (withInvert) command->add_flag("--invert", given.invert, "lit LEDs as 0, dark as 1 (padding stays 0)");
    arguments.scan = command->add_option("--scan", given.scan, "units of rows, columns, pages (8-row bands) or\none strip")
                         ->type_name("rows|columns|pages|strip")
                         ->transform(NameChoice(ScanNames));
    arguments.serpentine = command->add_flag("--serpentine", given.serpentine, "reverses every odd unit");
    arguments.bitOrder = command->add_option("--bit-order", given.bitOrder, "the first LED in the most or least\nsignificant bit")
                             ->type_name("msb|lsb")
                             ->transform(NameChoice(BitOrderNames));
    arguments.word = command->add_option("--word", given.wordBits, "bits of a value")->type_name("8|16|32|64")->transform(NameChoice(WordNames));
    arguments.pad = command->add_option("--pad", given.pad, "unit: each unit to whole words; none: one run\na frame")
                        ->type_name("unit|none")
                        ->transform(NameChoice(PadNames));
    arguments.byteOrder = command->add_option("--byte-order", given.byteOrder, "of words over 8 bits")
                              ->type_name("big|little")
                              ->transform(NameChoice(ByteOrderNames));
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

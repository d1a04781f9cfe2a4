// The options of exported code's layout, which export writes and import
// reads back: --layout and the generic options that change a preset, and
// --planes. Each choice is one map of names to values (OptionValues.h).
#ifndef LUMIGRID_CLI_LAYOUTOPTIONS_H
#define LUMIGRID_CLI_LAYOUTOPTIONS_H

#include <cstddef>

#include "cli/OptionValues.h"
#include "export/ExportLayout.h"

struct LayoutArguments {
    std::size_t preset = 0;   // in LayoutPresets
    ExportLayout given;       // the generic options given, over the preset
    CLI::Option* layout = nullptr;
    CLI::Option* scan = nullptr;
    CLI::Option* serpentine = nullptr;
    CLI::Option* bitOrder = nullptr;
    CLI::Option* word = nullptr;
    CLI::Option* pad = nullptr;
    CLI::Option* byteOrder = nullptr;
};

// --layout, --rotate, --mirror, --scan, --serpentine, --bit-order, --word,
// --pad and --byte-order; --invert when withInvert (import has its own).
void AddLayoutOptions(CLI::App* command, LayoutArguments& arguments, bool withInvert);
// The preset's options, then those given.
ExportLayout LayoutOf(const LayoutArguments& arguments);
// Whether --layout or a generic packing option was given.
bool LayoutGiven(const LayoutArguments& arguments);

#endif

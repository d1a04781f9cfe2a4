// The named layouts: each only a set of the generic packing options (tiles,
// scan, serpentine, bit order, word, pad, byte order), for the libraries and
// wirings that read them. Planes, rotation, mirroring and inversion are the
// user's and are left as they are.
#ifndef LUMIGRID_EXPORT_LAYOUTPRESETS_H
#define LUMIGRID_EXPORT_LAYOUTPRESETS_H

#include <cstddef>
#include <string>

#include "export/ExportLayout.h"

struct LayoutPreset {
    const char* name;
    const char* readers;      // the libraries and hardware that read it
    unsigned tileSide;        // 0: no tiles
    Scan scan;
    bool serpentine;
    BitOrder bitOrder;
    unsigned wordBits;
    Pad pad;
    ByteOrder byteOrder;
};

extern const LayoutPreset LayoutPresets[];
extern const std::size_t LayoutPresetCount;
extern const char DefaultLayoutPreset[];   // "gfx"

// The preset of that name, or null.
const LayoutPreset* FindLayoutPreset(const std::string& name);
// Sets the preset's options in layout; the generic options the user gives
// after it then change it.
void ApplyLayoutPreset(const LayoutPreset& preset, ExportLayout& layout);
// The first preset whose bytes the layout's packing gives, or null. A word
// of 8 bits has no byte order, so that one does not tell them apart.
const LayoutPreset* PresetOfLayout(const ExportLayout& layout);

// The MicroPython framebuf format that reads a frame of this layout as it
// stands ("MONO_HLSB", "MONO_HMSB", "MONO_VLSB"), or null.
const char* FramebufFormat(const ExportLayout& layout);

#endif

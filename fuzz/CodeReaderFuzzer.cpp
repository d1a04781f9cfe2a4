// The reader of exported code, as lumigrid-cli import reads a file of one
// language: built once a language (LUMIGRID_FUZZ_LANGUAGE, one of
// CodeLanguage's names), each target with seeds the exporter wrote in it.
//
// Text is read with a layout and frame size the input's length picks, for
// text without a layout line. Binary has no text to say them, so the input's
// first ChoiceBytes bytes pick them and the rest is the data.
//
// Never a crash or an out-of-bounds access (the sanitizers watch); what
// reads keeps its layout's sizes, makes a pattern within the editor's
// limits, and that pattern exported again in the same language and layout
// reads back to the same pictures.
#include <cstring>
#include <string>

#include "export/CodeExport.h"
#include "export/ExportReader.h"
#include "export/LayoutPresets.h"
#include "fuzz/FuzzScratch.h"

#ifndef LUMIGRID_FUZZ_LANGUAGE
#error "LUMIGRID_FUZZ_LANGUAGE names the language of the target"
#endif

namespace {

const CodeLanguage Language = CodeLanguage::LUMIGRID_FUZZ_LANGUAGE;

// Bytes before a binary target's data: preset, transform, width, height, packing.
const std::size_t ChoiceBytes = 5;

// The export again is checked on modest data only, to keep the runs fast.
const std::size_t ExportLimit = 8 * 1024;
// The largest side of a binary target's frames.
const unsigned MaxSide = 64;

// A layout from five bytes: a preset, then planes, rotation, mirroring and
// inversion, the frame's width and height less one, and with the top bit of
// the last every generic option of its own.
ReadHints HintsFrom(const std::uint8_t choice[ChoiceBytes]) {
    ReadHints hints;
    hints.hasLayout = true;
    ApplyLayoutPreset(LayoutPresets[choice[0] % LayoutPresetCount], hints.layout);
    ExportLayout& layout = hints.layout;
    const std::uint8_t transform = choice[1];
    layout.planes = transform & 1 ? Planes::One : Planes::Two;
    layout.rotate = 90u * (transform >> 1 & 3);
    layout.mirror = static_cast<Mirror>((transform >> 3 & 3) % 3);
    layout.invert = transform >> 5 & 1;
    const std::uint8_t packing = choice[4];
    if (packing & 0x80) {
        layout.scan = static_cast<Scan>(packing & 3);
        layout.serpentine = packing >> 2 & 1;
        layout.bitOrder = static_cast<BitOrder>(packing >> 3 & 1);
        layout.wordBits = 8u << (packing >> 4 & 3);
        layout.pad = static_cast<Pad>(packing >> 6 & 1);
        layout.byteOrder = static_cast<ByteOrder>(transform >> 6 & 1);
    }
    // Sides of at most MaxSide: a frame's coder is made cell by cell, and
    // large frames would cost the search more than they find.
    hints.size = PictureSize{1u + choice[2] % MaxSide, 1u + choice[3] % MaxSide};
    return hints;
}

void CheckRead(const ExportedCode& code, const ReadHints& hints) {
    FUZZ_REQUIRE(code.frames >= 1 && code.frameBytes >= 1);
    FUZZ_REQUIRE(code.bytes.size() == code.frames * code.frameBytes);
    FUZZ_REQUIRE(code.delays.empty() || code.delays.size() == code.frames);
    FUZZ_REQUIRE(code.frames * PlaneCount(code.layout.planes) <= LedPattern::MaxFrames);
    FUZZ_REQUIRE(CheckLayout(code.layout).empty());
    FUZZ_REQUIRE(code.size.width >= 1 && code.size.width <= MaxExportedSide);
    FUZZ_REQUIRE(code.size.height >= 1 && code.size.height <= MaxExportedSide);
    if (!code.fromLayoutLine && Language != CodeLanguage::Xbm) FUZZ_REQUIRE(code.layout == hints.layout);
}

bool Read(const std::string& text, const ReadHints& hints, ExportedCode* code, ExportReadError* error) {
    if (Language == CodeLanguage::Binary)
        return ReadExportedBinary(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), hints, code, error);
    return ReadExportedText(text.data(), text.size(), hints, code, error);
}

// The pattern exported again as the code had it reads back to its pictures.
void CheckExportAgain(const ExportedCode& code, const LedPattern& pattern, const ReadHints& hints, bool art) {
    ExportOptions options;
    options.language = Language;
    options.layout = code.layout;
    options.name = code.name;
    options.art = art;
    // Pasted code may be in a layout the language cannot write (XBM has one).
    if (!PlanExport(pattern, options).Made()) return;
    const ExportResult exported = ExportCode(pattern, options);
    if (!exported.Made()) std::fprintf(stderr, "export: %s\n", exported.error.c_str());
    FUZZ_REQUIRE(exported.Made());
    ReadHints again = hints;
    again.layout = code.layout;
    again.size = exported.size;
    ExportedCode reread;
    ExportReadError error;
    FUZZ_REQUIRE(Read(exported.output, again, &reread, &error));
    // The size may grow: two planes of an odd width get a dark column.
    FUZZ_REQUIRE(reread.frames == code.frames && reread.layout == code.layout && reread.size == exported.size);
    LedPattern rebuilt;
    FUZZ_REQUIRE(MakePattern(reread, DefaultTickMilliseconds, rebuilt).empty());
    FUZZ_REQUIRE(rebuilt.frameCount == pattern.frameCount && rebuilt.columns == pattern.columns &&
                 rebuilt.rows == pattern.rows);
    for (std::uint32_t f = 0; f < pattern.frameCount; ++f)
        FUZZ_REQUIRE(std::memcmp(rebuilt.Frame(f), pattern.Frame(f), pattern.FrameSize()) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t choice[ChoiceBytes] = {};
    if (Language == CodeLanguage::Binary) {
        if (size < ChoiceBytes) return 0;
        std::memcpy(choice, data, ChoiceBytes);
        data += ChoiceBytes;
        size -= ChoiceBytes;
    } else {
        // Pasted text has no layout line: its length picks a layout and a size.
        const std::uint8_t bySize[ChoiceBytes] = {static_cast<std::uint8_t>(size % 8), static_cast<std::uint8_t>(size / 8 % 2),
                                                  static_cast<std::uint8_t>(7 + size % 3 * 4),
                                                  static_cast<std::uint8_t>(7 + size / 3 % 3 * 4), 0};
        std::memcpy(choice, bySize, ChoiceBytes);
    }
    const ReadHints hints = HintsFrom(choice);
    const std::string input(reinterpret_cast<const char*>(data), size);
    ExportedCode code;
    ExportReadError error;
    if (!Read(input, hints, &code, &error)) {
        FUZZ_REQUIRE(!error.what.empty());
        return 0;
    }
    CheckRead(code, hints);
    LedPattern pattern;
    const std::string problem = MakePattern(code, DefaultTickMilliseconds, pattern);
    FUZZ_REQUIRE(problem.empty());
    FUZZ_REQUIRE(pattern.frameCount == code.frames * PlaneCount(code.layout.planes));
    FUZZ_REQUIRE(pattern.header.FrameCount() == pattern.frameCount);
    if (code.bytes.size() <= ExportLimit) CheckExportAgain(code, pattern, hints, size % 2 == 0);
    return 0;
}

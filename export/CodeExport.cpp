#include "export/CodeExport.h"

#include <new>

#include "export/BinaryOutput.h"
#include "export/CLanguage.h"
#include "export/ExportFrames.h"
#include "export/ExportReader.h"
#include "export/FlashFit.h"
#include "export/HexOutput.h"
#include "export/Identifier.h"
#include "export/JsonLanguage.h"
#include "export/PythonLanguage.h"
#include "export/RustLanguage.h"
#include "export/XbmLanguage.h"
#include "pattern/files/ReplacementFile.h"

namespace {

const std::uint32_t MaxDelayMilliseconds = 0xFFFF;   // the delays are 16-bit in C and Rust

bool CarriesDelays(CodeLanguage language) {
    return language == CodeLanguage::C || language == CodeLanguage::Python || language == CodeLanguage::Json ||
           language == CodeLanguage::Rust;
}

void Write(ExportFrames& frames, const ExportOptions& options, const std::string& name, std::string& out) {
    switch (options.language) {
    case CodeLanguage::C: WriteCLanguage(frames, options, name, out); break;
    case CodeLanguage::Python: WritePythonLanguage(frames, options, name, out); break;
    case CodeLanguage::Json: WriteJsonLanguage(frames, options, name, out); break;
    case CodeLanguage::Xbm: WriteXbmLanguage(frames, options, name, out); break;
    case CodeLanguage::Rust: WriteRustLanguage(frames, options, name, out); break;
    case CodeLanguage::Binary:
    case CodeLanguage::Hex: WriteBinaryOutput(frames, out); break;
    }
}

// The whole output, with room made once from the first picture's share so
// that it never grows to twice its size on the way.
void Produce(const LedPattern& pattern, const ExportOptions& options, PictureRange range, const std::string& name,
             std::string& out) {
    if (range.count > 1) {
        ExportFrames first(pattern, options, PictureRange{range.first, 1});
        std::string sample;
        Write(first, options, name, sample);
        const std::uint64_t estimate = static_cast<std::uint64_t>(sample.size()) * range.count * 257 / 256;
        if (estimate > out.max_size()) throw std::bad_alloc();
        out.reserve(static_cast<std::size_t>(estimate));
    }
    ExportFrames frames(pattern, options, range);
    Write(frames, options, name, out);
}

// The output read back as import reads it, frame against picture.
std::string Verify(const LedPattern& pattern, const ExportOptions& options, PictureRange range,
                   const ExportResult& result) {
    ReadHints hints;
    hints.hasLayout = true;
    hints.layout = options.layout;
    hints.size = result.size;
    ExportedCode code;
    ExportReadError error;
    const bool text = IsTextLanguage(options.language);
    const bool read = text ? ReadExportedText(result.output.data(), result.output.size(), hints, &code, &error)
                           : ReadExportedBinary(reinterpret_cast<const std::uint8_t*>(result.output.data()),
                                                result.output.size(), hints, &code, &error, false);
    if (!read) return "the output does not read back: " + error.Describe();
    if (code.layout != options.layout || !(code.size == result.size) || code.frames != range.count ||
        (text && !code.fromLayoutLine))
        return "the output does not read back with its own layout and size";
    const std::uint32_t delay = FrameDelayMilliseconds(pattern.header, options.tickMilliseconds);
    for (std::uint32_t d : code.delays)
        if (d != delay) return "the delays do not read back";
    const std::uint8_t* bytes = text ? code.bytes.data() : reinterpret_cast<const std::uint8_t*>(result.output.data());
    FrameCoder coder(code.layout, code.Picture());
    for (std::uint32_t i = 0; i < code.frames; ++i)
        if (coder.Decode(bytes + static_cast<std::size_t>(i) * code.frameBytes) !=
            PictureOf(pattern, range.first + i, options.layout.planes))
            return "frame " + std::to_string(i) + " does not read back as its picture";
    return std::string();
}

bool Refuse(ExportResult& result, const std::string& why) {
    result.error = why;
    return false;
}

// Everything but the output: what is exported, its sizes and the flash.
bool Plan(const LedPattern& pattern, const ExportOptions& options, PictureRange* range, ExportResult& result) {
    result.error = CheckExportOptions(options);
    if (result.error.empty()) result.error = PicturesOf(pattern, options.layout.planes, options.pictures, range);
    if (!result.error.empty()) return false;
    result.name = ExportName(pattern, options);
    const FrameCoder coder(options.layout, PictureSize{pattern.columns * PlaneCount(options.layout.planes), pattern.rows});
    result.size = coder.Exported();
    result.frames = range->count;
    result.frameBytes = coder.FrameBytes();
    const std::uint64_t frameData = static_cast<std::uint64_t>(result.frameBytes) * range->count;
    const std::uint32_t delay = FrameDelayMilliseconds(pattern.header, options.tickMilliseconds);
    const bool delays = CarriesDelays(options.language);
    if (delays && delay > MaxDelayMilliseconds)
        return Refuse(result, "a frame's delay of " + std::to_string(delay) + " ms does not fit the 16-bit delays "
                              "(at most 65535 ms): choose a shorter tick");
    if (frameData > MaxExportDataBytes) return Refuse(result, "the data would exceed " + SizeText(MaxExportDataBytes));
    result.dataBytes = frameData + (delays ? 2ull * range->count : 0);
    result.summary = std::to_string(result.frameBytes) + " bytes a frame, " + std::to_string(frameData) + " bytes in all";
    if (options.language == CodeLanguage::Hex) {
        result.error = CheckHexPlacement(options.hexFormat, options.address, frameData);
        if (!result.error.empty()) return false;
    }
    if (options.mcu.empty()) return true;
    const Controller* controller = FindController(options.mcu);
    if (!controller) return Refuse(result, "unknown controller \"" + options.mcu + "\" (" + ControllerNames() + ")");
    const FlashFit fit = CheckFlashFit(*controller, result.dataBytes, frameData);
    result.summary += " (" + fit.share + ")";
    result.flashPercent = fit.percent;
    result.warnings = fit.warnings;
    result.avrArrayTooLarge = fit.arrayTooLarge;
    result.avrFarData = fit.farData;
    if (!fit.fits)
        return Refuse(result, std::to_string(result.dataBytes) + " bytes do not fit the " + controller->name + "'s " +
                              SizeText(controller->flashBytes) + " flash");
    return true;
}

}  // namespace

std::string ExportName(const LedPattern& pattern, const ExportOptions& options) {
    if (!options.name.empty()) return MakeIdentifier(options.name);
    if (pattern.fileName && pattern.fileName[0]) return MakeIdentifier(FileStem(pattern.fileName.get()));
    return DefaultIdentifier;
}

ExportResult PlanExport(const LedPattern& pattern, const ExportOptions& options) {
    ExportResult result;
    PictureRange range;
    Plan(pattern, options, &range, result);
    return result;
}

ExportResult ExportCode(const LedPattern& pattern, const ExportOptions& options) {
    ExportResult result;
    PictureRange range;
    if (!Plan(pattern, options, &range, result)) return result;
    try {
        Produce(pattern, options, range, result.name, result.output);
        result.error = Verify(pattern, options, range, result);
    } catch (const std::bad_alloc&) {
        result.error = "not enough memory for an output of this size";
    }
    if (!result.error.empty()) std::string().swap(result.output);
    return result;
}

ExportResult WriteExportFile(const LedPattern& pattern, const ExportOptions& options, const char* path) {
    ExportResult result = ExportCode(pattern, options);
    if (!result.Made()) return result;
    if (options.language == CodeLanguage::Hex) {
        result.error = WriteHexOutput(reinterpret_cast<const std::uint8_t*>(result.output.data()), result.output.size(),
                                      options.hexFormat, options.address, path);
        result.writeFailed = !result.error.empty();
        return result;
    }
    ReplacementFile file;
    if (!file.Create(path) || !file.Write(result.output.data(), result.output.size()) || !file.Commit()) {
        file.Discard();
        result.error = "the file could not be written";
        result.writeFailed = true;
    }
    return result;
}

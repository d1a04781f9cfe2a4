#include "export/CLanguage.h"

#include "export/CodeText.h"
#include "export/Identifier.h"

namespace {

const char Comment[] = "//";
const unsigned DelaysPerLine = 16;

const char FlashPreamble[] =
    "#pragma once\n"
    "\n"
    "#include <stdint.h>\n"
    "\n"
    "#if defined(__AVR__)\n"
    "#include <avr/pgmspace.h>\n"
    "#elif !defined(PROGMEM)\n"
    "#define PROGMEM\n"
    "#endif\n"
    "\n";

std::string WordType(unsigned bits) { return "uint" + std::to_string(bits) + "_t"; }

void AppendDefine(std::string& out, const std::string& macro, std::uint64_t value) {
    out += "#define " + macro + " " + std::to_string(value) + "\n";
}

void AppendFrameComment(std::string& out, const ExportFrames& frames, std::uint32_t i) {
    out += "    // frame " + std::to_string(i);
    if (frames.FirstPicture() != 0) out += " (picture " + std::to_string(frames.FirstPicture() + i) + ")";
    out += ": " + std::to_string(frames.DelayMilliseconds()) + " ms\n";
}

void AppendDelays(std::string& out, const ExportFrames& frames, const std::string& name, const std::string& upper) {
    out += "const uint16_t " + name + "_delays_ms[" + upper + "_FRAME_COUNT] PROGMEM = {\n";
    const std::string delay = std::to_string(frames.DelayMilliseconds()) + ",";
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        out += i % DelaysPerLine == 0 ? "    " : " ";
        out += delay;
        if (i % DelaysPerLine == DelaysPerLine - 1 || i + 1 == frames.Count()) out += '\n';
    }
    out += "};\n";
}

}  // namespace

void WriteCLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name, std::string& out) {
    const std::string upper = UpperIdentifier(name);
    const ExportLayout& layout = frames.Layout();
    std::vector<std::string> header = HeaderLines(frames, options, name);
    if (options.base == NumberBase::Bin)
        header.push_back("The values are binary literals (0b...): they need C++14, or GNU C (gcc's default).");
    header.push_back(LayoutLineOf(frames));
    AppendComments(out, header, Comment);
    out += FlashPreamble;
    const PictureSize size = frames.Exported();
    AppendDefine(out, upper + "_WIDTH", size.width);
    AppendDefine(out, upper + "_HEIGHT", size.height);
    AppendDefine(out, upper + "_FRAME_COUNT", frames.Count());
    AppendDefine(out, upper + "_FRAME_BYTES", frames.FrameBytes());
    std::string second = upper + "_FRAME_BYTES";
    if (layout.wordBits > 8) {
        second = upper + "_FRAME_WORDS";
        AppendDefine(out, second, frames.FrameBytes() / layout.WordBytes());
    }
    out += "\n";
    out += "const " + WordType(layout.wordBits) + " " + name + "_frames[" + upper + "_FRAME_COUNT][" + second +
           "] PROGMEM = {\n";
    // 64-bit decimal values past the signed range would warn without it.
    const ValueText text(options.base, layout.wordBits, true, layout.wordBits == 64 ? "ULL" : "");
    const ValueLines lines{"        ", options.art ? Comment : nullptr, layout.wordBits,
                           ValuesPerLine(options, frames.Coder(), layout.wordBits)};
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        AppendFrameComment(out, frames, i);
        if (layout.scan == Scan::Strip) AppendLitComments(out, frames.Lit(), "    ", Comment);
        out += "    {\n";
        AppendFrameValues(out, frames, text, lines);
        out += "    },\n";
    }
    out += "};\n\n";
    AppendDelays(out, frames, name, upper);
}

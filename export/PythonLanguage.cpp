#include "export/PythonLanguage.h"

#include "export/CodeText.h"
#include "export/Identifier.h"
#include "export/LayoutPresets.h"

namespace {

const char Comment[] = "#";
const unsigned NumbersPerLine = 16;

void AppendFrameComment(std::string& out, const ExportFrames& frames, std::uint32_t i) {
    out += "    # frame " + std::to_string(i);
    if (frames.FirstPicture() != 0) out += " (picture " + std::to_string(frames.FirstPicture() + i) + ")";
    out += ": " + std::to_string(frames.DelayMilliseconds()) + " ms\n";
}

// A tuple of numbers over lines, a trailing comma after each so that one
// number is a tuple too.
void AppendTuple(std::string& out, const std::vector<std::uint32_t>& numbers, const std::string& indent) {
    out += "(";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i % NumbersPerLine == 0) out += "\n" + indent + "    ";
        else out += ' ';
        out += std::to_string(numbers[i]) + ",";
    }
    out += (numbers.empty() ? ")" : "\n" + indent + ")");
}

void AppendLitTuples(std::string& out, ExportFrames& frames, const std::string& upper) {
    out += "\n# The LED indices of each frame's lit LEDs, in the strip's order.\n";
    out += upper + "_LIT = (\n";
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        out += "    ";
        AppendTuple(out, frames.Lit(), "    ");
        out += ",  # frame " + std::to_string(i) + "\n";
    }
    out += ")\n";
}

}  // namespace

void WritePythonLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name,
                         std::string& out) {
    const std::string upper = UpperIdentifier(name);
    std::vector<std::string> header = HeaderLines(frames, options, name);
    if (const char* format = FramebufFormat(frames.Layout()))
        header.push_back("MicroPython: framebuf.FrameBuffer(bytearray(" + upper + "_FRAMES[i]), " + upper +
                         "_WIDTH, " + upper + "_HEIGHT, framebuf." + format + ")");
    header.push_back(LayoutLineOf(frames));
    AppendComments(out, header, Comment);
    const PictureSize size = frames.Exported();
    out += "\n" + upper + "_WIDTH = " + std::to_string(size.width) + "\n";
    out += upper + "_HEIGHT = " + std::to_string(size.height) + "\n";
    out += upper + "_FRAME_COUNT = " + std::to_string(frames.Count()) + "\n";
    out += upper + "_FRAME_BYTES = " + std::to_string(frames.FrameBytes()) + "\n\n";
    out += upper + "_FRAMES = (\n";
    const ValueText text(options.base, 8, true);
    const ValueLines lines{"        ", options.art ? Comment : nullptr, 8, ValuesPerLine(options, frames.Coder(), 8)};
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        AppendFrameComment(out, frames, i);
        out += "    bytes((\n";
        AppendFrameValues(out, frames, text, lines);
        out += "    )),\n";
    }
    out += ")\n\n";
    out += upper + "_DELAYS_MS = ";
    AppendTuple(out, std::vector<std::uint32_t>(frames.Count(), frames.DelayMilliseconds()), "");
    out += "\n";
    if (frames.Layout().scan == Scan::Strip) AppendLitTuples(out, frames, upper);
}

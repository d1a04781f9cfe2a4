#include "export/RustLanguage.h"

#include "export/CodeText.h"
#include "export/Identifier.h"

namespace {

const char Comment[] = "//";
const unsigned DelaysPerLine = 16;

void AppendFrameComment(std::string& out, const ExportFrames& frames, std::uint32_t i) {
    out += "    // frame " + std::to_string(i);
    if (frames.FirstPicture() != 0) out += " (picture " + std::to_string(frames.FirstPicture() + i) + ")";
    out += ": " + std::to_string(frames.DelayMilliseconds()) + " ms\n";
}

}  // namespace

void WriteRustLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name,
                       std::string& out) {
    const std::string upper = UpperIdentifier(name);
    std::vector<std::string> header = HeaderLines(frames, options, name);
    header.push_back(LayoutLineOf(frames));
    AppendComments(out, header, Comment);
    const PictureSize size = frames.Exported();
    out += "\npub const " + upper + "_WIDTH: u32 = " + std::to_string(size.width) + ";\n";
    out += "pub const " + upper + "_HEIGHT: u32 = " + std::to_string(size.height) + ";\n";
    out += "pub const " + upper + "_FRAME_COUNT: usize = " + std::to_string(frames.Count()) + ";\n";
    out += "pub const " + upper + "_FRAME_BYTES: usize = " + std::to_string(frames.FrameBytes()) + ";\n\n";
    out += "pub static " + upper + "_FRAMES: [[u8; " + upper + "_FRAME_BYTES]; " + upper + "_FRAME_COUNT] = [\n";
    const ValueText text(options.base, 8, true);
    const ValueLines lines{"        ", options.art ? Comment : nullptr, 8, ValuesPerLine(options, frames.Coder(), 8)};
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        AppendFrameComment(out, frames, i);
        if (frames.Layout().scan == Scan::Strip) AppendLitComments(out, frames.Lit(), "    ", Comment);
        out += "    [\n";
        AppendFrameValues(out, frames, text, lines);
        out += "    ],\n";
    }
    out += "];\n\n";
    out += "pub static " + upper + "_DELAYS_MS: [u16; " + upper + "_FRAME_COUNT] = [\n";
    const std::string delay = std::to_string(frames.DelayMilliseconds()) + ",";
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        out += i % DelaysPerLine == 0 ? "    " : " ";
        out += delay;
        if (i % DelaysPerLine == DelaysPerLine - 1 || i + 1 == frames.Count()) out += '\n';
    }
    out += "];\n";
}

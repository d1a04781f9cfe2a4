#include "export/XbmLanguage.h"

#include "export/CodeText.h"

namespace {

// As X11's own bitmaps have them.
const unsigned XbmValuesPerLine = 12;

}  // namespace

void WriteXbmLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name, std::string& out) {
    std::vector<std::string> header = HeaderLines(frames, options, name);
    header.push_back("The frames are stacked top to bottom: frame i is rows " + std::to_string(frames.Exported().height) +
                     " x i and on.");
    header.push_back(LayoutLineOf(frames));
    out += "/*\n";
    AppendComments(out, header, " *");
    out += " */\n";
    const PictureSize size = frames.Exported();
    out += "#define " + name + "_width " + std::to_string(size.width) + "\n";
    out += "#define " + name + "_height " + std::to_string(static_cast<std::uint64_t>(size.height) * frames.Count()) + "\n";
    out += "static unsigned char " + name + "_bits[] = {";
    const ValueText text(NumberBase::Hex, 8, true);
    const unsigned perLine = options.valuesPerLine ? options.valuesPerLine : XbmValuesPerLine;
    std::uint64_t value = 0;
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        for (std::uint8_t byte : frames.Bytes()) {
            if (value) out += ',';
            out += value++ % perLine == 0 ? "\n   " : " ";
            text.Append(out, byte);
        }
    }
    out += "\n};\n";
}

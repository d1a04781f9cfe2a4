#include "export/JsonLanguage.h"

#include "export/CodeText.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
    }
    return quoted + "\"";
}

const char* Boolean(bool value) { return value ? "true" : "false"; }

void AppendLayout(std::string& out, const ExportLayout& layout) {
    out += "  \"layout\": {\n";
    out += "    \"planes\": " + Quoted(PlanesName(layout.planes)) + ",\n";
    out += "    \"rotate\": " + std::to_string(layout.rotate) + ",\n";
    out += "    \"mirror\": " + Quoted(MirrorName(layout.mirror)) + ",\n";
    out += std::string("    \"invert\": ") + Boolean(layout.invert) + ",\n";
    out += "    \"tile\": " + Quoted(TileName(layout)) + ",\n";
    out += "    \"scan\": " + Quoted(ScanName(layout.scan)) + ",\n";
    out += std::string("    \"serpentine\": ") + Boolean(layout.serpentine) + ",\n";
    out += "    \"bit-order\": " + Quoted(BitOrderName(layout.bitOrder)) + ",\n";
    out += "    \"word\": " + std::to_string(layout.wordBits) + ",\n";
    out += "    \"pad\": " + Quoted(PadName(layout.pad)) + ",\n";
    out += "    \"byte-order\": " + Quoted(ByteOrderName(layout.byteOrder)) + "\n";
    out += "  },\n";
}

void AppendFrame(std::string& out, ExportFrames& frames, const ValueText& text, unsigned perLine) {
    out += "    {\n      \"delay_ms\": " + std::to_string(frames.DelayMilliseconds()) + ",\n      \"bytes\": [";
    const std::vector<std::uint8_t>& bytes = frames.Bytes();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += i % perLine == 0 ? "\n        " : " ";
        text.Append(out, bytes[i]);
        if (i + 1 < bytes.size()) out += ',';
    }
    out += "\n      ],\n      \"rows\": [";
    const PictureCanvas& shown = frames.Shown();
    for (unsigned y = 0; y < shown.Height(); ++y) {
        out += "\n        \"";
        AppendArtRow(out, shown, y);
        out += y + 1 < shown.Height() ? "\"," : "\"";
    }
    out += "\n      ]";
    if (frames.Layout().scan == Scan::Strip) {
        out += ",\n      \"lit\": [";
        const std::vector<std::uint32_t> lit = frames.Lit();
        for (std::size_t i = 0; i < lit.size(); ++i) out += (i ? ", " : "") + std::to_string(lit[i]);
        out += "]";
    }
    out += "\n    }";
}

}  // namespace

void WriteJsonLanguage(ExportFrames& frames, const ExportOptions& options, const std::string& name,
                       std::string& out) {
    const PictureSize size = frames.Exported();
    out += "{\n  \"name\": " + Quoted(name) + ",\n";
    out += "  \"width\": " + std::to_string(size.width) + ",\n";
    out += "  \"height\": " + std::to_string(size.height) + ",\n";
    out += "  \"frame_count\": " + std::to_string(frames.Count()) + ",\n";
    out += "  \"frame_bytes\": " + std::to_string(frames.FrameBytes()) + ",\n";
    out += "  \"about\": [";
    const std::vector<std::string> about = HeaderLines(frames, options, name);
    for (std::size_t i = 0; i < about.size(); ++i) out += "\n    " + Quoted(about[i]) + (i + 1 < about.size() ? "," : "");
    out += "\n  ],\n";
    AppendLayout(out, frames.Layout());
    out += "  \"frames\": [\n";
    const ValueText text(NumberBase::Dec, 8, false);
    const unsigned perLine = ValuesPerLine(options, frames.Coder(), 8);
    for (std::uint32_t i = 0; i < frames.Count(); ++i) {
        frames.Load(i);
        AppendFrame(out, frames, text, perLine);
        out += i + 1 < frames.Count() ? ",\n" : "\n";
    }
    out += "  ]\n}\n";
}

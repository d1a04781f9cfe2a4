#include "cli/DecodeListing.h"

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommandContext.h"
#include "pattern/program/FrameBitmap.h"

namespace {

std::string FormatDescription(const HexImage& hex) {
    HexFormat format;
    if (!InferHexFormat(hex, &format)) return "no format of build (02 and 04 records both)";
    std::vector<std::string> same;
    for (int f = 0; f < HexFormatCount; ++f) {
        const HexFormat other = static_cast<HexFormat>(f);
        if (other != format && FormatWritesSameFile(hex, format, other)) same.push_back(FormatOptionNames[f]);
    }
    std::string text = std::string("format ") + FormatOptionNames[static_cast<int>(format)];
    if (same.empty()) return text;
    text += " (";
    for (std::size_t i = 0; i < same.size(); ++i)
        text += (i == 0 ? "" : i + 1 == same.size() ? " and " : ", ") + same[i];
    return text + (same.size() == 1 ? " writes" : " write") + " the same file)";
}

std::string FrameRange(std::size_t first, std::size_t count) {
    if (count == 0) return "no frames";
    if (count == 2) return "frames " + std::to_string(first) + ", " + std::to_string(first + 1);
    return "frames " + std::to_string(first) + " .. " + std::to_string(first + count - 1);
}

std::string ItemDescription(const ProgramItem& item, const EntryWalk& walk) {
    std::string text;
    switch (item.kind) {
    case ProgramItemKind::Start: return "start";
    case ProgramItemKind::End: return "end";
    case ProgramItemKind::Reset: return "reset";
    case ProgramItemKind::Picture:
        text = std::string("picture ") + (item.controlCode == ControlOnOff ? "on-off" : "normal") + " wait " +
               std::to_string(item.wait);
        break;
    case ProgramItemKind::ScrollBlock: text = "scroll " + Counted(item.pairs, "pair", "pairs"); break;
    case ProgramItemKind::AnimationBlock:
        text = "animation block " + Counted(item.pairs, "pair", "pairs") + " (older editor)";
        break;
    }
    return text + ": pattern " + std::to_string(walk.PatternNumber()) + ", " +
           FrameRange(item.firstFrame - walk.Entry()->firstFrame, 2 * static_cast<std::size_t>(item.pairs));
}

// Whether pixel (x, y) of a frame's rows is lit.
bool Lit(const std::vector<std::uint8_t>& rows, std::size_t rowBytes, unsigned x, unsigned y) {
    return rows[y * rowBytes + x / 8] & (0x80 >> (x & 7));
}

// Prints the item's frames as show does; false when they are not all there.
bool PrintFrames(std::ostream& out, const DecodedFile& file, const ProgramItem& item, EntryWalk& walk) {
    std::vector<std::uint8_t> bitmap(walk.Program().FrameBytes());
    const std::size_t rowBytes = LedPattern::RowBytesFor(file.columns);
    std::vector<std::uint8_t> rows(rowBytes * file.rows);
    std::string line;
    const std::size_t first = item.firstFrame - walk.Entry()->firstFrame;
    for (std::size_t frame = first; frame < first + 2 * static_cast<std::size_t>(item.pairs); ++frame) {
        if (!walk.Program().ReadFrame(bitmap.data())) return false;
        ReadFrameBitmap(bitmap.data(), file.columns, file.rows, rows.data());
        out << "frame " << frame << ":\n";
        for (unsigned y = 0; y < file.rows; ++y) {
            line.clear();
            for (unsigned x = 0; x < file.columns; ++x) line += Lit(rows, rowBytes, x, y) ? '#' : '.';
            line += '\n';
            out << line;
        }
    }
    return true;
}

void PrintSummary(const ProgramSurvey& survey, std::uint64_t size, std::ostream& out) {
    out << Counted(survey.items, "item", "items") << " (" << Counted(survey.pictures, "picture", "pictures") << ", "
        << Counted(survey.scrolls, "scroll block", "scroll blocks") << ", ";
    if (survey.animations) out << Counted(survey.animations, "animation block", "animation blocks") << ", ";
    out << Counted(survey.resets, "reset", "resets") << "), " << Counted(survey.frames, "frame", "frames") << " in "
        << Counted(survey.patterns, "pattern", "patterns") << ", " << Counted(size, "byte", "bytes") << "\n";
}

}  // namespace

int PrintListing(const DecodedFile& file, bool frames, std::ostream& out, std::ostream& err) {
    const std::uint64_t size = file.hex.Size();
    int width = 4;
    while (width < 16 && (size - 1) >> (4 * width)) ++width;
    out << file.path << ": " << Counted(file.hex.lines, "record", "records") << ", " << FormatDescription(file.hex)
        << ", " << StartDescription(file.hex) << "\n"
        << "display program of " << Counted(size, "byte", "bytes") << ", frames of "
        << SizeText(file.columns, file.rows) << " ("
        << Counted(FrameProgramBytes(file.columns, file.rows), "byte", "bytes") << "):\n";
    std::unique_ptr<ImageSource> image = OpenImage(file);
    EntryWalk walk(*image, file.columns, file.rows);
    ProgramItem item;
    std::size_t items = 0;
    while (walk.Next(&item)) {
        ++items;
        out << Hex(item.offset, width) << "  " << Hex(item.word, 4) << "  " << ItemDescription(item, walk) << "\n";
        if (frames && walk.Entry() && !PrintFrames(out, file, item, walk)) break;
    }
    if (!walk.Program().Sound() || items != file.survey.items)
        return PrintFailure(err, file.path + ": " + ChangedWhileRead);
    PrintSummary(file.survey, size, out);
    return CliSuccess;
}

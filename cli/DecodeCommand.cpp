#include "DecodeCommand.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Cli.h"
#include "CommandLine.h"
#include "DisplayList.h"
#include "DisplayProgram.h"
#include "DisplayProgramReader.h"
#include "HexImageReader.h"
#include "HexImageWriter.h"
#include "ImageCodec.h"
#include "LedFile.h"
#include "PathNames.h"
#include "PatternRender.h"
#include "ReplacementFile.h"

namespace {

const char DecodeHelp[] =
    "Reads a HEX file back: checks every record, then reads the display\n"
    "program in it with frames of COLUMNSxROWS pixels (the image does not\n"
    "say), and lists one line per item and a summary. --extract DIR\n"
    "recovers the patterns and the list that build it again, --render DIR\n"
    "draws every frame as a PNG. DIR is made if it does not exist; files\n"
    "already in it are kept unless --force is given.";

// The command-line names of the formats, in HexFormat order, as build takes them.
const char* const FormatOptionNames[HexFormatCount] = {"8bit", "16bit", "20bit", "32bit"};

const std::uint8_t DefaultSide = 16;
const unsigned DefaultScale = 8;
const char ListFileName[] = "list.ll";
const char LineEnd[] = "\r\n";

struct DecodeOptions {
    std::string hexPath;
    std::string extractDirectory;
    std::string renderDirectory;
    std::string size = "16x16";
    std::uint8_t columns = DefaultSide;
    std::uint8_t rows = DefaultSide;
    unsigned scale = DefaultScale;
    bool haveScale = false;
    bool extract = false;
    bool render = false;
    bool force = false;
    bool frames = false;
};

// What the file holds, read once for every action.
struct DecodedFile {
    HexImage hex;
    ProgramListing listing;
    std::vector<RecoveredEntry> entries;
    std::vector<std::size_t> patternNumbers;   // by entry; for resets the next pattern's number
    std::vector<std::size_t> entryOfItem;      // by item; entries.size() for start and end
};

std::string SizeText(unsigned columns, unsigned rows) { return std::to_string(columns) + "x" + std::to_string(rows); }

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A word for a shell: quoted when it holds anything but plain path characters.
std::string ShellWord(const std::string& text) {
    for (char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string("_-./:\\+=,").find(c) != std::string::npos;
        if (!plain) return "'" + text + "'";
    }
    return text.empty() ? "''" : text;
}

std::string InDirectory(const std::string& directory, const std::string& name) {
    if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\')) return directory + name;
    return directory + "/" + name;
}

std::string PatternFileName(std::size_t number) {
    char text[32];
    std::snprintf(text, sizeof text, "pattern-%03zu.led", number);
    return text;
}

std::string FramePictureName(std::size_t pattern, std::size_t frame) {
    char text[48];
    std::snprintf(text, sizeof text, "pattern-%03zu-frame-%04zu.png", pattern, frame);
    return text;
}

bool DeleteFile(const std::string& path) {
    CFile file(nullptr);
    if (file.Open(path.c_str(), 1) != 1) return false;
    file.Close();
    return file.Delete() == 1;
}

// What the parser cannot tell by one option alone.
int CheckCombination(DecodeOptions* options, std::ostream& err) {
    options->extract = !options->extractDirectory.empty();
    options->render = !options->renderDirectory.empty();
    if (options->haveScale && !options->render) return PrintUsageError(err, "decode: --scale is for --render");
    if (options->force && !options->extract && !options->render)
        return PrintUsageError(err, "decode: --force is for --extract and --render");
    unsigned columns = DefaultSide, rows = DefaultSide;
    ParseFrameSize(options->size, &columns, &rows);
    options->columns = static_cast<std::uint8_t>(columns);
    options->rows = static_cast<std::uint8_t>(rows);
    return CliSuccess;
}

// Why the program does not read at the chosen size, with the sizes at which
// it would.
std::string ProgramProblem(const DecodedFile& file, const DecodeOptions& options, const ProgramReadError& error) {
    const std::vector<std::uint8_t>& bytes = file.hex.bytes;
    const std::size_t frameBytes = FrameProgramBytes(options.columns, options.rows);
    std::string problem = "offset " + Hex(error.offset, 4) + " at " + SizeText(options.columns, options.rows) +
                          " (" + Counted(frameBytes, "byte", "bytes") + " a frame): " + error.what;
    const std::vector<FrameSizeName> sizes = CommonSizesThatRead(bytes.data(), bytes.size(), frameBytes);
    if (!sizes.empty()) {
        problem += "; it reads at ";
        for (std::size_t i = 0; i < sizes.size(); ++i)
            problem += (i ? ", " : "") + SizeText(sizes[i].columns, sizes[i].rows) + " (" +
                       std::to_string(FrameProgramBytes(sizes[i].columns, sizes[i].rows)) + " bytes a frame)";
        problem += ": try --size " + SizeText(sizes[0].columns, sizes[0].rows);
    } else if (std::size_t other = SmallestFrameBytesThatRead(bytes.data(), bytes.size(), frameBytes)) {
        problem += "; it reads with frames of " + Counted(other, "byte", "bytes");
    }
    return problem;
}

int Decode(const DecodeOptions& options, DecodedFile* file, std::ostream& err) {
    HexReadError hexError;
    if (!ReadHexFile(options.hexPath.c_str(), &file->hex, &hexError))
        return PrintFailure(err, options.hexPath + ": " + hexError.Describe());
    ProgramReadError programError;
    if (!ReadDisplayProgram(file->hex.bytes.data(), file->hex.bytes.size(), options.columns, options.rows,
                            &file->listing, &programError))
        return PrintFailure(err, options.hexPath + ": " + ProgramProblem(*file, options, programError));
    file->entries = RecoverDisplayList(file->listing);
    file->entryOfItem.assign(file->listing.items.size(), file->entries.size());
    std::size_t patterns = 0;
    for (std::size_t e = 0; e < file->entries.size(); ++e) {
        const RecoveredEntry& entry = file->entries[e];
        file->patternNumbers.push_back(patterns);
        if (!entry.reset) ++patterns;
        for (std::size_t i = 0; i < entry.itemCount; ++i) file->entryOfItem[entry.firstItem + i] = e;
    }
    return CliSuccess;
}

std::size_t PatternCount(const DecodedFile& file) {
    std::size_t count = 0;
    for (const RecoveredEntry& entry : file.entries) count += !entry.reset;
    return count;
}

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

std::string StartDescription(const HexImage& hex) {
    if (!hex.hasStartAddress) return "no start address";
    std::string text = "start address 0x" + Hex(hex.StartAddress(), 4) + " (record 0" +
                       std::to_string(hex.startRecordType);
    if (hex.startRecordType == 3) text += ", CS:IP " + Hex(hex.startValue >> 16, 4) + ":" + Hex(hex.startValue & 0xFFFF, 4);
    return text + ")";
}

std::string FrameRange(std::size_t first, std::size_t count) {
    if (count == 0) return "no frames";
    if (count == 2) return "frames " + std::to_string(first) + ", " + std::to_string(first + 1);
    return "frames " + std::to_string(first) + " .. " + std::to_string(first + count - 1);
}

std::string ItemDescription(const DecodedFile& file, std::size_t index) {
    const ProgramItem& item = file.listing.items[index];
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
    const std::size_t e = file.entryOfItem[index];
    const RecoveredEntry& entry = file.entries[e];
    return text + ": pattern " + std::to_string(file.patternNumbers[e]) + ", " +
           FrameRange(item.firstFrame - entry.firstFrame, 2 * static_cast<std::size_t>(item.pairs));
}

void PrintFrames(std::ostream& out, const DecodedFile& file, std::size_t index) {
    const ProgramItem& item = file.listing.items[index];
    const std::size_t e = file.entryOfItem[index];
    std::string line;
    for (std::size_t frame = item.firstFrame; frame < item.firstFrame + 2 * static_cast<std::size_t>(item.pairs);
         ++frame) {
        out << "frame " << frame - file.entries[e].firstFrame << ":\n";
        for (unsigned y = 0; y < file.listing.rows; ++y) {
            line.clear();
            for (unsigned x = 0; x < file.listing.columns; ++x)
                line += FramePixelLit(file.hex.bytes.data(), file.listing, item, frame, x, y) ? '#' : '.';
            line += '\n';
            out << line;
        }
    }
}

int List(const DecodeOptions& options, const DecodedFile& file, std::ostream& out) {
    const ProgramListing& listing = file.listing;
    const std::size_t size = file.hex.bytes.size();
    int width = 4;
    while (width < 16 && (size - 1) >> (4 * width)) ++width;
    out << options.hexPath << ": " << Counted(file.hex.lines, "record", "records") << ", "
        << FormatDescription(file.hex) << ", " << StartDescription(file.hex) << "\n"
        << "display program of " << Counted(size, "byte", "bytes") << ", frames of "
        << SizeText(listing.columns, listing.rows) << " (" << Counted(listing.frameBytes, "byte", "bytes") << "):\n";
    std::size_t pictures = 0, scrolls = 0, animations = 0, resets = 0;
    for (std::size_t i = 0; i < listing.items.size(); ++i) {
        const ProgramItem& item = listing.items[i];
        out << Hex(item.offset, width) << "  " << Hex(item.word, 4) << "  " << ItemDescription(file, i) << "\n";
        pictures += item.kind == ProgramItemKind::Picture;
        scrolls += item.kind == ProgramItemKind::ScrollBlock;
        animations += item.kind == ProgramItemKind::AnimationBlock;
        resets += item.kind == ProgramItemKind::Reset;
        if (options.frames) PrintFrames(out, file, i);
    }
    out << Counted(listing.items.size(), "item", "items") << " (" << Counted(pictures, "picture", "pictures") << ", "
        << Counted(scrolls, "scroll block", "scroll blocks") << ", ";
    if (animations) out << Counted(animations, "animation block", "animation blocks") << ", ";
    out << Counted(resets, "reset", "resets") << "), "
        << Counted(listing.frameCount, "frame", "frames") << " in " << Counted(PatternCount(file), "pattern", "patterns")
        << ", " << Counted(size, "byte", "bytes") << "\n";
    return CliSuccess;
}

// Makes the directory if it is missing and refuses files already in it,
// unless forced. Empty when all is well, else the problem.
std::string PrepareDirectory(const std::string& directory, const std::vector<std::string>& files, bool force) {
    if (PathExists(directory)) {
        if (!IsDirectory(directory)) return QuotedName(directory) + " is not a directory";
    } else if (!MakeDirectory(directory)) {
        return "cannot make the directory " + QuotedName(directory);
    }
    if (force) return std::string();
    for (const std::string& path : files)
        if (PathExists(path)) return QuotedName(path) + " exists; --force replaces it";
    return std::string();
}

// Files written by one run; all of them go again when a later one fails, so a
// failed run leaves nothing of its own behind.
class NewFiles {
public:
    void Written(const std::string& path, bool existedBefore) {
        if (!existedBefore) paths_.push_back(path);
    }
    void RemoveAll() {
        for (const std::string& path : paths_) DeleteFile(path);
        paths_.clear();
    }

private:
    std::vector<std::string> paths_;
};

// The frames of an entry in pieces a pattern can hold.
template <typename Visit>
bool ForEachFramePiece(const DecodedFile& file, const RecoveredEntry& entry, Visit visit) {
    std::size_t done = 0;
    do {
        const std::size_t rest = entry.frameCount - done;
        const std::size_t count = rest < LedPattern::MaxFrames ? rest : LedPattern::MaxFrames;
        std::unique_ptr<LedPattern> pattern =
            RecoverFrames(file.hex.bytes.data(), file.listing, entry, entry.firstFrame + done, count);
        if (!pattern || !visit(*pattern, done)) return false;
        done += count;
    } while (done < entry.frameCount);
    return true;
}

bool WriteListFile(const std::string& path, const std::vector<std::string>& lines) {
    ReplacementFile file;
    if (!file.Create(path.c_str())) return false;
    for (const std::string& line : lines)
        if (!file.Write(line.data(), line.size()) || !file.Write(LineEnd, sizeof LineEnd - 1)) return false;
    return file.Commit();
}

unsigned long ReadUpTo(CFile& file, char* buffer, unsigned long count) {
    unsigned long total = 0, got;
    while (total < count && (got = file.Read(buffer + total, count - total)) > 0) total += got;
    return total;
}

bool SameFileBytes(const std::string& a, const std::string& b) {
    CFile first(nullptr), second(nullptr);
    if (first.Open(a.c_str(), 1) != 1 || second.Open(b.c_str(), 1) != 1) return false;
    const unsigned long chunk = 64 * 1024;
    std::vector<char> one(chunk), two(chunk);
    for (;;) {
        const unsigned long got = ReadUpTo(first, one.data(), chunk);
        if (ReadUpTo(second, two.data(), chunk) != got || std::memcmp(one.data(), two.data(), got) != 0) return false;
        // A failed read empties the name; the end of the file does not.
        if (got < chunk) return first.GetFilename()[0] && second.GetFilename()[0];
    }
}

enum class RebuildResult { SameFile, SameImage, OtherImage, Failed };

// Builds the written list as the printed command would, into a file beside
// it that is removed again, and compares.
RebuildResult CheckRebuild(const std::string& listPath, const std::string& directory, const DecodeOptions& options,
                           const HexImage& original, const HexOptions& hexOptions) {
    std::string scratch;
    for (int n = 0; scratch.empty() || PathExists(scratch); ++n)
        scratch = InDirectory(directory, "rebuild-check-" + std::to_string(n) + ".hex");
    DisplayList list;
    HexImageWriter writer;
    if (!list.SelectFile(listPath.c_str(), false) || !writer.Open(scratch.c_str(), hexOptions)) return RebuildResult::Failed;
    const bool built = BuildDisplayProgram(list, writer) && writer.Close();
    RebuildResult result = RebuildResult::Failed;
    if (built) {
        HexImage rebuilt;
        HexReadError error;
        if (SameFileBytes(scratch, options.hexPath)) result = RebuildResult::SameFile;
        else if (ReadHexFile(scratch.c_str(), &rebuilt, &error))
            result = rebuilt.bytes == original.bytes ? RebuildResult::SameImage : RebuildResult::OtherImage;
        DeleteFile(scratch);
    }
    return result;
}

int Extract(const DecodeOptions& options, const DecodedFile& file, std::ostream& out, std::ostream& err) {
    const std::string& directory = options.extractDirectory;
    const std::vector<std::uint8_t>& bytes = file.hex.bytes;
    std::vector<std::string> paths;
    std::size_t paddedFrames = 0, animationBlocks = 0;
    for (const RecoveredEntry& entry : file.entries) {
        if (entry.reset) continue;
        const ProgramItem& first = file.listing.items[entry.firstItem];
        if (entry.frameCount > LedPattern::MaxFrames)
            return PrintFailure(err, options.hexPath + ": offset " + Hex(first.offset, 4) + ": the block " +
                                         Hex(first.word, 4) + " holds " + std::to_string(entry.frameCount) +
                                         " frames; a pattern holds at most " + std::to_string(LedPattern::MaxFrames) +
                                         ", so no pattern file builds it");
        animationBlocks += first.kind == ProgramItemKind::AnimationBlock;
        for (std::size_t i = entry.firstItem; i < entry.firstItem + entry.itemCount; ++i) {
            const ProgramItem& item = file.listing.items[i];
            for (std::size_t f = item.firstFrame; f < item.firstFrame + 2 * static_cast<std::size_t>(item.pairs); ++f)
                paddedFrames += !FramePaddingIsClear(bytes.data(), file.listing, item, f);
        }
        paths.push_back(InDirectory(directory, PatternFileName(paths.size())));
    }
    const std::string listPath = InDirectory(directory, ListFileName);
    std::vector<std::string> targets = paths;
    targets.push_back(listPath);
    const std::string problem = PrepareDirectory(directory, targets, options.force);
    if (!problem.empty()) return PrintFailure(err, problem);

    NewFiles written;
    std::vector<std::string> lines;
    std::size_t pattern = 0;
    for (const RecoveredEntry& entry : file.entries) {
        if (entry.reset) {
            lines.push_back(ResetMark);
            continue;
        }
        const std::string& path = paths[pattern++];
        const std::string fullPath = FullPathName(path);
        if (fullPath.empty() || fullPath.size() > DisplayList::MaxLineLength ||
            fullPath.find_first_of("\r\n") != std::string::npos) {
            written.RemoveAll();
            return PrintFailure(err, "cannot name " + QuotedName(path) + " in a display list by its full path");
        }
        const bool existed = PathExists(path);
        const bool saved = ForEachFramePiece(file, entry, [&](LedPattern& recovered, std::size_t) {
            return SavePatternFile(recovered, path.c_str());
        });
        if (!saved) {
            written.RemoveAll();
            return PrintFailure(err, "cannot write " + QuotedName(path));
        }
        written.Written(path, existed);
        lines.push_back(fullPath);
        out << path << ": " << ControlCodeName(entry.controlCode);
        if (entry.controlCode == ControlNormal || entry.controlCode == ControlOnOff)
            out << ", wait " << static_cast<unsigned>(entry.wait);
        out << ", " << Counted(entry.frameCount, "frame", "frames") << " of "
            << SizeText(file.listing.columns, file.listing.rows) << "\n";
    }
    const bool listExisted = PathExists(listPath);
    if (!WriteListFile(listPath, lines)) {
        written.RemoveAll();
        return PrintFailure(err, "cannot write " + QuotedName(listPath));
    }
    written.Written(listPath, listExisted);
    out << listPath << ": " << Counted(lines.size(), "entry", "entries") << "\n";

    // The build command line: the format and start address the file shows.
    HexFormat format = HexFormat::EightBit;
    const bool formatKnown = InferHexFormat(file.hex, &format);
    if (!formatKnown) format = HexFormat::Linear32;
    std::string command = "lumigrid-cli build " + ShellWord(listPath) + " -o " + ShellWord(options.hexPath) +
                          " --format " + FormatOptionNames[static_cast<int>(format)];
    std::uint32_t start = 0;
    if (file.hex.hasStartAddress) {
        if (file.hex.StartAddress() != 0 && CheckStartAddress(format, file.hex.StartAddress()) == StartAddressCheck::Accepted) {
            start = file.hex.StartAddress();
            command += " --start 0x" + Hex(start, 4);
        } else {
            PrintNote(err, StartDescription(file.hex) + " is not one build writes in " +
                               FormatOptionNames[static_cast<int>(format)] + "; the command leaves it out");
        }
    }
    if (paddedFrames)
        PrintNote(err, Counted(paddedFrames, "frame has", "frames have") +
                           " bits set after the last pixel; build writes them as 0");
    if (animationBlocks)
        PrintNote(err, Counted(animationBlocks, "Animation block", "Animation blocks") +
                           " of an older editor (2ppp): build writes Animation patterns as pictures with wait 0");
    out << "build again with: " << command << "\n";
    switch (CheckRebuild(listPath, directory, options, file.hex, HexOptions::ForFormat(format, start))) {
    case RebuildResult::SameFile: out << "which writes " << options.hexPath << " byte for byte\n"; break;
    case RebuildResult::SameImage:
        out << "which writes the same display program as " << options.hexPath << ", in other records ("
            << options.hexPath << " was not written by lumigrid-cli build)\n";
        break;
    case RebuildResult::OtherImage:
        out << "which writes a display program that differs from the one in " << options.hexPath << "\n";
        break;
    case RebuildResult::Failed: PrintNote(err, "the rebuild could not be checked"); break;
    }
    return CliSuccess;
}

int Render(const DecodeOptions& options, const DecodedFile& file, std::ostream& out, std::ostream& err) {
    const std::string& directory = options.renderDirectory;
    LedPattern sample;
    sample.Create(file.listing.columns, file.listing.rows);
    std::uint64_t width = 0, height = 0;
    RenderedSize(sample, 1, options.scale, 1, &width, &height);
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        return PrintFailure(err, "a frame's picture would be " + std::to_string(width) + " x " +
                                     std::to_string(height) + " pixels; at most " + std::to_string(MaxPictureSide) +
                                     " on a side and " + std::to_string(MaxPicturePixels) +
                                     " in all (try a smaller --scale)");
    std::vector<std::string> names, targets;
    for (std::size_t e = 0; e < file.entries.size(); ++e)
        for (std::size_t f = 0; f < file.entries[e].frameCount; ++f) {
            names.push_back(FramePictureName(file.patternNumbers[e], f));
            targets.push_back(InDirectory(directory, names.back()));
        }
    const std::string problem = PrepareDirectory(directory, targets, options.force);
    if (!problem.empty()) return PrintFailure(err, problem);

    NewFiles written;
    std::string failure;
    for (std::size_t e = 0; e < file.entries.size() && failure.empty(); ++e) {
        const RecoveredEntry& entry = file.entries[e];
        if (entry.reset || entry.frameCount == 0) continue;
        const bool drawn = ForEachFramePiece(file, entry, [&](LedPattern& pattern, std::size_t done) {
            for (std::uint32_t f = 0; f < pattern.frameCount; ++f) {
                const std::string path = InDirectory(directory, FramePictureName(file.patternNumbers[e], done + f));
                RgbPicture picture;
                if (RenderFrames(pattern, f, 1, options.scale, 1, &picture) != RenderStatus::Rendered) {
                    failure = "not enough memory for the picture";
                    return false;
                }
                const std::vector<std::uint8_t> png = EncodePng(picture.pixels.data(), picture.width, picture.height);
                const bool existed = PathExists(path);
                ReplacementFile output;
                if (png.empty() || !output.Create(path.c_str()) || !output.Write(png.data(), png.size()) ||
                    !output.Commit()) {
                    failure = "cannot write " + QuotedName(path);
                    return false;
                }
                written.Written(path, existed);
            }
            return true;
        });
        if (!drawn && failure.empty()) failure = "not enough memory for the frames";
    }
    if (!failure.empty()) {
        written.RemoveAll();
        return PrintFailure(err, failure);
    }
    out << directory << ": " << Counted(targets.size(), "picture", "pictures") << " of "
        << SizeText(file.listing.columns, file.listing.rows) << " LEDs, " << options.scale
        << (options.scale == 1 ? " pixel" : " pixels") << " a LED";
    if (!names.empty()) out << " (" << names.front() << " .. " << names.back() << ")";
    out << "\n";
    return CliSuccess;
}


int RunDecode(DecodeOptions& options, std::ostream& out, std::ostream& err) {
    int status = CheckCombination(&options, err);
    if (status != CliSuccess) return status;
    DecodedFile file;
    status = Decode(options, &file, err);
    if (status != CliSuccess) return status;
    if (!options.extract && !options.render) return List(options, file, out);
    if (options.extract && (status = Extract(options, file, out, err)) != CliSuccess) return status;
    if (options.render) status = Render(options, file, out, err);
    return status;
}

}  // namespace

void AddDecodeCommand(CLI::App& program, CliContext& context) {
    auto options = std::make_shared<DecodeOptions>();
    CLI::App* command = AddCommand(program, "decode", DecodeHelp);
    command->add_option("FILE.hex", options->hexPath, "the Intel HEX file")->required()->check(NotEmpty("a file name"));
    command->add_option("--size", options->size, "frame columns x rows, 1 to 255 each (default 16x16)")
        ->type_name("COLUMNSxROWS")
        ->check(FrameSizeText());
    command->add_flag("--frames", options->frames, "also prints every frame as show does (# lit, . dark)");
    command->add_option("--extract", options->extractDirectory,
                        "writes DIR/pattern-NNN.led and DIR/list.ll, from which build\n"
                        "makes the same image again, and prints that build command line")
        ->type_name("DIR")
        ->check(NotEmpty("a directory"));
    command->add_option("--render", options->renderDirectory,
                        "draws every frame as render does to\nDIR/pattern-NNN-frame-MMMM.png")
        ->type_name("DIR")
        ->check(NotEmpty("a directory"));
    command->add_option("--scale", options->scale, "pixels a LED for --render, 1 to 64 (default 8)")
        ->type_name("N")
        ->check(NumberFrom(1, MaxScale))
        ->each([options](const std::string&) { options->haveScale = true; });
    command->add_flag("--force", options->force, "replaces files already in DIR");
    SetAction(command, context, [options, &context]() { return RunDecode(*options, context.out, context.err); });
}

#include "cli/DecodeCommand.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/StandardInput.h"
#include "pattern/document/LedFile.h"
#include "pattern/files/ReplacementFile.h"
#include "pattern/hex/HexImageReader.h"
#include "pattern/hex/HexImageStream.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/list/DisplayList.h"
#include "pattern/program/DisplayProgram.h"
#include "pattern/program/DisplayProgramReader.h"
#include "pattern/program/FrameBitmap.h"
#include "picture/ImageCodec.h"
#include "picture/PatternRender.h"

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
    std::string hexPath;          // as given, for what is printed
    std::string hexFile;          // what is read: the copy of standard input for "-"
    std::string extractDirectory;
    std::string renderDirectory;
    FrameSize size{DefaultSide, DefaultSide};
    std::uint8_t columns = DefaultSide;
    std::uint8_t rows = DefaultSide;
    unsigned scale = DefaultScale;
    bool haveScale = false;
    bool extract = false;
    bool render = false;
    bool force = false;
    bool frames = false;
};

// What the file holds, from a first pass over it; every action then reads
// the image again from its start (OpenImage), so none holds it whole.
struct DecodedFile {
    HexImage hex;                // the records; bytes only when the file had to be read whole
    bool held = false;           // the image is in hex.bytes
    std::vector<RecoveredEntry> entries;
    std::size_t items = 0, pictures = 0, scrolls = 0, animations = 0, resets = 0, patterns = 0;
    std::uint64_t frames = 0;
    // The first item of the first entry with more frames than a pattern holds.
    bool oversized = false;
    ProgramItem oversizedItem{};
    std::size_t oversizedFrames = 0;
};

// The items of a pass over the program, each with its entry and that
// entry's pattern number, as the first pass grouped them.
class ItemWalk {
public:
    ItemWalk(ImageSource& source, const DecodeOptions& options)
        : program_(source, options.columns, options.rows) {}

    // The next item; its entry (null for the start and the end) and
    // pattern number are then current.
    bool Next(ProgramItem* item) {
        if (!program_.Next(item)) return false;
        bool started = false;
        entry_ = grouper_.Take(*item, index_++, &started);
        startedEntry_ = entry_ && started;
        if (startedEntry_) {
            if (started_ > 0 && !previousReset_) ++pattern_;
            previousReset_ = entry_->reset;
            ++started_;
        }
        return true;
    }
    ProgramStream& Program() { return program_; }
    const RecoveredEntry* Entry() const { return entry_; }
    // Whether the current item begins its entry.
    bool StartedEntry() const { return startedEntry_; }
    // Entries begun so far.
    std::size_t EntryCount() const { return started_; }
    // The pattern number of the current entry; for a reset, the next one's.
    std::size_t PatternNumber() const { return pattern_; }

private:
    ProgramStream program_;
    EntryGrouper grouper_;
    const RecoveredEntry* entry_ = nullptr;
    std::size_t index_ = 0, started_ = 0, pattern_ = 0;
    bool previousReset_ = true;
    bool startedEntry_ = false;
};

std::string SizeText(unsigned columns, unsigned rows) { return std::to_string(columns) + "x" + std::to_string(rows); }

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string Counted(std::uint64_t count, const char* one, const char* many) {
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
    char text[48];
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
    options->columns = static_cast<std::uint8_t>(options->size.columns);
    options->rows = static_cast<std::uint8_t>(options->size.rows);
    return CliSuccess;
}

// A fresh read of the image from its start: from the file as a stream, or
// from memory when the file had to be read whole.
std::unique_ptr<ImageSource> OpenImage(const DecodeOptions& options, const DecodedFile& file) {
    if (file.held) return std::unique_ptr<ImageSource>(new MemoryImageSource(file.hex.bytes.data(), file.hex.bytes.size()));
    return std::unique_ptr<ImageSource>(new HexImageStream(options.hexFile.c_str()));
}

const char ChangedWhileRead[] = "the file changed while it was read";

// Why the program does not read at the chosen size, with the sizes at which
// it would.
std::string ProgramProblem(const DecodedFile& file, const DecodeOptions& options, const ProgramReadError& error) {
    const std::size_t frameBytes = FrameProgramBytes(options.columns, options.rows);
    std::string problem = "offset " + Hex(error.offset, 4) + " at " + SizeText(options.columns, options.rows) +
                          " (" + Counted(frameBytes, "byte", "bytes") + " a frame): " + error.what;
    std::unique_ptr<ImageSource> image = OpenImage(options, file);
    const std::vector<std::size_t> reading = FrameBytesThatRead(*image, CandidateFrameBytes(frameBytes));
    const std::vector<FrameSizeName> sizes = CommonSizesAmong(reading);
    if (!sizes.empty()) {
        problem += "; it reads at ";
        for (std::size_t i = 0; i < sizes.size(); ++i)
            problem += (i ? ", " : "") + SizeText(sizes[i].columns, sizes[i].rows) + " (" +
                       std::to_string(FrameProgramBytes(sizes[i].columns, sizes[i].rows)) + " bytes a frame)";
        problem += ": try --size " + SizeText(sizes[0].columns, sizes[0].rows);
    } else if (!reading.empty()) {
        problem += "; it reads with frames of " + Counted(reading.front(), "byte", "bytes");
    }
    return problem;
}

// The first pass: the program's items counted and grouped into entries.
// False with the error when it does not read.
bool Survey(ImageSource& image, const DecodeOptions& options, DecodedFile* file, ProgramReadError* error) {
    DecodedFile fresh;
    fresh.hex = std::move(file->hex);
    fresh.held = file->held;
    *file = std::move(fresh);
    ItemWalk walk(image, options);
    ProgramItem item;
    while (walk.Next(&item)) {
        ++file->items;
        file->pictures += item.kind == ProgramItemKind::Picture;
        file->scrolls += item.kind == ProgramItemKind::ScrollBlock;
        file->animations += item.kind == ProgramItemKind::AnimationBlock;
        file->resets += item.kind == ProgramItemKind::Reset;
        file->frames += 2 * static_cast<std::uint64_t>(item.pairs);
        const RecoveredEntry* entry = walk.Entry();
        if (!entry) continue;
        if (walk.EntryCount() > file->entries.size()) {
            file->entries.push_back(*entry);
            file->patterns += !entry->reset;
        } else {
            file->entries.back() = *entry;
        }
        if (!file->oversized && entry->frameCount > LedPattern::MaxFrames) {
            file->oversized = true;
            // Only a block, one item, holds more.
            file->oversizedItem = item;
            file->oversizedFrames = entry->frameCount;
        }
    }
    *error = walk.Program().Error();
    return walk.Program().Sound();
}

int Decode(const DecodeOptions& options, DecodedFile* file, std::ostream& err) {
    HexReadError hexError;
    ProgramReadError programError;
    bool sound;
    HexImageStream::Outcome outcome;
    {
        HexImageStream stream(options.hexFile.c_str());
        sound = Survey(stream, options, file, &programError);
        outcome = stream.Finish(&file->hex, &hexError);
    }
    if (outcome == HexImageStream::Outcome::OutOfOrder) {
        // Records out of address order: the file is read whole instead.
        if (ReadHexFile(options.hexFile.c_str(), &file->hex, &hexError)) {
            outcome = HexImageStream::Outcome::Read;
            file->held = true;
            MemoryImageSource image(file->hex.bytes.data(), file->hex.bytes.size());
            sound = Survey(image, options, file, &programError);
        } else {
            outcome = HexImageStream::Outcome::Failed;
        }
    }
    if (outcome != HexImageStream::Outcome::Read) return PrintFailure(err, options.hexPath + ": " + hexError.Describe());
    if (!sound) return PrintFailure(err, options.hexPath + ": " + ProgramProblem(*file, options, programError));
    return CliSuccess;
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

std::string ItemDescription(const ProgramItem& item, const ItemWalk& walk) {
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
bool PrintFrames(std::ostream& out, const DecodeOptions& options, const ProgramItem& item, ItemWalk& walk) {
    std::vector<std::uint8_t> bitmap(walk.Program().FrameBytes());
    const std::size_t rowBytes = LedPattern::RowBytesFor(options.columns);
    std::vector<std::uint8_t> rows(rowBytes * options.rows);
    std::string line;
    const std::size_t first = item.firstFrame - walk.Entry()->firstFrame;
    for (std::size_t frame = first; frame < first + 2 * static_cast<std::size_t>(item.pairs); ++frame) {
        if (!walk.Program().ReadFrame(bitmap.data())) return false;
        ReadFrameBitmap(bitmap.data(), options.columns, options.rows, rows.data());
        out << "frame " << frame << ":\n";
        for (unsigned y = 0; y < options.rows; ++y) {
            line.clear();
            for (unsigned x = 0; x < options.columns; ++x) line += Lit(rows, rowBytes, x, y) ? '#' : '.';
            line += '\n';
            out << line;
        }
    }
    return true;
}

int List(const DecodeOptions& options, const DecodedFile& file, std::ostream& out, std::ostream& err) {
    const std::uint64_t size = file.hex.Size();
    int width = 4;
    while (width < 16 && (size - 1) >> (4 * width)) ++width;
    out << options.hexPath << ": " << Counted(file.hex.lines, "record", "records") << ", "
        << FormatDescription(file.hex) << ", " << StartDescription(file.hex) << "\n"
        << "display program of " << Counted(size, "byte", "bytes") << ", frames of "
        << SizeText(options.columns, options.rows) << " ("
        << Counted(FrameProgramBytes(options.columns, options.rows), "byte", "bytes") << "):\n";
    std::unique_ptr<ImageSource> image = OpenImage(options, file);
    ItemWalk walk(*image, options);
    ProgramItem item;
    std::size_t items = 0;
    while (walk.Next(&item)) {
        ++items;
        out << Hex(item.offset, width) << "  " << Hex(item.word, 4) << "  " << ItemDescription(item, walk) << "\n";
        if (options.frames && walk.Entry() && !PrintFrames(out, options, item, walk)) break;
    }
    if (!walk.Program().Sound() || items != file.items) return PrintFailure(err, options.hexPath + ": " + ChangedWhileRead);
    out << Counted(file.items, "item", "items") << " (" << Counted(file.pictures, "picture", "pictures") << ", "
        << Counted(file.scrolls, "scroll block", "scroll blocks") << ", ";
    if (file.animations) out << Counted(file.animations, "animation block", "animation blocks") << ", ";
    out << Counted(file.resets, "reset", "resets") << "), " << Counted(file.frames, "frame", "frames") << " in "
        << Counted(file.patterns, "pattern", "patterns") << ", " << Counted(size, "byte", "bytes") << "\n";
    return CliSuccess;
}

// Files written by one run, and the directory if it made it; all of them go
// again when a later step fails, so a failed run leaves nothing of its own
// behind.
class NewFiles {
public:
    void Written(const std::string& path, bool existedBefore) {
        if (!existedBefore) paths_.push_back(path);
    }
    void MadeDirectory(const std::string& path) { directory_ = path; }
    void RemoveAll() {
        for (const std::string& path : paths_) DeleteFile(path);
        paths_.clear();
        if (!directory_.empty()) CFile::RemoveEmptyDirectory(directory_.c_str());
        directory_.clear();
    }

private:
    std::vector<std::string> paths_;
    std::string directory_;
};

// Makes the directory if it is missing and refuses files already in it,
// unless forced. Empty when all is well, else the problem.
std::string PrepareDirectory(const std::string& directory, const std::vector<std::string>& files, bool force,
                             NewFiles& written) {
    if (CFile::Exists(directory.c_str())) {
        if (!CFile::IsDirectory(directory.c_str())) return QuotedName(directory) + " is not a directory";
    } else if (!CFile::MakeDirectory(directory.c_str())) {
        return "cannot make the directory " + QuotedName(directory) + ": " + SystemReason();
    } else {
        written.MadeDirectory(directory);
    }
    if (force) return std::string();
    for (const std::string& path : files)
        if (CFile::Exists(path.c_str())) return QuotedName(path) + " exists; --force replaces it";
    return std::string();
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

// Whether two images hold the same bytes, read side by side.
bool SameImages(ImageSource& one, ImageSource& two) {
    const std::size_t piece = 64 * 1024;
    std::vector<std::uint8_t> a(piece), b(piece + 1);
    for (;;) {
        const std::size_t got = one.Read(a.data(), piece);
        // At the end of the one, the other must end too.
        const std::size_t want = got < piece ? got + 1 : piece;
        if (two.Read(b.data(), want) != got || std::memcmp(a.data(), b.data(), got) != 0) return false;
        if (got < piece) return true;
    }
}

// Builds the written list as the printed command would, into a file beside
// it that is removed again, and compares.
RebuildResult CheckRebuild(const std::string& listPath, const std::string& directory, const DecodeOptions& options,
                           const DecodedFile& original, const HexOptions& hexOptions) {
    std::string scratch;
    for (int n = 0; scratch.empty() || CFile::Exists(scratch.c_str()); ++n)
        scratch = InDirectory(directory, "rebuild-check-" + std::to_string(n) + ".hex");
    DisplayList list;
    HexImageWriter writer;
    if (!list.SelectFile(listPath.c_str(), false) || !writer.Open(scratch.c_str(), hexOptions)) return RebuildResult::Failed;
    const bool built = BuildDisplayProgram(list, writer) && writer.Close();
    RebuildResult result = RebuildResult::Failed;
    if (built) {
        if (SameFileBytes(scratch, options.hexFile)) {
            result = RebuildResult::SameFile;
        } else {
            std::unique_ptr<ImageSource> image = OpenImage(options, original);
            HexImageStream rebuilt(scratch.c_str());
            const bool same = SameImages(*image, rebuilt);
            HexImage summary;
            HexReadError error;
            if (rebuilt.Finish(&summary, &error) == HexImageStream::Outcome::Read)
                result = same ? RebuildResult::SameImage : RebuildResult::OtherImage;
        }
        DeleteFile(scratch);
    }
    return result;
}

int Extract(const DecodeOptions& options, const DecodedFile& file, std::ostream& out, std::ostream& err) {
    const std::string& directory = options.extractDirectory;
    if (file.oversized) {
        const ProgramItem& first = file.oversizedItem;
        return PrintFailure(err, options.hexPath + ": offset " + Hex(first.offset, 4) + ": the block " +
                                     Hex(first.word, 4) + " holds " + std::to_string(file.oversizedFrames) +
                                     " frames; a pattern holds at most " + std::to_string(LedPattern::MaxFrames) +
                                     ", so no pattern file builds it");
    }
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < file.patterns; ++i) paths.push_back(InDirectory(directory, PatternFileName(i)));
    const std::string listPath = InDirectory(directory, ListFileName);
    std::vector<std::string> targets = paths;
    targets.push_back(listPath);
    NewFiles written;
    const std::string problem = PrepareDirectory(directory, targets, options.force, written);
    if (!problem.empty()) return PrintFailure(err, problem);

    std::vector<std::string> lines;
    std::size_t paddedFrames = 0, animationBlocks = 0;
    std::string failure;
    {
        // The file is read again here, and let go before the rebuild reads it.
        std::unique_ptr<ImageSource> image = OpenImage(options, file);
        ItemWalk walk(*image, options);
        std::vector<std::uint8_t> bitmap(walk.Program().FrameBytes());
        std::unique_ptr<LedPattern> pattern;
        std::size_t filled = 0;
        // Saves the pattern of the current entry once all its frames are in.
        auto saveWhenWhole = [&](const RecoveredEntry& entry) {
            if (!pattern || filled < pattern->frameCount) return;
            const std::string& path = paths[walk.PatternNumber()];
            const std::string fullPath = FullPathName(path);
            if (fullPath.empty() || fullPath.size() > DisplayList::MaxLineLength ||
                fullPath.find_first_of("\r\n") != std::string::npos) {
                failure = "cannot name " + QuotedName(path) + " in a display list by its full path";
                return;
            }
            const bool existed = CFile::Exists(path.c_str());
            if (!SavePatternFile(*pattern, path.c_str())) {
                failure = CannotWrite(path);
                return;
            }
            written.Written(path, existed);
            lines.push_back(fullPath);
            out << path << ": " << ControlCodeName(entry.controlCode);
            if (entry.controlCode == ControlNormal || entry.controlCode == ControlOnOff)
                out << ", wait " << static_cast<unsigned>(entry.wait);
            out << ", " << Counted(entry.frameCount, "frame", "frames") << " of " << SizeText(options.columns, options.rows)
                << "\n";
            pattern.reset();
        };
        ProgramItem item;
        while (failure.empty() && walk.Next(&item)) {
            const RecoveredEntry* entry = walk.Entry();
            if (!entry) continue;
            const std::size_t e = walk.EntryCount() - 1;
            if (e >= file.entries.size()) {
                failure = ChangedWhileRead;
                break;
            }
            const RecoveredEntry& whole = file.entries[e];
            if (walk.StartedEntry()) {
                if (whole.reset) {
                    lines.push_back(ResetMark);
                    continue;
                }
                animationBlocks += item.kind == ProgramItemKind::AnimationBlock;
                pattern = EmptyRecoveredPattern(options.columns, options.rows, whole, whole.frameCount);
                filled = 0;
                if (!pattern) {
                    failure = "not enough memory for the frames";
                    break;
                }
            }
            for (std::uint32_t f = 0; f < 2 * item.pairs && failure.empty(); ++f) {
                if (!pattern || filled == pattern->frameCount || !walk.Program().ReadFrame(bitmap.data())) {
                    failure = ChangedWhileRead;
                    break;
                }
                paddedFrames += !BitmapPaddingIsClear(bitmap.data(), options.columns, options.rows);
                ReadFrameBitmap(bitmap.data(), options.columns, options.rows, pattern->frames.get() + filled * pattern->FrameSize());
                ++filled;
            }
            if (failure.empty()) saveWhenWhole(whole);
        }
        if (failure.empty() && (!walk.Program().Sound() || walk.EntryCount() != file.entries.size() || pattern))
            failure = ChangedWhileRead;
    }
    if (!failure.empty()) {
        written.RemoveAll();
        return PrintFailure(err, failure);
    }
    const bool listExisted = CFile::Exists(listPath.c_str());
    if (!WriteListFile(listPath, lines)) {
        written.RemoveAll();
        return PrintFailure(err, CannotWrite(listPath));
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
    switch (CheckRebuild(listPath, directory, options, file, HexOptions::ForFormat(format, start))) {
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
    LedPattern frame;
    frame.Create(options.columns, options.rows);
    std::uint64_t width = 0, height = 0;
    RenderedSize(frame, 1, options.scale, 1, &width, &height, DefaultRenderStyle);
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        return PrintFailure(err, "a frame's picture would be " + std::to_string(width) + " x " +
                                     std::to_string(height) + " pixels; at most " + std::to_string(MaxPictureSide) +
                                     " on a side and " + std::to_string(MaxPicturePixels) +
                                     " in all (try a smaller --scale)");
    std::vector<std::string> targets;
    std::string firstName, lastName;
    std::size_t pattern = 0;
    for (const RecoveredEntry& entry : file.entries) {
        for (std::size_t f = 0; f < entry.frameCount; ++f) {
            lastName = FramePictureName(pattern, f);
            if (targets.empty()) firstName = lastName;
            targets.push_back(InDirectory(directory, lastName));
        }
        pattern += !entry.reset;
    }
    NewFiles written;
    const std::string problem = PrepareDirectory(directory, targets, options.force, written);
    if (!problem.empty()) return PrintFailure(err, problem);

    std::string failure;
    std::unique_ptr<ImageSource> image = OpenImage(options, file);
    ItemWalk walk(*image, options);
    std::vector<std::uint8_t> bitmap(walk.Program().FrameBytes());
    ProgramItem item;
    while (failure.empty() && walk.Next(&item)) {
        if (!walk.Entry()) continue;
        const std::size_t first = item.firstFrame - walk.Entry()->firstFrame;
        for (std::size_t f = first; f < first + 2 * static_cast<std::size_t>(item.pairs); ++f) {
            if (!walk.Program().ReadFrame(bitmap.data())) {
                failure = ChangedWhileRead;
                break;
            }
            ReadFrameBitmap(bitmap.data(), options.columns, options.rows, frame.frames.get());
            const std::string path = InDirectory(directory, FramePictureName(walk.PatternNumber(), f));
            RgbPicture picture;
            if (RenderFrames(frame, 0, 1, options.scale, 1, &picture, DefaultRenderStyle) != RenderStatus::Rendered) {
                failure = "not enough memory for the picture";
                break;
            }
            const std::vector<std::uint8_t> png = EncodePng(picture.pixels.data(), picture.width, picture.height);
            const bool existed = CFile::Exists(path.c_str());
            ReplacementFile output;
            if (png.empty() || !output.Create(path.c_str()) || !output.Write(png.data(), png.size()) ||
                !output.Commit()) {
                failure = CannotWrite(path);
                break;
            }
            written.Written(path, existed);
        }
    }
    if (failure.empty() && !walk.Program().Sound()) failure = ChangedWhileRead;
    if (!failure.empty()) {
        written.RemoveAll();
        return PrintFailure(err, failure);
    }
    out << directory << ": " << Counted(targets.size(), "picture", "pictures") << " of "
        << SizeText(options.columns, options.rows) << " LEDs, " << options.scale
        << (options.scale == 1 ? " pixel" : " pixels") << " a LED";
    if (!targets.empty()) out << " (" << firstName << " .. " << lastName << ")";
    out << "\n";
    return CliSuccess;
}


int RunDecode(DecodeOptions& options, std::ostream& out, std::ostream& err) {
    int status = CheckCombination(&options, err);
    if (status != CliSuccess) return status;
    StandardInputFile input;
    std::string problem;
    options.hexFile = input.PathFor(options.hexPath, &problem);
    if (options.hexFile.empty()) return PrintFailure(err, problem);
    DecodedFile file;
    status = Decode(options, &file, err);
    if (status != CliSuccess) return status;
    if (!options.extract && !options.render) return List(options, file, out, err);
    if (options.extract && (status = Extract(options, file, out, err)) != CliSuccess) return status;
    if (options.render) status = Render(options, file, out, err);
    return status;
}

}  // namespace

void AddDecodeCommand(CLI::App& program, CliContext& context) {
    auto options = std::make_shared<DecodeOptions>();
    CLI::App* command = program.add_subcommand("decode", DecodeHelp);
    command->add_option("FILE.hex", options->hexPath, "the Intel HEX file; - reads standard input")->required()->check(NotEmpty("a file name"));
    AddSizeOption(command, options->size, "frame columns x rows, 1 to 255 each (default 16x16)");
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
    AddScaleOption(command, options->scale, "pixels a LED for --render, 1 to 64 (default 8)")
        ->each([options](const std::string&) { options->haveScale = true; });
    command->add_flag("--force", options->force, "replaces files already in DIR");
    SetAction(command, context, [options, &context]() { return RunDecode(*options, context.out, context.err); });
}

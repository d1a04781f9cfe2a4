#include "cli/DecodeExtract.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommandContext.h"
#include "cli/OutputFolder.h"
#include "panekit/File.h"
#include "pattern/document/LedFile.h"
#include "pattern/files/ReplacementFile.h"
#include "pattern/hex/HexImageStream.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/list/DisplayList.h"
#include "pattern/program/DisplayProgram.h"

namespace {

const char ListFileName[] = "list.ll";
const char LineEnd[] = "\r\n";

// A word for a shell: quoted when it holds anything but plain path characters.
std::string ShellWord(const std::string& text) {
    for (char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string("_-./:\\+=,").find(c) != std::string::npos;
        if (!plain) return "'" + text + "'";
    }
    return text.empty() ? "''" : text;
}

std::string PatternFileName(std::size_t number) {
    char text[48];
    std::snprintf(text, sizeof text, "pattern-%03zu.led", number);
    return text;
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

enum class RebuildResult { SameFile, SameImage, OtherImage, Failed };

// Builds the written list as the printed command would, into a file beside
// it that is removed again, and compares.
RebuildResult CheckRebuild(const std::string& listPath, const std::string& directory, const DecodedFile& original,
                           const HexOptions& hexOptions) {
    std::string scratch;
    for (int n = 0; scratch.empty() || CFile::Exists(scratch.c_str()); ++n)
        scratch = InDirectory(directory, "rebuild-check-" + std::to_string(n) + ".hex");
    DisplayList list;
    HexImageWriter writer;
    if (!list.SelectFile(listPath.c_str(), false) || !writer.Open(scratch.c_str(), hexOptions)) return RebuildResult::Failed;
    const bool built = BuildDisplayProgram(list, writer) && writer.Close();
    RebuildResult result = RebuildResult::Failed;
    if (built) {
        if (SameFileBytes(scratch, original.file)) {
            result = RebuildResult::SameFile;
        } else {
            std::unique_ptr<ImageSource> image = OpenImage(original);
            HexImageStream rebuilt(scratch.c_str());
            const bool same = SameImages(*image, rebuilt);
            HexImage summary;
            HexReadError error;
            if (rebuilt.Finish(&summary, &error) == HexImageStream::Outcome::Read)
                result = same ? RebuildResult::SameImage : RebuildResult::OtherImage;
        }
        RemoveFile(scratch);
    }
    return result;
}

void PrintRebuild(RebuildResult result, const std::string& path, std::ostream& out, std::ostream& err) {
    switch (result) {
    case RebuildResult::SameFile: out << "which writes " << path << " byte for byte\n"; break;
    case RebuildResult::SameImage:
        out << "which writes the same display program as " << path << ", in other records (" << path
            << " was not written by lumigrid-cli build)\n";
        break;
    case RebuildResult::OtherImage:
        out << "which writes a display program that differs from the one in " << path << "\n";
        break;
    case RebuildResult::Failed: PrintNote(err, "the rebuild could not be checked"); break;
    }
}

// Saves each recovered pattern as soon as it is whole, and collects the
// list's lines. Empty when all went well, else the failure.
std::string WritePatterns(const DecodedFile& file, const std::vector<std::string>& paths, OutputFolder& folder,
                          std::vector<std::string>& lines, RecoveryNotes& notes, std::ostream& out) {
    std::string failure;
    auto save = [&](const RecoveredEntry& entry, std::size_t number, std::unique_ptr<LedPattern> pattern) {
        if (!pattern) {
            lines.push_back(ResetMark);
            return true;
        }
        const std::string& path = paths[number];
        const std::string fullPath = FullPathName(path);
        if (fullPath.empty() || fullPath.size() > DisplayList::MaxLineLength ||
            fullPath.find_first_of("\r\n") != std::string::npos) {
            failure = "cannot name " + QuotedName(path) + " in a display list by its full path";
            return false;
        }
        const bool existed = CFile::Exists(path.c_str());
        if (!SavePatternFile(*pattern, path.c_str())) {
            failure = CannotWrite(path);
            return false;
        }
        folder.Written(path, existed);
        lines.push_back(fullPath);
        out << path << ": " << ControlCodeName(entry.controlCode);
        if (entry.controlCode == ControlNormal || entry.controlCode == ControlOnOff)
            out << ", wait " << static_cast<unsigned>(entry.wait);
        out << ", " << Counted(entry.frameCount, "frame", "frames") << " of " << SizeText(file.columns, file.rows)
            << "\n";
        return true;
    };
    // The file is read again here, and let go before the rebuild reads it.
    std::unique_ptr<ImageSource> image = OpenImage(file);
    switch (RecoverPatterns(*image, file.columns, file.rows, file.survey, save, &notes)) {
    case RecoveryStatus::Recovered: return std::string();
    case RecoveryStatus::Stopped: return failure;
    case RecoveryStatus::ChangedWhileRead: return ChangedWhileRead;
    case RecoveryStatus::OutOfMemory: return "not enough memory for the frames";
    }
    return ChangedWhileRead;
}

// The build command line: the format and start address the file shows.
std::string BuildCommandLine(const DecodedFile& file, const std::string& listPath, HexOptions* options,
                             std::ostream& err) {
    HexFormat format = HexFormat::EightBit;
    if (!InferHexFormat(file.hex, &format)) format = HexFormat::Linear32;
    std::string command = "lumigrid-cli build " + ShellWord(listPath) + " -o " + ShellWord(file.path) + " --format " +
                          FormatOptionNames[static_cast<int>(format)];
    std::uint32_t start = 0;
    if (file.hex.hasStartAddress) {
        if (file.hex.StartAddress() != 0 &&
            CheckStartAddress(format, file.hex.StartAddress()) == StartAddressCheck::Accepted) {
            start = file.hex.StartAddress();
            command += " --start 0x" + Hex(start, 4);
        } else {
            PrintNote(err, StartDescription(file.hex) + " is not one build writes in " +
                               FormatOptionNames[static_cast<int>(format)] + "; the command leaves it out");
        }
    }
    *options = HexOptions::ForFormat(format, start);
    return command;
}

void PrintRecoveryNotes(const RecoveryNotes& notes, std::ostream& err) {
    if (notes.paddedFrames)
        PrintNote(err, Counted(notes.paddedFrames, "frame has", "frames have") +
                           " bits set after the last pixel; build writes them as 0");
    if (notes.animationBlocks)
        PrintNote(err, Counted(notes.animationBlocks, "Animation block", "Animation blocks") +
                           " of an older editor (2ppp): build writes Animation patterns as pictures with wait 0");
}

}  // namespace

int ExtractPatterns(const DecodedFile& file, const std::string& directory, bool force, std::ostream& out,
                    std::ostream& err) {
    ProgramReadError oversized;
    if (!EntriesFitPatterns(file.survey, &oversized))
        return PrintFailure(err, file.path + ": offset " + Hex(oversized.offset, 4) + ": " + oversized.what);
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < file.survey.patterns; ++i) paths.push_back(InDirectory(directory, PatternFileName(i)));
    const std::string listPath = InDirectory(directory, ListFileName);
    std::vector<std::string> targets = paths;
    targets.push_back(listPath);
    OutputFolder folder;
    const std::string problem = folder.Prepare(directory, targets, force);
    if (!problem.empty()) return PrintFailure(err, problem);

    std::vector<std::string> lines;
    RecoveryNotes notes;
    const std::string failure = WritePatterns(file, paths, folder, lines, notes, out);
    if (!failure.empty()) {
        folder.RemoveWritten();
        return PrintFailure(err, failure);
    }
    const bool listExisted = CFile::Exists(listPath.c_str());
    if (!WriteListFile(listPath, lines)) {
        folder.RemoveWritten();
        return PrintFailure(err, CannotWrite(listPath));
    }
    folder.Written(listPath, listExisted);
    out << listPath << ": " << Counted(lines.size(), "entry", "entries") << "\n";

    HexOptions hexOptions{};
    const std::string command = BuildCommandLine(file, listPath, &hexOptions, err);
    PrintRecoveryNotes(notes, err);
    out << "build again with: " << command << "\n";
    PrintRebuild(CheckRebuild(listPath, directory, file, hexOptions), file.path, out, err);
    return CliSuccess;
}

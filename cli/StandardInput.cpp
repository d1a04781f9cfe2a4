#include "cli/StandardInput.h"

#include <vector>

#include "cli/CommandContext.h"
#include "panekit/File.h"

const char StandardInputFile::Name[] = "-";

StandardInputFile::~StandardInputFile() {
    if (copy_.empty()) return;
    CFile copy(nullptr);
    if (copy.Open(copy_.c_str(), 1) == 1) {
        copy.Close();
        copy.Delete();
    }
    CFile::KeepIfInterrupted(copy_.c_str());
}

std::string StandardInputFile::PathFor(const std::string& name, std::string* problem) {
    if (name != Name || !copy_.empty()) return name == Name ? copy_ : name;
    CFile input(nullptr), copy(nullptr);
    if (input.OpenStandardStream(1) != 1 || copy.OpenAsTemporary("lgi") != 1) {
        *problem = "cannot read standard input: " + SystemReason();
        return std::string();
    }
    CFile::RemoveIfInterrupted(copy.GetFilename());
    std::vector<char> chunk(64 * 1024);
    unsigned long got;
    bool copied = true;
    while (copied && (got = input.Read(chunk.data(), static_cast<unsigned long>(chunk.size()))) > 0)
        copied = copy.Write(chunk.data(), got) == got;
    // The end of the input keeps the name; a failed read empties it.
    if (!copied || !input.GetFilename()[0]) {
        *problem = std::string(copied ? "cannot read standard input: " : "cannot copy standard input: ") +
                   SystemReason();
        CFile::KeepIfInterrupted(copy.GetFilename());
        return std::string();
    }
    // Kept when closed: it is removed with this object.
    copy_ = copy.GetFilename();
    copy.m_Temporary = 0;
    copy.Close();
    return copy_;
}

std::string StandardInputFile::Shown(const std::string& text) const {
    if (copy_.empty()) return text;
    std::string shown = text;
    for (std::size_t at = 0; (at = shown.find(copy_, at)) != std::string::npos; at += 1)
        shown.replace(at, copy_.size(), Name);
    return shown;
}

PatternLoadResult LoadPatternArgument(const std::string& name, std::ostream& err) {
    StandardInputFile input;
    std::string problem;
    const std::string file = input.PathFor(name, &problem);
    if (file.empty()) {
        PrintFailure(err, problem);
        return PatternLoadResult{nullptr, PatternLoadStatus::CannotOpen, LedFileHeader{}, 0, false};
    }
    PatternLoadResult loaded = ReadPatternFile(file.c_str());
    if (!loaded.pattern)
        PrintFailure(err, "cannot load " + QuotedName(name) + ": " + DescribePatternLoadStatus(loaded.status));
    return loaded;
}

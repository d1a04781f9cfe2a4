#include "cli/CommandContext.h"

#include <cstdio>
#include <vector>

#include "cli/Cli.h"
#include "panekit/File.h"

namespace {

const char ProgramPrefix[] = "lumigrid-cli: ";

}  // namespace

int PrintUsageError(std::ostream& err, const std::string& problem) {
    err << ProgramPrefix << problem << " (see lumigrid-cli --help)\n";
    return CliUsageError;
}

int PrintFailure(std::ostream& err, const std::string& problem) {
    err << ProgramPrefix << problem << "\n";
    return CliFailure;
}

void PrintNote(std::ostream& err, const std::string& note) { err << ProgramPrefix << "note: " << note << "\n"; }

std::string QuotedName(const std::string& text) { return "'" + text + "'"; }

std::string Printable(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte >= 0x20 && byte != 0x7F && !c1) {
            shown += text[i];
            continue;
        }
        const unsigned char escaped = c1 ? static_cast<unsigned char>(text[++i]) : byte;
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", escaped);
        shown += code;
    }
    return shown;
}

std::string SystemReason() {
    char text[256];
    CFile::DescribeError(CFile::LastErrorCode(), text, sizeof text);
    return text;
}

std::string CannotWrite(const std::string& name) { return "cannot write " + QuotedName(name) + ": " + SystemReason(); }

std::string FullPathName(const std::string& path) {
    std::vector<char> buffer(CFile::FilenameCapacity);
    for (;;) {
        const unsigned long length =
            CFile::GetFullPath(path.c_str(), buffer.data(), static_cast<unsigned long>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

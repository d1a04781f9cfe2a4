#include "export/CodeImport.h"

#include <cstring>
#include <new>
#include <vector>

#include "export/ExportOptions.h"
#include "panekit/File.h"

namespace {

// How far into a file its kind is looked for.
const std::size_t LookedAtBytes = 4096;

bool HasExtension(const char* path, const char* extension) {
    const char* dot = std::strrchr(path, '.');
    if (!dot || std::strpbrk(dot, "/\\")) return false;
    for (++dot; *dot && *extension; ++dot, ++extension)
        if ((*dot | 0x20) != *extension) return false;
    return !*dot && !*extension;
}

// The file's bytes, at most limit of them; false when it cannot be read or
// has more. A file that is short of limit is read whole.
bool ReadFileBytes(const char* path, std::uint64_t limit, std::vector<char>* bytes, std::string* problem) {
    CFile file(nullptr);
    if (file.Open(path, 1) != 1) {
        *problem = "cannot open the file";
        return false;
    }
    const unsigned long chunk = 1024 * 1024;
    try {
        for (;;) {
            const std::size_t had = bytes->size();
            bytes->resize(had + chunk);
            const unsigned long got = file.Read(bytes->data() + had, chunk);
            bytes->resize(had + got);
            if (got == 0) break;
            if (bytes->size() > limit) {
                file.Close();
                *problem = "the file is larger than exported code of the largest pattern";
                return false;
            }
        }
    } catch (const std::bad_alloc&) {
        *problem = "not enough memory for the file";
        return false;
    }
    file.Close();
    return true;
}

// A byte that no text has: NUL, or a control other than white space.
bool LooksBinary(const std::vector<char>& bytes) {
    const std::size_t end = bytes.size() < LookedAtBytes ? bytes.size() : LookedAtBytes;
    for (std::size_t i = 0; i < end; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x20 && !std::strchr("\t\n\v\f\r", byte)) return true;
    }
    return false;
}

}  // namespace

bool IsExportedCodeFile(const char* path) {
    for (const char* extension : {"h", "hpp", "c", "py", "json", "xbm", "rs", "bin"})
        if (HasExtension(path, extension)) return true;
    std::vector<char> start;
    CFile file(nullptr);
    if (file.Open(path, 1) != 1) return false;
    start.resize(LookedAtBytes);
    start.resize(file.Read(start.data(), LookedAtBytes));
    file.Close();
    const std::string text(start.begin(), start.end());
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return text.find(LayoutLineMark) != std::string::npos || (first != std::string::npos && text[first] == '{');
}

CodeImport ImportExportedCode(const char* path, const ReadHints& hints, LedPattern& pattern) {
    CodeImport imported;
    std::vector<char> bytes;
    if (!ReadFileBytes(path, MaxCodeFileBytes, &bytes, &imported.problem)) return imported;
    ExportedCode code;
    ExportReadError error;
    const bool binary = HasExtension(path, "bin") || LooksBinary(bytes);
    const bool read = binary ? ReadExportedBinary(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                                  hints, &code, &error)
                             : ReadExportedText(bytes.data(), bytes.size(), hints, &code, &error);
    if (!read) {
        imported.problem = error.Describe();
        return imported;
    }
    std::vector<char>().swap(bytes);
    imported.problem = MakePattern(code, DefaultTickMilliseconds, pattern);
    imported.pictures = code.frames;
    imported.fromLayoutLine = code.fromLayoutLine;
    return imported;
}

#include "pattern/files/RecoveryFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "pattern/files/ReplacementFile.h"

namespace {

const char Magic[8] = {'L', 'G', 'R', 'E', 'C', 'O', 'V', '1'};
const char NamePrefix[] = "lumigrid-";
const char NameSuffix[] = ".recovery";
// Magic, process id, start, written at, name length.
const std::size_t FixedRecordSize = 8 + 4 + 8 + 8 + 2;

void PutLittleEndian(std::string& into, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) into.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t GetLittleEndian(const unsigned char* from, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | from[i];
    return value;
}

std::string RecordBytes(const RecoveryRecord& record) {
    std::string bytes(Magic, sizeof Magic);
    PutLittleEndian(bytes, record.owner.processId, 4);
    PutLittleEndian(bytes, record.owner.started, 8);
    PutLittleEndian(bytes, static_cast<std::uint64_t>(record.writtenAt), 8);
    const std::size_t length = std::min<std::size_t>(record.patternFileName.size(), CFile::FilenameCapacity - 1);
    PutLittleEndian(bytes, length, 2);
    bytes.append(record.patternFileName, 0, length);
    return bytes;
}

unsigned long ReadFully(CFile& file, void* into, unsigned long count) {
    unsigned long done = 0;
    while (done < count) {
        const unsigned long got = file.Read(static_cast<char*>(into) + done, count - done);
        if (got == 0) break;
        done += got;
    }
    return done;
}

// Reads the record from an open file, leaving it at the pattern's first byte.
bool ReadRecord(CFile& file, RecoveryRecord& record) {
    unsigned char fixed[FixedRecordSize];
    if (ReadFully(file, fixed, FixedRecordSize) != FixedRecordSize) return false;
    if (std::memcmp(fixed, Magic, sizeof Magic) != 0) return false;
    record.owner.processId = static_cast<std::uint32_t>(GetLittleEndian(fixed + 8, 4));
    record.owner.started = GetLittleEndian(fixed + 12, 8);
    record.writtenAt = static_cast<std::int64_t>(GetLittleEndian(fixed + 20, 8));
    const unsigned long length = static_cast<unsigned long>(GetLittleEndian(fixed + 28, 2));
    if (length >= CFile::FilenameCapacity) return false;
    std::string name(length, '\0');
    if (length && ReadFully(file, &name[0], length) != length) return false;
    // A name is text: a NUL inside it is damage.
    if (name.find('\0') != std::string::npos) return false;
    record.patternFileName = name;
    return true;
}

}  // namespace

std::string RecoveryFileName(const RecoveryOwner& owner) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%lx-%016llx%s", NamePrefix, static_cast<unsigned long>(owner.processId),
                  static_cast<unsigned long long>(owner.started), NameSuffix);
    return name;
}

bool ParseRecoveryFileName(const std::string& name, RecoveryOwner& owner) {
    unsigned long processId = 0;
    unsigned long long started = 0;
    int used = 0;
    const std::string format = std::string(NamePrefix) + "%8lx-%16llx%n";
    if (std::sscanf(name.c_str(), format.c_str(), &processId, &started, &used) != 2) return false;
    // Exactly the name RecoveryFileName gives, so that no other file is taken for one.
    const RecoveryOwner parsed = {static_cast<std::uint32_t>(processId), started};
    if (RecoveryFileName(parsed) != name) return false;
    owner = parsed;
    return true;
}

std::string RecoveryPath(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (folder.empty() || folder.back() == separator || folder.back() == '/') return folder + name;
    return folder + separator + name;
}

bool WriteRecoveryFile(const char* path, const LedPattern& pattern, const RecoveryRecord& record) {
    ReplacementFile output;
    if (!output.Create(path)) return false;
    const std::string bytes = RecordBytes(record);
    output.Write(bytes.data(), bytes.size());
    WritePatternContents(output, pattern);
    return output.Commit();
}

RecoveryLoadResult ReadRecoveryFile(const char* path) {
    RecoveryLoadResult result{false, {}, {nullptr, PatternLoadStatus::CannotOpen, {}, 0, false}};
    std::memset(&result.loaded.fileHeader, 0, sizeof result.loaded.fileHeader);
    CFile file(nullptr);
    if (!path || file.Open(path, 1) != 1) return result;
    result.recordRead = ReadRecord(file, result.record);
    if (!result.recordRead) {
        file.Close();
        result.loaded.status = PatternLoadStatus::NotPatternFile;
        return result;
    }
    result.loaded = ReadPatternFile(file);
    if (LedPattern* pattern = result.loaded.pattern.get()) {
        const std::string& name = result.record.patternFileName;
        pattern->SetFileName(name.empty() ? nullptr : name.c_str());
        // The copy is of unsaved work: a Save is still to come.
        pattern->modified = true;
    }
    return result;
}

bool ReadRecoveryRecord(const char* path, RecoveryRecord& record) {
    CFile file(nullptr);
    if (!path || file.Open(path, 1) != 1) return false;
    const bool read = ReadRecord(file, record);
    file.Close();
    return read;
}

bool MakeRecoveryFolder(const std::string& folder) {
    if (CFile::IsDirectory(folder.c_str())) return true;
    // Lumigrid\Recovery: on a first run neither is there.
    const std::size_t cut = folder.find_last_of("\\/");
    if (cut != std::string::npos && cut > 0) {
        const std::string parent = folder.substr(0, cut);
        if (!CFile::IsDirectory(parent.c_str())) CFile::MakeDirectory(parent.c_str());
    }
    return CFile::MakeDirectory(folder.c_str()) == 1 || CFile::IsDirectory(folder.c_str());
}

bool DeleteRecoveryFile(const std::string& path) {
    CFile file(nullptr);
    // Opened first, so that the file is named; a file that cannot be opened
    // is one that is gone or that another editor holds.
    if (file.Open(path.c_str(), 1) != 1) return false;
    file.Close();
    return file.Delete() == 1;
}

namespace {

struct Listing {
    std::vector<std::string> names;
};

int KeepName(const char* name, void* context) {
    static_cast<Listing*>(context)->names.push_back(name);
    return 1;
}

}  // namespace

std::vector<LeftoverRecovery> FindLeftoverRecoveries(const std::string& folder,
                                                      const std::function<bool(const RecoveryOwner&)>& running) {
    Listing listing;
    CFile::ListDirectory(folder.c_str(), KeepName, &listing);
    std::vector<LeftoverRecovery> leftovers;
    for (const std::string& name : listing.names) {
        RecoveryOwner owner;
        if (!ParseRecoveryFileName(name, owner) || running(owner)) continue;
        LeftoverRecovery leftover{RecoveryPath(folder, name), false, {owner, 0, ""}};
        leftover.recordRead = ReadRecoveryRecord(leftover.path.c_str(), leftover.record);
        leftovers.push_back(leftover);
    }
    std::stable_sort(leftovers.begin(), leftovers.end(), [](const LeftoverRecovery& a, const LeftoverRecovery& b) {
        if (a.recordRead != b.recordRead) return a.recordRead;
        if (a.record.writtenAt != b.record.writtenAt) return a.record.writtenAt > b.record.writtenAt;
        return a.path < b.path;
    });
    return leftovers;
}

// Recovery files over any bytes, as the editor finds them left over after a
// crash: never a crash or an out-of-bounds access (the sanitizers watch);
// the record reads the same whichever way it is read, the pattern after it
// reads as the same bytes would as a .led file, and a recovery file written
// again from what was read reads back the same. The input's start is also
// taken as a file name, for the check of recovery files' names.
#include <algorithm>
#include <cstring>
#include <string>

#include "fuzz/FuzzScratch.h"
#include "pattern/files/RecoveryFile.h"

namespace {

const FuzzScratch scratch;
const RecoveryOwner Owner = {0x1f4, 0x01d9a2c3b4e5f607ull};
const std::string folder = scratch.File("recovery");
const std::string input = RecoveryPath(folder, RecoveryFileName(Owner));
const std::string rest = scratch.File("rest.led");
const std::string again = scratch.File("again.recovery");

// The record's fixed part: magic, process id, start, written at, name length.
const std::size_t FixedRecordSize = 8 + 4 + 8 + 8 + 2;

bool SameFrames(const LedPattern& a, const LedPattern& b) {
    if (a.frameCount != b.frameCount || a.columns != b.columns || a.rows != b.rows) return false;
    if (std::memcmp(&a.header, &b.header, LedFileHeader::Size) != 0) return false;
    for (std::uint32_t f = 0; f < a.frameCount; ++f)
        if (std::memcmp(a.Frame(f), b.Frame(f), a.FrameSize()) != 0) return false;
    return true;
}

bool SameRecord(const RecoveryRecord& a, const RecoveryRecord& b) {
    return a.owner == b.owner && a.writtenAt == b.writtenAt && a.patternFileName == b.patternFileName;
}

void CheckName(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64));
    RecoveryOwner owner{};
    if (ParseRecoveryFileName(name, owner)) FUZZ_REQUIRE(RecoveryFileName(owner) == name);
}

// The pattern after the record, read as the same bytes in a .led file.
void CheckPattern(const RecoveryLoadResult& read, const std::uint8_t* data, std::size_t size) {
    const std::size_t recordSize = FixedRecordSize + read.record.patternFileName.size();
    FUZZ_REQUIRE(recordSize <= size);
    FuzzScratch::Write(rest, data + recordSize, size - recordSize);
    const PatternLoadResult plain = ReadPatternFile(rest.c_str());
    FUZZ_REQUIRE(plain.status == read.loaded.status && plain.framesRead == read.loaded.framesRead);
    FUZZ_REQUIRE(!plain.pattern == !read.loaded.pattern);
    if (!plain.pattern) return;
    const LedPattern& pattern = *read.loaded.pattern;
    FUZZ_REQUIRE(SameFrames(pattern, *plain.pattern));
    // Unsaved work, under the name it had.
    FUZZ_REQUIRE(pattern.modified);
    const std::string& name = read.record.patternFileName;
    FUZZ_REQUIRE(name.empty() ? !pattern.fileName : pattern.fileName && name == pattern.fileName.get());
}

void CheckWrittenAgain(const RecoveryLoadResult& read) {
    const LedPattern& pattern = *read.loaded.pattern;
    FUZZ_REQUIRE(WriteRecoveryFile(again.c_str(), pattern, read.record));
    const RecoveryLoadResult reread = ReadRecoveryFile(again.c_str());
    FUZZ_REQUIRE(reread.recordRead && SameRecord(reread.record, read.record));
    FUZZ_REQUIRE(reread.loaded.status == PatternLoadStatus::Loaded && reread.loaded.pattern);
    FUZZ_REQUIRE(SameFrames(*reread.loaded.pattern, pattern));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool made = MakeRecoveryFolder(folder);
    FUZZ_REQUIRE(made);
    CheckName(data, size);
    FuzzScratch::Write(input, data, size);
    const RecoveryLoadResult read = ReadRecoveryFile(input.c_str());
    RecoveryRecord record{};
    FUZZ_REQUIRE(ReadRecoveryRecord(input.c_str(), record) == read.recordRead);
    // Left over by an editor no longer running: found, with the same record.
    const std::vector<LeftoverRecovery> leftovers =
        FindLeftoverRecoveries(folder, [](const RecoveryOwner&) { return false; });
    FUZZ_REQUIRE(leftovers.size() == 1 && leftovers[0].path == input);
    FUZZ_REQUIRE(leftovers[0].recordRead == read.recordRead);
    if (!read.recordRead) {
        FUZZ_REQUIRE(!read.loaded.pattern && read.loaded.status == PatternLoadStatus::NotPatternFile);
        return 0;
    }
    FUZZ_REQUIRE(SameRecord(record, read.record) && SameRecord(leftovers[0].record, read.record));
    FUZZ_REQUIRE(std::memcmp(data, "LGRECOV1", 8) == 0);
    CheckPattern(read, data, size);
    if (read.loaded.pattern) CheckWrittenAgain(read);
    return 0;
}

#include "pattern/files/ReplacementFile.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <random>

#ifdef __linux__
#include <sys/random.h>
#endif

namespace {

// 64 bits from the system's random source. On Linux straight from the
// kernel: std::random_device first asks the processor what it offers, and
// under a hypervisor that question alone costs a small build a few percent
// of its time.
bool RandomBits(std::uint64_t* bits) {
#ifdef __linux__
    if (getrandom(bits, sizeof *bits, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof *bits)) return true;
#endif
    try {
        std::random_device device;
        *bits = (static_cast<std::uint64_t>(device()) << 32) ^ device();
        return true;
    } catch (...) {
        return false;
    }
}

// Different every time within a process, and very likely across processes
// that save beside the same target at the same moment.
std::uint32_t NextSiblingNumber() {
    static std::uint64_t seed = [] {
        std::uint64_t value = static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
        // Without a random source the clock alone still varies.
        std::uint64_t bits = 0;
        if (RandomBits(&bits)) value ^= bits;
        return value;
    }();
    static std::uint64_t counter = 0;
    // splitmix64: spreads consecutive counters over the whole range.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * ++counter;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

// The directory part of target, separator included; '\\' and a drive's ':'
// count too, which on POSIX keeps the new name in the same directory as well.
std::string DirectoryOf(const std::string& target) {
    std::size_t end = target.find_last_of("/\\:");
    return end == std::string::npos ? std::string() : target.substr(0, end + 1);
}

// CFile::InspectTarget's answers.
enum { TargetIsMissing = 0, TargetIsRegular = 1, TargetIsOther = 2 };

bool Exists(const std::string& name) {
    CFile probe(nullptr);
    return probe.Open(name.c_str(), 1) == 1;
}

}  // namespace

const char ReplacementFile::StandardOutputName[] = "-";

ReplacementFile::ReplacementFile()
    : file_(nullptr),
      buffered_(0),
      unsynced_(0),
      created_(false),
      direct_(false),
      failed_(false),
      replaceFailed_(false) {}

ReplacementFile::~ReplacementFile() { Discard(); }

bool ReplacementFile::Create(const char* target) {
    Discard();
    failed_ = replaceFailed_ = false;
    if (!target || !*target) return false;
    buffer_.reset(new (std::nothrow) char[BufferSize]);
    if (!buffer_) return false;
    buffered_ = 0;
    unsynced_ = 0;
    char resolved[CFile::FilenameCapacity];
    const bool toStandardOutput = std::strcmp(target, StandardOutputName) == 0;
    const int kind = toStandardOutput ? TargetIsOther : CFile::InspectTarget(target, resolved);
    if (kind == TargetIsMissing || kind == TargetIsRegular) return CreateSibling(resolved, kind == TargetIsRegular);
    if (kind == TargetIsOther && (toStandardOutput ? file_.OpenStandardStream(0) : file_.Open(target, 0)) == 1) {
        target_ = target;
        created_ = direct_ = true;
        return true;
    }
    // A directory or a loop of links: an open that empties nothing leaves
    // the system's reason for the caller.
    if (kind != TargetIsOther && file_.Open(target, 2) == 1) file_.Close();
    buffer_.reset();
    return false;
}

bool ReplacementFile::CreateSibling(const std::string& resolved, bool replacesFile) {
    target_ = resolved;
    std::string directory = DirectoryOf(target_);
    for (int attempt = 0; attempt < 4; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".lumigrid-%08X.tmp", static_cast<unsigned>(NextSiblingNumber()));
        std::string sibling = directory + name;
        if (Exists(sibling)) continue;
        if (file_.Open(sibling.c_str(), 0) == 1) {
            CFile::RemoveIfInterrupted(sibling.c_str());
            sibling_ = sibling;
            created_ = true;
            direct_ = false;
            // Before any byte is in it: a private file stays private.
            if (replacesFile) file_.CopyPermissionsFrom(target_.c_str());
            return true;
        }
    }
    buffer_.reset();
    return false;
}

bool ReplacementFile::FlushBuffer(bool whole) {
    if (buffered_ == 0) return true;
    // Whole pieces where it can: each write then fills whole pages of the
    // file, which the system can take in large blocks.
    const std::size_t kept = !whole && buffered_ >= WritePiece ? buffered_ - WritePiece : 0;
    unsigned long count = static_cast<unsigned long>(buffered_ - kept);
    buffered_ = 0;
    if (file_.Write(buffer_.get(), count) != count) {
        failed_ = true;
        return false;
    }
    std::memmove(buffer_.get(), buffer_.get() + count, kept);
    buffered_ = kept;
    unsynced_ += count;
    if (unsynced_ >= SyncStep) {
        file_.StartDataSync();
        unsynced_ = 0;
    }
    return true;
}

bool ReplacementFile::Write(const void* bytes, std::size_t count) {
    if (!created_ || failed_) return false;
    const char* from = static_cast<const char*>(bytes);
    while (count > 0) {
        if (buffered_ == BufferSize && !FlushBuffer(false)) return false;
        std::size_t room = BufferSize - buffered_;
        std::size_t piece = count < room ? count : room;
        std::memcpy(buffer_.get() + buffered_, from, piece);
        buffered_ += piece;
        from += piece;
        count -= piece;
    }
    return true;
}

char* ReplacementFile::ReserveAfterFlush(std::size_t count) {
    if (!created_ || failed_ || count > BufferSize) return nullptr;
    if (BufferSize - buffered_ < count && !FlushBuffer(BufferSize - WritePiece < count)) return nullptr;
    return buffer_.get() + buffered_;
}

bool ReplacementFile::Commit() {
    if (!created_) return false;
    // A pipe or a device has no data of its own to make durable.
    if (failed_ || !FlushBuffer(true) || (!direct_ && !file_.SyncData())) {
        failed_ = true;
        Discard();
        return false;
    }
    file_.Close();
    if (direct_) {
        created_ = direct_ = false;
        buffer_.reset();
        return true;
    }
    if (!file_.ReplaceTarget(target_.c_str())) {
        failed_ = replaceFailed_ = true;
        Discard();
        return false;
    }
    CFile::KeepIfInterrupted(sibling_.c_str());
    created_ = false;
    buffer_.reset();
    return true;
}

void ReplacementFile::Discard() {
    if (!created_) return;
    file_.Close();
    // What is written directly cannot be taken back, and is never deleted.
    if (direct_) {
        created_ = direct_ = false;
        buffered_ = 0;
        buffer_.reset();
        return;
    }
    // A failed write closes the file and empties its name: name it again.
    if (!file_.GetFilename()[0] && file_.Open(sibling_.c_str(), 1) == 1) file_.Close();
    file_.Delete();
    CFile::KeepIfInterrupted(sibling_.c_str());
    created_ = false;
    buffered_ = 0;
    buffer_.reset();
}

// POSIX implementation of the stream operations. It gives the results of the
// Windows one: exclusive opens (an advisory lock that every open takes, so a
// second open of a file held open fails), the same reading of the modes, and
// temporary files in the system's temporary directory. There is no file
// dialog: asking for one reports a cancel.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "panekit/src/FileSystem.h"

namespace panekit {
namespace os {

namespace {

// The Windows access rights and creation dispositions that the modes stand
// for; modes other than 0, 1 and 2 are read as both, as on Windows.
const unsigned long GenericRead = 0x80000000ul;
const unsigned long GenericWrite = 0x40000000ul;
const unsigned long GenericAll = 0x10000000ul;
const unsigned long ReadData = 0x1, WriteData = 0x2, AppendData = 0x4;
enum Disposition { CreateNew = 1, CreateAlways = 2, OpenExisting = 3, OpenAlways = 4, TruncateExisting = 5 };

struct OpenRequest {
    int flags;          // open(2) flags
    bool truncate;      // empty the file once it is locked
    bool valid;
};

OpenRequest requestFor(int mode) {
    unsigned long access;
    unsigned long disposition;
    switch (mode) {
    case 0: access = GenericWrite; disposition = CreateAlways; break;
    case 1: access = GenericRead; disposition = OpenExisting; break;
    case 2: access = GenericRead | GenericWrite; disposition = OpenExisting; break;
    default:
        access = static_cast<unsigned int>(mode);
        disposition = static_cast<unsigned int>(mode);
        break;
    }
    bool read = access & (GenericRead | GenericAll | ReadData);
    bool write = access & (GenericWrite | GenericAll | WriteData);
    bool append = !write && (access & AppendData);
    OpenRequest request{0, false, true};
    if (read && (write || append)) request.flags = O_RDWR;
    else if (write || append) request.flags = O_WRONLY;
    else request.flags = O_RDONLY;
    if (append) request.flags |= O_APPEND;
    switch (disposition) {
    case CreateNew: request.flags |= O_CREAT | O_EXCL; break;
    case CreateAlways: request.flags |= O_CREAT; request.truncate = true; break;
    case OpenExisting: break;
    case OpenAlways: request.flags |= O_CREAT; break;
    case TruncateExisting: request.truncate = true; request.valid = write; break;
    default: request.valid = false; break;
    }
    return request;
}

// Descriptor 0 means "no file" to CFile, so an opened file never keeps a
// descriptor below 3 (possible only when the standard streams are closed).
int awayFromStandardStreams(int fd) {
    if (fd >= 3) return fd;
    int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

// Locks a freshly opened descriptor for this open alone; on failure the
// descriptor is closed and -1 returned.
int lockExclusively(int fd) {
    struct stat info;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string temporaryDirectory() {
    const char* directory = std::getenv("TMPDIR");
    if (!directory || !*directory) directory = P_tmpdir;
    std::string path(directory);
    if (path.empty() || path[path.size() - 1] != '/') path += '/';
    return path;
}

}  // namespace

PanekitFileHandle openFile(const char* name, int mode) {
    OpenRequest request = requestFor(mode);
    if (!request.valid) return 0;
    // Never truncate before the lock is held: a file held open elsewhere must
    // come out of a refused open unchanged.
    int fd = open(name, request.flags | O_CLOEXEC, 0666);
    if (fd < 0) return 0;
    fd = awayFromStandardStreams(fd);
    if (fd < 0) return 0;
    fd = lockExclusively(fd);
    if (fd < 0) return 0;
    // Only a regular file is emptied: a device, a FIFO or a terminal is
    // written as it is (and cannot be truncated).
    struct stat info;
    if (request.truncate && (fstat(fd, &info) != 0 || (S_ISREG(info.st_mode) && ftruncate(fd, 0) != 0))) {
        const int error = errno;
        close(fd);
        errno = error;
        return 0;
    }
    return fd;
}

PanekitFileHandle createTemporaryFile(const char* prefix, unsigned int unique, char* name,
                                      unsigned long capacity) {
    std::string path = temporaryDirectory();
    // The prefix names the file; it must not lead out of the directory.
    for (const char* c = prefix; *c && c - prefix < 64; ++c) path += (*c == '/') ? '_' : *c;
    char number[16];
    std::snprintf(number, sizeof number, "%X", unique);
    path += number;
    path += "-XXXXXX.tmp";
    if (path.size() >= capacity) return 0;
    std::string pattern = path;
    int fd = mkostemps(&pattern[0], 4, O_CLOEXEC);
    if (fd < 0) return 0;
    fd = awayFromStandardStreams(fd);
    if (fd >= 0) fd = lockExclusively(fd);
    if (fd < 0) {
        unlink(pattern.c_str());
        return 0;
    }
    std::memcpy(name, pattern.c_str(), pattern.size() + 1);
    return fd;
}

void closeFile(PanekitFileHandle handle) {
    const int error = errno;   // the reason of a failure before it stays readable
    close(handle);
    errno = error;
}

bool readFile(PanekitFileHandle handle, void* buffer, unsigned long count, unsigned long* done) {
    ssize_t moved;
    do moved = read(handle, buffer, count);
    while (moved < 0 && errno == EINTR);
    *done = moved > 0 ? static_cast<unsigned long>(moved) : 0;
    return moved >= 0;
}

bool writeFile(PanekitFileHandle handle, const void* buffer, unsigned long count,
               unsigned long* done) {
    // Like WriteFile on a disk file: all of it or a failure.
    const char* bytes = static_cast<const char*>(buffer);
    unsigned long written = 0;
    while (written < count) {
        ssize_t moved = write(handle, bytes + written, count - written);
        if (moved < 0 && errno == EINTR) continue;
        if (moved <= 0) {
            *done = written;
            return false;
        }
        written += static_cast<unsigned long>(moved);
    }
    *done = written;
    return true;
}

bool seekFile(PanekitFileHandle handle, unsigned long position) {
    return lseek(handle, static_cast<off_t>(position), SEEK_SET) != static_cast<off_t>(-1);
}

bool fileSize(PanekitFileHandle handle, unsigned long* size) {
    struct stat info;
    if (fstat(handle, &info) != 0) return false;
    *size = static_cast<unsigned long>(info.st_size) & 0xFFFFFFFFul;
    return true;
}

bool deleteFile(const char* name) { return unlink(name) == 0; }

bool listDirectory(const char* directory, bool (*visit)(const char* name, void* context), void* context) {
    DIR* listing = opendir(directory);
    if (!listing) return false;
    while (const dirent* entry = readdir(listing)) {
        struct stat info;
        const std::string path = std::string(directory) + "/" + entry->d_name;
        if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (!visit(entry->d_name, context)) break;
    }
    closedir(listing);
    return true;
}

bool replaceFile(const char* source, const char* target) { return rename(source, target) == 0; }

bool syncFileData(PanekitFileHandle handle) {
    int result;
    do result = fdatasync(handle);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void startFileDataSync(PanekitFileHandle handle) {
#ifdef __linux__
    // Whatever is written so far goes to the disk while the caller goes on.
    sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)handle;
#endif
}

unsigned long fullPath(const char* name, char* buffer, unsigned long capacity) {
    if (!*name) return 0;
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(name, error);
    if (error) return 0;
    const std::string text = full.lexically_normal().string();
    if (text.size() < capacity) std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<unsigned long>(text.size());
}

bool pathExists(const char* name) {
    struct stat info;
    return lstat(name, &info) == 0;
}

bool isDirectory(const char* name) {
    struct stat info;
    return stat(name, &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeDirectory(const char* name) { return mkdir(name, 0777) == 0; }

bool removeEmptyDirectory(const char* name) { return rmdir(name) == 0; }

int inspectTarget(const char* name, char* resolved, unsigned long capacity) {
    std::string path(name);
    int kind = TargetMissing;
    for (int links = 0;; ++links) {
        struct stat info;
        if (lstat(path.c_str(), &info) != 0) break;
        if (S_ISLNK(info.st_mode)) {
            // As many as the kernel itself follows (its ELOOP limit).
            if (links == 40) return -1;
            std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
            ssize_t length = readlink(path.c_str(), &link[0], link.size());
            if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) return -1;
            link.resize(static_cast<std::size_t>(length));
            std::size_t slash = path.rfind('/');
            path = link[0] == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
            continue;
        }
        kind = S_ISREG(info.st_mode) ? TargetRegular : S_ISDIR(info.st_mode) ? TargetDirectory : TargetOther;
        break;
    }
    if (path.size() >= capacity) return -1;
    std::memcpy(resolved, path.c_str(), path.size() + 1);
    return kind;
}

bool copyPermissions(PanekitFileHandle handle, const char* like) {
    struct stat wanted, own;
    if (stat(like, &wanted) != 0 || fstat(handle, &own) != 0) return false;
    // The owner first: changing it clears the set-user-ID bits that the
    // mode then puts back. Only root may give a file away; a member of the
    // group may still pass the group on.
    if ((own.st_uid != wanted.st_uid || own.st_gid != wanted.st_gid) &&
        fchown(handle, wanted.st_uid, wanted.st_gid) != 0 && own.st_gid != wanted.st_gid) {
        if (fchown(handle, static_cast<uid_t>(-1), wanted.st_gid) != 0) {
            // Others of that group must not read what the old file kept from them.
            wanted.st_mode &= ~static_cast<mode_t>(S_IRWXG);
        }
    }
    return fchmod(handle, wanted.st_mode & 07777) == 0;
}

PanekitFileHandle openStandardStream(int which) {
    int fd = fcntl(which == 0 ? 0 : 1, F_DUPFD_CLOEXEC, 3);
    return fd < 0 ? 0 : fd;
}

int lastError() { return errno; }

void describeError(int code, char* buffer, unsigned long capacity) {
    if (capacity == 0) return;
    std::snprintf(buffer, capacity, "%s", std::strerror(code));
}

namespace {

// The names to remove, in slots that a signal handler may read at any time:
// a slot is filled by one atomic store of a name that is complete by then.
const int InterruptSlots = 32;
std::atomic<char*> interruptNames[InterruptSlots];
const int InterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeAndDie(int signal) {
    for (std::atomic<char*>& slot : interruptNames) {
        char* name = slot.load();
        if (name) unlink(name);
    }
    // Die of the signal itself, so that the parent sees why: it is blocked
    // while this handler runs and strikes with its default action on return.
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    raise(signal);
}

void installInterruptHandlers() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (int signal : InterruptSignals) {
        struct sigaction current;
        // A signal the process ignores (nohup) or handles itself is left to it.
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = removeAndDie;
        sigemptyset(&action.sa_mask);
        for (int other : InterruptSignals) sigaddset(&action.sa_mask, other);
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace

bool removeIfInterrupted(const char* name) {
    installInterruptHandlers();
    char* copy = strdup(name);
    if (!copy) return false;
    for (std::atomic<char*>& slot : interruptNames) {
        char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, copy)) return true;
    }
    std::free(copy);
    return false;
}

void keepIfInterrupted(const char* name) {
    for (std::atomic<char*>& slot : interruptNames) {
        char* held = slot.load();
        if (held && std::strcmp(held, name) == 0 && slot.compare_exchange_strong(held, nullptr)) {
            std::free(held);
            return;
        }
    }
}

int showFileDialog(HWND, char*, unsigned long, int, const char*, const char*) { return 0; }

void* heapAllocate(unsigned long bytes) { return std::malloc(bytes ? bytes : 1); }

void heapRelease(void* block) { std::free(block); }

// There is no debugger output channel to write to here.
void debugOutput(const char*) {}

}  // namespace os
}  // namespace panekit

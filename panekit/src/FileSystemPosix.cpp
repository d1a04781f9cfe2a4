// POSIX implementation of the stream operations. It gives the results of the
// Windows one: exclusive opens (an advisory lock that every open takes, so a
// second open of a file held open fails), the same reading of the modes, and
// temporary files in the system's temporary directory. There is no file
// dialog: asking for one reports a cancel.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FileSystem.h"

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
    if (request.truncate && ftruncate(fd, 0) != 0) {
        close(fd);
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

void closeFile(PanekitFileHandle handle) { close(handle); }

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

int showFileDialog(HWND, char*, unsigned long, int, const char*, const char*) { return 0; }

void* heapAllocate(unsigned long bytes) { return std::malloc(bytes ? bytes : 1); }

void heapRelease(void* block) { std::free(block); }

// There is no debugger output channel to write to here.
void debugOutput(const char*) {}

}  // namespace os
}  // namespace panekit

// A full disk, for the life of the object: no file of this process can grow
// beyond the given size, and writes past it fail (POSIX only).
#ifndef LUMIGRID_TESTS_FILESIZELIMIT_H
#define LUMIGRID_TESTS_FILESIZELIMIT_H

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        // Without this the process would be stopped by SIGXFSZ instead of
        // seeing the write fail.
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        struct rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit previous_;
    void (*previousHandler_)(int);
};
#endif

#endif

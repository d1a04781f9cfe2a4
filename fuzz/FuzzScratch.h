// Files for one fuzzing process: the entry points under test read and write
// real files, so each input is written to a file first. Kept in memory-backed
// storage where there is some, and removed when the process ends.
#ifndef LUMIGRID_FUZZ_FUZZSCRATCH_H
#define LUMIGRID_FUZZ_FUZZSCRATCH_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

class FuzzScratch {
public:
    FuzzScratch() {
        std::error_code error;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path(error);
        directory_ = base / ("lumigrid-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(directory_, error);
    }
    ~FuzzScratch() {
        std::error_code error;
        std::filesystem::remove_all(directory_, error);
    }

    std::string File(const char* name) const { return (directory_ / name).string(); }

    static void Write(const std::string& path, const std::uint8_t* data, std::size_t size) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) std::abort();
        if (size && std::fwrite(data, 1, size, file) != size) std::abort();
        std::fclose(file);
    }

private:
    std::filesystem::path directory_;
};

// A broken invariant is a finding: stop here, with the input kept.
#define FUZZ_REQUIRE(condition) \
    do {                        \
        if (!(condition)) {     \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();       \
        }                       \
    } while (0)

#endif

// A directory of its own for one test, removed with everything in it when
// the test ends.
#ifndef LUMIGRID_TESTS_SCRATCHDIRECTORY_H
#define LUMIGRID_TESTS_SCRATCHDIRECTORY_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device random;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("lumigrid-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(path_, error)) break;
        }
    }
    ~ScratchDirectory() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Full path of a file in the directory, as the platform writes it.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    static void Write(const std::string& path, const std::vector<unsigned char>& bytes) {
        std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static void Write(const std::string& path, const std::string& text) {
        Write(path, std::vector<unsigned char>(text.begin(), text.end()));
    }
    static std::vector<unsigned char> Read(const std::string& path) {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string ReadText(const std::string& path) {
        std::vector<unsigned char> bytes = Read(path);
        return std::string(bytes.begin(), bytes.end());
    }
    static bool Exists(const std::string& path) {
        std::error_code error;
        return std::filesystem::exists(std::filesystem::path(path), error);
    }

private:
    std::filesystem::path path_;
};

#endif

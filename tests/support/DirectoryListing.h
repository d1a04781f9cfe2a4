// The names in a test's scratch directory, to show that a failed save left
// no stray file behind.
#ifndef LUMIGRID_TESTS_DIRECTORYLISTING_H
#define LUMIGRID_TESTS_DIRECTORYLISTING_H

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/ScratchDirectory.h"

inline std::vector<std::string> NamesIn(const ScratchDirectory& scratch) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::path directory = std::filesystem::path(scratch.File("x")).parent_path();
    for (const auto& entry : std::filesystem::directory_iterator(directory, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

#endif

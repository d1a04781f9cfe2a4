#include "cli/PathNames.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "panekit/File.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#endif

#ifdef _WIN32

// The narrow (ANSI) functions, since list files hold names in the system's
// code page as the editor's dialogs deliver them.
std::string FullPathName(const std::string& path) {
    if (path.empty()) return std::string();
    char buffer[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectory(const std::string& path, std::string* reason) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    char text[256];
    CFile::DescribeError(static_cast<int>(GetLastError()), text, sizeof text);
    *reason = text;
    return false;
}

void RemoveEmptyDirectory(const std::string& path) { RemoveDirectoryA(path.c_str()); }

#else

std::string FullPathName(const std::string& path) {
    if (path.empty()) return std::string();
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error) return std::string();
    return full.lexically_normal().string();
}

bool PathExists(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool MakeDirectory(const std::string& path, std::string* reason) {
    if (mkdir(path.c_str(), 0777) == 0) return true;
    *reason = std::strerror(errno);
    return false;
}

void RemoveEmptyDirectory(const std::string& path) { rmdir(path.c_str()); }

#endif

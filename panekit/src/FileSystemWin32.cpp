// Windows implementation of the stream operations: the kernel's file and heap
// functions and the common file dialogs.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "panekit/src/FileSystem.h"

namespace panekit {
namespace os {

namespace {

struct ModeFlags {
    DWORD access;
    DWORD creation;
};

ModeFlags modeFlags(int mode) {
    switch (mode) {
    case 0: return {GENERIC_WRITE, CREATE_ALWAYS};
    case 1: return {GENERIC_READ, OPEN_EXISTING};
    case 2: return {GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING};
    default: return {static_cast<DWORD>(mode), static_cast<DWORD>(mode)};
    }
}

PanekitFileHandle handleOrNull(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

}  // namespace

PanekitFileHandle openFile(const char* name, int mode) {
    ModeFlags flags = modeFlags(mode);
    return handleOrNull(CreateFileA(name, flags.access, 0, nullptr, flags.creation, 0, nullptr));
}

PanekitFileHandle createTemporaryFile(const char* prefix, unsigned int unique, char* name,
                                      unsigned long capacity) {
    char directory[MAX_PATH + 1];
    DWORD length = GetTempPathA(sizeof directory - 1, directory);
    if (length == 0 || length >= sizeof directory - 1 || capacity < MAX_PATH) return nullptr;
    if (!GetTempFileNameA(directory, prefix, unique, name)) return nullptr;
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (unique != 0) {
        // With a number of its own the name is not checked for uniqueness:
        // never take over a file that another program left under that name.
        handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
            // Let the system pick a free number instead; it creates the file.
            if (!GetTempFileNameA(directory, prefix, 0, name)) return nullptr;
        } else {
            return handleOrNull(handle);
        }
    }
    return handleOrNull(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr));
}

void closeFile(PanekitFileHandle handle) { CloseHandle(handle); }

bool readFile(PanekitFileHandle handle, void* buffer, unsigned long count, unsigned long* done) {
    DWORD moved = 0;
    BOOL ok = ::ReadFile(handle, buffer, count, &moved, nullptr);
    *done = moved;
    return ok != FALSE;
}

bool writeFile(PanekitFileHandle handle, const void* buffer, unsigned long count,
               unsigned long* done) {
    DWORD moved = 0;
    BOOL ok = ::WriteFile(handle, buffer, count, &moved, nullptr);
    *done = moved;
    return ok != FALSE;
}

bool seekFile(PanekitFileHandle handle, unsigned long position) {
    LONG high = 0;
    DWORD result = SetFilePointer(handle, static_cast<LONG>(position), &high, FILE_BEGIN);
    return !(result == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

bool fileSize(PanekitFileHandle handle, unsigned long* size) {
    DWORD low = GetFileSize(handle, nullptr);
    if (low == INVALID_FILE_SIZE) return false;
    *size = low;
    return true;
}

bool deleteFile(const char* name) { return DeleteFileA(name) != FALSE; }

bool listDirectory(const char* directory, bool (*visit)(const char* name, void* context), void* context) {
    const std::string pattern = std::string(directory) + "\\*";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!visit(found.cFileName, context)) break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

bool replaceFile(const char* source, const char* target) {
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool syncFileData(PanekitFileHandle handle) { return FlushFileBuffers(handle) != FALSE; }

// Windows has no call that starts write-back without waiting for it.
void startFileDataSync(PanekitFileHandle) {}

// The narrow (ANSI) functions, as for every name: lists hold names in the
// system's code page, as the editor's dialogs deliver them.
unsigned long fullPath(const char* name, char* buffer, unsigned long capacity) {
    if (!*name) return 0;
    const DWORD length = GetFullPathNameA(name, capacity, buffer, nullptr);
    // Too long for the buffer, the length asked for counts the NUL too.
    return length != 0 && length >= capacity ? length - 1 : length;
}

bool pathExists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

bool isDirectory(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeDirectory(const char* name) { return CreateDirectoryA(name, nullptr) != FALSE; }

bool removeEmptyDirectory(const char* name) { return RemoveDirectoryA(name) != FALSE; }

int inspectTarget(const char* name, char* resolved, unsigned long capacity) {
    const std::size_t length = std::strlen(name);
    if (length >= capacity) return -1;
    std::memcpy(resolved, name, length + 1);
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return TargetDirectory;
    // Devices (NUL, CON, COM1) and pipes open like files but are no disk files.
    HANDLE probe = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return attributes == INVALID_FILE_ATTRIBUTES ? TargetMissing : TargetRegular;
    const DWORD type = GetFileType(probe);
    CloseHandle(probe);
    return type == FILE_TYPE_DISK ? TargetRegular : TargetOther;
}

// A file moved over another keeps the security of its own folder, as every
// file the editor saves does; there are no mode bits to carry over.
bool copyPermissions(PanekitFileHandle, const char*) { return true; }

PanekitFileHandle openStandardStream(int which) {
    HANDLE own = nullptr;
    HANDLE stream = GetStdHandle(which == 0 ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE);
    if (stream == nullptr || stream == INVALID_HANDLE_VALUE ||
        !DuplicateHandle(GetCurrentProcess(), stream, GetCurrentProcess(), &own, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return nullptr;
    return own;
}

int lastError() { return static_cast<int>(GetLastError()); }

void describeError(int code, char* buffer, unsigned long capacity) {
    if (capacity == 0) return;
    buffer[0] = '\0';
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(code), 0, buffer, capacity, nullptr);
    // The system's text ends with a full stop and a line end.
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == '.' ||
                          buffer[length - 1] == ' '))
        buffer[--length] = '\0';
    if (length == 0) std::snprintf(buffer, capacity, "system error %d", code);
}

// The console's Ctrl+C ends the process without a signal to catch here.
bool removeIfInterrupted(const char*) { return true; }
void keepIfInterrupted(const char*) {}

int showFileDialog(HWND owner, char* buffer, unsigned long capacity, int mode, const char* filter,
                   const char* defaultExtension) {
    char chosen[1024];
    chosen[0] = '\0';
    OPENFILENAMEA dialog;
    std::memset(&dialog, 0, sizeof dialog);
    // The record in its original form, without the fields added for later
    // versions of the dialog (76 bytes in a 32-bit program).
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof chosen;
    dialog.lpstrDefExt = defaultExtension;
    BOOL confirmed;
    if (mode == 0) {
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
        confirmed = GetSaveFileNameA(&dialog);
    } else {
        dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON;
        confirmed = GetOpenFileNameA(&dialog);
    }
    if (!confirmed || std::strlen(chosen) >= capacity) return 0;
    std::memcpy(buffer, chosen, std::strlen(chosen) + 1);
    return 1;
}

void* heapAllocate(unsigned long bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }

void heapRelease(void* block) { HeapFree(GetProcessHeap(), 0, block); }

void debugOutput(const char* text) { OutputDebugStringA(text); }

}  // namespace os
}  // namespace panekit

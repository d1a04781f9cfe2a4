#include "editor/document/RecoveryKeeping.h"

#include <shlobj.h>

#include <cstring>
#include <ctime>

#include "editor/app/EditorState.h"
#include "editor/app/Refresh.h"

namespace {

std::string folderChosen;

std::uint64_t Ticks(const FILETIME& time) {
    return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

bool ProcessStart(HANDLE process, std::uint64_t& started) {
    FILETIME creation, exit, kernel, user;
    if (!GetProcessTimes(process, &creation, &exit, &kernel, &user)) return false;
    started = Ticks(creation);
    return true;
}

// FNV-1a over what a copy holds, so that a copy is written only after a change.
std::uint64_t Checksum(const LedPattern& pattern) {
    std::uint64_t sum = 14695981039346656037ull;
    auto add = [&sum](const void* bytes, std::size_t count) {
        const unsigned char* byte = static_cast<const unsigned char*>(bytes);
        for (std::size_t i = 0; i < count; ++i) sum = (sum ^ byte[i]) * 1099511628211ull;
    };
    add(&pattern.header, LedFileHeader::Size);
    if (pattern.frames) add(pattern.frames.get(), pattern.FrameSize() * pattern.frameCount);
    if (pattern.fileName) add(pattern.fileName.get(), std::strlen(pattern.fileName.get()));
    return sum;
}

void NoteWriteFailure(EditorState& state, bool failed) {
    if (state.recovery.failed == failed) return;
    state.recovery.failed = failed;
    Refresh(state, RefreshPart::StatusBar);
}

}  // namespace

std::string RecoveryFolder() {
    if (!folderChosen.empty()) return folderChosen;
    char local[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local))) return "";
    return RecoveryPath(RecoveryPath(local, "Lumigrid"), "Recovery");
}

void UseRecoveryFolder(const std::string& folder) { folderChosen = folder; }

RecoveryOwner ThisEditor() {
    RecoveryOwner owner = {GetCurrentProcessId(), 0};
    ProcessStart(GetCurrentProcess(), owner.started);
    return owner;
}

bool EditorRunning(const RecoveryOwner& owner) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner.processId);
    // A process that may not be looked at is running; its file is left alone.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    std::uint64_t started = 0;
    DWORD exitCode = 0;
    const bool running = ProcessStart(process, started) && started == owner.started &&
                         GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

void StartKeepingWork(EditorState& state) {
    const std::string folder = RecoveryFolder();
    if (!folder.empty()) state.recovery.path = RecoveryPath(folder, RecoveryFileName(ThisEditor()));
    SetTimer(state.windows.mainWindow, RecoveryTimer, RecoveryInterval, nullptr);
}

void OnRecoveryTimer(EditorState& state) {
    if (!state.pattern || !state.pattern->modified || state.recovery.path.empty()) return;
    if (state.recovery.written && Checksum(*state.pattern) == state.recovery.writtenChecksum) return;
    KeepWorkNow(state);
}

bool KeepWorkNow(EditorState& state) {
    RecoveryKeepingState& recovery = state.recovery;
    if (recovery.path.empty() || !state.pattern) return false;
    const LedPattern& pattern = *state.pattern;
    const RecoveryRecord record = {ThisEditor(), static_cast<std::int64_t>(std::time(nullptr)),
                                   pattern.fileName ? pattern.fileName.get() : ""};
    const bool written = MakeRecoveryFolder(RecoveryFolder()) &&
                         WriteRecoveryFile(recovery.path.c_str(), pattern, record);
    if (written) {
        recovery.written = true;
        recovery.writtenChecksum = Checksum(pattern);
    }
    NoteWriteFailure(state, !written);
    return written;
}

void RemoveRecoveryFile(EditorState& state) {
    RecoveryKeepingState& recovery = state.recovery;
    if (recovery.written) DeleteRecoveryFile(recovery.path);
    recovery.written = false;
    recovery.writtenChecksum = 0;
    NoteWriteFailure(state, false);
}

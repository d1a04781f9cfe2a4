// Recovery files: the editor's copy of a pattern with unsaved changes, kept
// in a folder of its own so that a crash or a power cut costs at most the
// last moments of work.
//
// One file per running editor, named after the editor's process: its id and
// the time it started ("lumigrid-1f4-01d9a2c3b4e5f607.recovery"), so that
// an editor tells its own file from those of editors still running and of
// editors that ended without removing theirs, even where ids are reused.
//
// The file: a record, then the pattern exactly as its .led file holds it.
//   8 bytes  "LGRECOV1"
//   4 bytes  process id            (little-endian)
//   8 bytes  the process's start   (little-endian, as the platform counts it)
//   8 bytes  when it was written   (seconds since 1970, little-endian)
//   2 bytes  length of the pattern's file name, then its bytes (0: unnamed)
// It is written through ReplacementFile, so a crash while writing leaves the
// previous copy whole.
#ifndef LUMIGRID_PATTERN_RECOVERYFILE_H
#define LUMIGRID_PATTERN_RECOVERYFILE_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "pattern/document/LedFile.h"

// The editor a recovery file belongs to.
struct RecoveryOwner {
    std::uint32_t processId;
    std::uint64_t started;
    bool operator==(const RecoveryOwner& other) const {
        return processId == other.processId && started == other.started;
    }
};

struct RecoveryRecord {
    RecoveryOwner owner;
    std::int64_t writtenAt;        // seconds since 1970
    std::string patternFileName;   // empty for an unnamed pattern
};

// The file name (without folder) of an editor's recovery file.
std::string RecoveryFileName(const RecoveryOwner& owner);
// Whether name is a recovery file's name, and whose.
bool ParseRecoveryFileName(const std::string& name, RecoveryOwner& owner);
// The folder and a file name joined with the platform's separator.
std::string RecoveryPath(const std::string& folder, const std::string& name);

// Writes the record and the pattern to path through a ReplacementFile; the
// pattern itself is not changed (it stays modified and keeps its name).
bool WriteRecoveryFile(const char* path, const LedPattern& pattern, const RecoveryRecord& record);

struct RecoveryLoadResult {
    bool recordRead;               // false: not a recovery file, or damaged in its record
    RecoveryRecord record;
    // The pattern as the editor had it: modified, with the file name it had
    // (none for an unnamed one). Damage in it is told as for a .led file.
    PatternLoadResult loaded;
};
RecoveryLoadResult ReadRecoveryFile(const char* path);
// The record alone.
bool ReadRecoveryRecord(const char* path, RecoveryRecord& record);

// Makes the folder of recovery files and the one that holds it where they
// are missing; true when it is there.
bool MakeRecoveryFolder(const std::string& folder);
// Deletes a recovery file; true when it is gone.
bool DeleteRecoveryFile(const std::string& path);

// A recovery file left by an editor that is no longer running.
struct LeftoverRecovery {
    std::string path;
    bool recordRead;
    RecoveryRecord record;
};
// The recovery files in folder whose editors are not running (running says
// whether one is), newest first; files whose record cannot be read come last.
std::vector<LeftoverRecovery> FindLeftoverRecoveries(const std::string& folder,
                                                      const std::function<bool(const RecoveryOwner&)>& running);

#endif

// ReplacementFile: a new file written beside its target, which takes the
// target's place only once every byte is written. Until then, and after any
// failure, the target stays exactly as it was and the new file is deleted.
//
// The new file gets a unique name in the target's directory, so that putting
// it in place is a rename on one file system (CFile::ReplaceTarget).
// Writes are gathered in a fixed buffer and handed to CFile in large pieces.
#ifndef LUMIGRID_PATTERN_REPLACEMENTFILE_H
#define LUMIGRID_PATTERN_REPLACEMENTFILE_H

#include <cstddef>
#include <memory>
#include <string>

#include "panekit/File.h"

class ReplacementFile {
public:
    ReplacementFile();
    // An uncommitted file is discarded.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the new file beside target. False when none could be created.
    bool Create(const char* target);
    // False once any write has failed; later writes are ignored.
    bool Write(const void* bytes, std::size_t count);
    // Room for count bytes (at most 4 KiB) to be filled in place and then
    // added with Advance; null once a write has failed.
    char* Reserve(std::size_t count) {
        if (created_ && !failed_ && BufferSize - buffered_ >= count) return buffer_.get() + buffered_;
        return ReserveAfterFlush(count);
    }
    void Advance(std::size_t count) { buffered_ += count; }
    // Writes what is pending and puts the file in the target's place. On any
    // failure the new file is deleted and the target left alone.
    bool Commit();
    // Deletes the new file; the target is left alone.
    void Discard();

    bool IsCreated() const { return created_; }
    bool HasFailed() const { return failed_; }
    // True when the failure was in putting the file in place rather than in
    // writing it.
    bool FailedToReplace() const { return replaceFailed_; }

private:
    enum { BufferSize = 64 * 1024 };

    bool FlushBuffer();
    char* ReserveAfterFlush(std::size_t count);

    CFile file_;
    std::string target_;
    std::string sibling_;
    std::unique_ptr<char[]> buffer_;
    std::size_t buffered_;
    bool created_;
    bool failed_;
    bool replaceFailed_;
};

#endif

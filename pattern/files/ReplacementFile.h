// ReplacementFile: a new file written beside its target, which takes the
// target's place only once every byte is written. Until then, and after any
// failure, the target stays exactly as it was and the new file is deleted.
//
// The new file gets a unique name in the target's directory, so that putting
// it in place is a rename on one file system (CFile::ReplaceTarget). Its data
// reach the disk before it takes the target's name, so that after a crash
// the target is the old file or the whole new one.
//
// Only a regular file (or a missing one) is replaced so. A symbolic link is
// followed and the file it leads to replaced, so the link stays; the new
// file takes the old one's permissions (and owner and group where the
// process may) before any byte is written. Anything else, such as a device,
// a FIFO or a terminal, cannot be replaced: it is written directly, and a
// failure is still reported. The target "-" is the standard output, written
// directly too. While the new file exists it is removed if the process is
// interrupted (CFile::RemoveIfInterrupted).
//
// Writes are gathered in a buffer and handed to CFile in whole pieces of
// WritePiece bytes (the rest at Commit), so that every write starts and ends
// on a page of the file, which the system can take in large blocks (on
// ext4, writes that did not cost the kernel three times the copying).
// Every SyncStep bytes written are sent on to the disk at once, while the
// next ones are formatted, so that little is left to wait for at Commit.
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

    // The target that stands for the standard output.
    static const char StandardOutputName[];

    // Creates the new file beside target, or opens target to be written
    // directly. False when neither could be done; CFile::LastErrorCode then
    // tells why.
    bool Create(const char* target);
    // False once any write has failed; later writes are ignored.
    bool Write(const void* bytes, std::size_t count);
    // Room for count bytes (at most the buffer's size) to be filled in place and then
    // added with Advance; null once a write has failed.
    char* Reserve(std::size_t count) {
        if (created_ && !failed_ && BufferSize - buffered_ >= count) return buffer_.get() + buffered_;
        return ReserveAfterFlush(count);
    }
    void Advance(std::size_t count) { buffered_ += count; }
    // Bytes that Reserve gives now without writing the buffer out.
    std::size_t Room() const { return BufferSize - buffered_; }
    // Writes what is pending and puts the file in the target's place. On any
    // failure the new file is deleted and the target left alone.
    bool Commit();
    // Deletes the new file; the target is left alone.
    void Discard();

    bool IsCreated() const { return created_; }
    // Whether the target is written directly (standard output, a device...).
    bool WritesDirectly() const { return direct_; }
    bool HasFailed() const { return failed_; }
    // True when the failure was in putting the file in place rather than in
    // writing it.
    bool FailedToReplace() const { return replaceFailed_; }

private:
    // A buffer that stays in the processor's cache, with room after a whole
    // piece for what a Reserve would not fit; the disk gets larger pieces.
    enum { WritePiece = 64 * 1024, BufferSize = WritePiece + 4096, SyncStep = 1024 * 1024 };

    // Writes what is buffered; unless whole, only the first WritePiece
    // bytes when there are that many, keeping the rest.
    bool FlushBuffer(bool whole);
    char* ReserveAfterFlush(std::size_t count);
    bool CreateSibling(const std::string& resolved, bool replacesFile);

    CFile file_;
    std::string target_;     // where the file goes, links followed
    std::string sibling_;
    std::unique_ptr<char[]> buffer_;
    std::size_t buffered_;
    std::size_t unsynced_;   // bytes written since the last StartDataSync
    bool created_;
    bool direct_;
    bool failed_;
    bool replaceFailed_;
};

#endif

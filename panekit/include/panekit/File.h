// CFile: a byte stream over one file, with the platform's open and save
// dialogs and self-deleting temporary files.
//
// Modes (both Open forms, Reopen and ShowDialog):
//   0  save dialog;  write only, a new file or an existing one emptied
//   1  open dialog;  read only, an existing file
//   2  open dialog;  read and write, an existing file
//   any other value: open dialog; on Windows the value is passed as both the
//      access mask and the creation disposition, and the POSIX backend reads
//      it the same way.
// Every open is exclusive: while one CFile holds a file, no other open of it
// succeeds (share mode 0 on Windows, an advisory lock elsewhere).
//
// After any failed open, read or write, m_Filename is empty: callers test the
// name, not the result, to learn whether they hold a file.
//
// Copies refer to the same open handle. The handle is shared between them and
// closed for real only when the last copy that holds it lets it go, so a
// handle is never closed twice, whichever copy is closed or destroyed first.
// While another copy still holds a temporary file open, Close leaves the file
// in place; the last holder's Close deletes it.
//
// Names longer than 1023 characters are refused (result 0, empty name).
#ifndef PANEKIT_FILE_H
#define PANEKIT_FILE_H

#include "panekit/Access.h"

class PANEKIT_API CFile : public CAccess {
public:
    enum { FilenameCapacity = 1024 };

    char m_Filename[FilenameCapacity];
    PanekitFileHandle m_Handle;
    unsigned int m_OffsetPosition;
    const char* m_Filter;
    int m_Temporary;
    const char* m_DefExt;

    explicit CFile(const char* filter);
    CFile(const CFile& other);
    CFile& operator=(const CFile& other);
    ~CFile();

    // 1 when the user confirmed (the full path is then in buffer, which holds
    // FilenameCapacity bytes), 0 when cancelled or failed.
    int ShowDialog(HWND owner, char* buffer, int mode);
    // 1 opened, 0 chosen but not opened (name now empty), -1 cancelled
    // (object unchanged).
    int Open(HWND owner, int mode);
    // 1 opened, 0 null name, name too long, or open failed (name now empty).
    int Open(const char* name, int mode);
    int Reopen(int mode);
    int OpenAsTemporary(const char* prefix);
    void Close();
    unsigned long GetFilesize();
    char* GetFilename();
    int IsOpened();
    void SetDefExt(const char* extension);

    // Replaces the file named target by this object's file, which must be
    // closed (Named state) and is then renamed; afterwards the object names
    // target. Used to write a document beside its target and put it in place
    // only once every byte is written (and made durable with SyncData, so
    // that after a crash the target is the old file or the whole new one).
    // 1 on success; 0 when the move failed, in which case both files are as
    // they were and the name is unchanged.
    int ReplaceTarget(const char* target);
    // Makes the bytes written to the open file durable, with what reading
    // them back needs (its size), but not its other metadata. 1 on success;
    // 0 when the file is not open or the disk failed (the file stays open).
    int SyncData();
    // Starts putting the bytes written so far on the disk, without waiting,
    // so that a later SyncData has less left to wait for. A hint: 1 also
    // where the platform has no such operation, 0 when the file is not open.
    int StartDataSync();
    // Deletes the named file, which must be closed. 1 on success, 0 otherwise.
    // The name is kept.
    int Delete();

    // Calls visit with the name (without the directory) of every regular
    // file in directory, in no particular order, until visit returns 0.
    // 1 when the directory could be read.
    static int ListDirectory(const char* directory, int (*visit)(const char* name, void* context), void* context);

    // What a document written to name would replace: 0 nothing yet, 1 a
    // regular file, 2 something that is not one (a device, a FIFO, a
    // terminal), 3 a directory; -1 when its links cannot be followed. The
    // path it leads to, every symbolic link followed, goes into resolved
    // (FilenameCapacity bytes).
    static int InspectTarget(const char* name, char* resolved);
    // Operations on names, for callers that keep files by name (a display
    // list holds full paths) or make folders for what they write.
    // The absolute form of name, "." and ".." taken out and links kept as
    // they are named, into buffer (capacity bytes). Its length without the
    // NUL; when that is capacity or more, buffer holds nothing and a larger
    // one is needed. 0 when there is none (an empty name, or no current
    // directory to resolve it against).
    static unsigned long GetFullPath(const char* name, char* buffer, unsigned long capacity);
    // 1 when something of that name exists (a link that leads nowhere too).
    static int Exists(const char* name);
    // 1 when name leads to a directory, links followed.
    static int IsDirectory(const char* name);
    // Makes the directory name, whose parent must exist. 1 on success; 0 with
    // the reason in LastErrorCode.
    static int MakeDirectory(const char* name);
    // Removes the directory name if it is empty. 1 when it was removed.
    static int RemoveEmptyDirectory(const char* name);
    // Opens the process's standard input (mode 1) or standard output
    // (mode 0) as this stream, named "-". Close lets go of this stream's own
    // handle; the process's stream stays open. 1 on success.
    int OpenStandardStream(int mode);
    // Gives this open file the permissions of the file named like: its mode
    // bits, and its owner and group as far as the process may change them
    // (POSIX; on Windows the file keeps its folder's). 1 on success.
    int CopyPermissionsFrom(const char* like);
    // The system's code for why the last failed open, read, write, sync,
    // replace, delete or MakeDirectory in this process failed, and its text
    // ("No space left on device") into buffer.
    static int LastErrorCode();
    static void DescribeError(int code, char* buffer, unsigned long capacity);
    // While registered, the named file is removed if the process is ended
    // by SIGINT, SIGTERM or SIGHUP, which the process then dies of (POSIX,
    // where no other handler is set). 1 when registered.
    static int RemoveIfInterrupted(const char* name);
    static void KeepIfInterrupted(const char* name);

    virtual unsigned long GetOffsetPosition();
    virtual int SetPos(unsigned long position);
    virtual unsigned long Read(void* buffer, unsigned long count);
    virtual unsigned long Write(void* buffer, unsigned long count);
    virtual unsigned long GetSize();

private:
    struct HandleShare;
    HandleShare* m_Share;

    void AdoptHandle(PanekitFileHandle handle);
    void ReleaseHandle();
    void ForgetFile();
};

#endif

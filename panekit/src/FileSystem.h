// The operating-system calls behind CFile and CMemory. One implementation
// per platform (FileSystemWin32.cpp, FileSystemPosix.cpp); the streams
// themselves are written once, over these.
#ifndef PANEKIT_FILESYSTEM_H
#define PANEKIT_FILESYSTEM_H

#include "panekit/Platform.h"

namespace panekit {
namespace os {

// Opens name as CFile's mode table says. Returns 0 on failure.
PanekitFileHandle openFile(const char* name, int mode);
// Creates and opens a new temporary file for reading and writing, its name
// formed from directory, prefix and unique and written to name (capacity
// bytes). Returns 0 on failure.
PanekitFileHandle createTemporaryFile(const char* prefix, unsigned int unique, char* name,
                                      unsigned long capacity);
void closeFile(PanekitFileHandle handle);
bool readFile(PanekitFileHandle handle, void* buffer, unsigned long count, unsigned long* done);
bool writeFile(PanekitFileHandle handle, const void* buffer, unsigned long count,
               unsigned long* done);
// Moves the file pointer to position bytes from the beginning.
bool seekFile(PanekitFileHandle handle, unsigned long position);
// The low 32 bits of the file's size.
bool fileSize(PanekitFileHandle handle, unsigned long* size);
bool deleteFile(const char* name);
// Calls visit with the name (without its directory) of every regular file
// in directory, until visit returns false. False when the directory cannot
// be read.
bool listDirectory(const char* directory, bool (*visit)(const char* name, void* context), void* context);
// Renames source over target in one step.
bool replaceFile(const char* source, const char* target);
// Waits until the file's data and size are on the disk.
bool syncFileData(PanekitFileHandle handle);
// Starts writing the file's data to the disk; does not wait.
void startFileDataSync(PanekitFileHandle handle);

// The absolute form of name, "." and ".." taken out and links kept as they
// are named, into buffer when it fits (capacity bytes with its NUL). Its
// length without the NUL, capacity or more when it did not fit; 0 when there
// is none (an empty name, no current directory to resolve it against).
unsigned long fullPath(const char* name, char* buffer, unsigned long capacity);
// Whether something of that name exists, a link that leads nowhere too.
bool pathExists(const char* name);
// Whether name leads to a directory, links followed.
bool isDirectory(const char* name);
// Makes the directory name, whose parent must exist.
bool makeDirectory(const char* name);
// Removes the directory name if it is empty.
bool removeEmptyDirectory(const char* name);

// What a document written to a name would replace, links followed.
enum TargetKind { TargetMissing = 0, TargetRegular = 1, TargetOther = 2, TargetDirectory = 3 };
// The kind of file that name leads to; the path of that file, after every
// symbolic link on the way, into resolved (capacity bytes). -1 when the
// links cannot be followed (a loop, or a path too long).
int inspectTarget(const char* name, char* resolved, unsigned long capacity);
// Gives the open file the permission bits of the file named like, and its
// owner and group where the process may. False when like cannot be read or
// the bits cannot be set.
bool copyPermissions(PanekitFileHandle handle, const char* like);
// A handle of its own on standard input (which 0) or standard output (1).
PanekitFileHandle openStandardStream(int which);
// The system's code for why the last failed call failed, and its text.
int lastError();
void describeError(int code, char* buffer, unsigned long capacity);
// Names removed if the process is ended by an interrupting signal (SIGINT,
// SIGTERM, SIGHUP) before they are let go; no effect where there are none.
bool removeIfInterrupted(const char* name);
void keepIfInterrupted(const char* name);

// 1 when the user chose a file (its full path is in buffer), 0 otherwise.
int showFileDialog(HWND owner, char* buffer, unsigned long capacity, int mode, const char* filter,
                   const char* defaultExtension);

void* heapAllocate(unsigned long bytes);
void heapRelease(void* block);
void debugOutput(const char* text);

}  // namespace os
}  // namespace panekit

#endif

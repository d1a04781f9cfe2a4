// File names as the editor stores them in a display list: full paths, the
// way its file dialogs hand them over.
#ifndef LUMIGRID_CLI_PATHNAMES_H
#define LUMIGRID_CLI_PATHNAMES_H

#include <string>

// The absolute form of path, with "." and ".." taken out and links kept as
// they are named. Empty when there is none (an empty path, or no current
// directory to resolve it against).
std::string FullPathName(const std::string& path);

// Whether something of that name exists, readable or not.
bool PathExists(const std::string& path);

// Whether path names a directory (links followed).
bool IsDirectory(const std::string& path);
// Makes the directory path, whose parent must exist. False when it cannot,
// with the system's reason.
bool MakeDirectory(const std::string& path, std::string* reason);
// Removes the directory path if it is empty.
void RemoveEmptyDirectory(const std::string& path);

#endif

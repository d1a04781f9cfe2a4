// OutputFolder: the folder a command writes its files into (decode --extract
// and --render). It is made if it does not exist, and files already in it
// are kept unless the user forces them out; when a later step fails, the
// files the run wrote go again, and the folder too if the run made it, so
// that a failed run leaves nothing of its own behind.
#ifndef LUMIGRID_CLI_OUTPUTFOLDER_H
#define LUMIGRID_CLI_OUTPUTFOLDER_H

#include <string>
#include <vector>

class OutputFolder {
public:
    // Makes the folder if it is missing and refuses the files already in it,
    // unless forced. Empty when all is well, else the problem.
    std::string Prepare(const std::string& folder, const std::vector<std::string>& files, bool force);
    // The run has written path; one that existed before the run stays when
    // the run fails.
    void Written(const std::string& path, bool existedBefore);
    // Removes the files the run made, and the folder if it made it.
    void RemoveWritten();

private:
    std::vector<std::string> made_;
    std::string madeFolder_;
};

// The path of name in folder.
std::string InDirectory(const std::string& folder, const std::string& name);

// Removes a file; false when it cannot.
bool RemoveFile(const std::string& path);

#endif

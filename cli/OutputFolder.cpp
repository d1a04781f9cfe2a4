#include "cli/OutputFolder.h"

#include "cli/CommandContext.h"
#include "panekit/File.h"

std::string OutputFolder::Prepare(const std::string& folder, const std::vector<std::string>& files, bool force) {
    if (CFile::Exists(folder.c_str())) {
        if (!CFile::IsDirectory(folder.c_str())) return QuotedName(folder) + " is not a directory";
    } else if (!CFile::MakeDirectory(folder.c_str())) {
        return "cannot make the directory " + QuotedName(folder) + ": " + SystemReason();
    } else {
        madeFolder_ = folder;
    }
    if (force) return std::string();
    for (const std::string& path : files)
        if (CFile::Exists(path.c_str())) return QuotedName(path) + " exists; --force replaces it";
    return std::string();
}

void OutputFolder::Written(const std::string& path, bool existedBefore) {
    if (!existedBefore) made_.push_back(path);
}

void OutputFolder::RemoveWritten() {
    for (const std::string& path : made_) RemoveFile(path);
    made_.clear();
    if (!madeFolder_.empty()) CFile::RemoveEmptyDirectory(madeFolder_.c_str());
    madeFolder_.clear();
}

std::string InDirectory(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder + name;
    return folder + "/" + name;
}

bool RemoveFile(const std::string& path) {
    CFile file(nullptr);
    if (file.Open(path.c_str(), 1) != 1) return false;
    file.Close();
    return file.Delete() == 1;
}

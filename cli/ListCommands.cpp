#include "ListCommands.h"

#include <algorithm>

#include "Cli.h"
#include "CommandLine.h"
#include "DisplayList.h"
#include "LedFile.h"
#include "PathNames.h"

namespace {

std::string LostTextProblem() {
    return " holds text that is not a list entry (a line over " + std::to_string(DisplayList::MaxLineLength) +
           " bytes, a NUL byte, or text after the last line end)";
}

class ListFile {
public:
    explicit ListFile(const std::string& path) : path_(path) {}

    // Reads the entries; false with a problem when the file cannot be read
    // whole. lossy tells whether reading dropped any text.
    bool Read(std::string* problem, bool* lossy) {
        if (!list_.SelectFile(path_.c_str(), false)) {
            *problem = "cannot read list file " + QuotedName(path_);
            return false;
        }
        for (const DisplayListEntry* entry = list_.first; entry; entry = entry->next)
            entries_.push_back(entry->text.get());
        *lossy = list_.LeftTextOut();
        return true;
    }

    // Rewrites the list file with the entries; creates it when create is set.
    // False when nothing was written; a file created here is removed again.
    bool Write(bool create) {
        if (create && !list_.SelectFile(path_.c_str(), true)) return false;
        list_.Clear();
        bool added = true;
        for (const std::string& entry : entries_) added = list_.Add(entry.c_str(), false) && added;
        if (added && list_.Save()) return true;
        if (create) {
            CFile made(nullptr);
            if (made.Open(path_.c_str(), 1) == 1) {
                made.Close();
                made.Delete();
            }
        }
        return false;
    }

    std::vector<std::string>& Entries() { return entries_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    DisplayList list_;
    std::vector<std::string> entries_;
};

std::string EntriesText(std::size_t count) { return std::to_string(count) + (count == 1 ? " entry" : " entries"); }

// The list named path, read for an edit: a missing file is an empty list when
// mayCreate. Returns a status other than success when it cannot be edited.
int OpenForEdit(ListFile& list, bool mayCreate, bool* create, std::ostream& err) {
    *create = !PathExists(list.Path());
    if (*create) {
        if (mayCreate) return CliSuccess;
        return PrintFailure(err, "cannot read list file " + QuotedName(list.Path()));
    }
    std::string problem;
    bool lossy = false;
    if (!list.Read(&problem, &lossy)) return PrintFailure(err, problem);
    if (lossy) return PrintFailure(err, QuotedName(list.Path()) + LostTextProblem() + "; not changed, to keep it");
    return CliSuccess;
}

int SaveEdit(ListFile& list, bool create, std::ostream& err) {
    if (!list.Write(create)) return PrintFailure(err, "cannot write list file " + QuotedName(list.Path()));
    return CliSuccess;
}

// The full path of a pattern file for a list line, or a problem.
bool PatternEntry(const std::string& path, std::string* entry, std::string* problem) {
    PatternLoadResult loaded = ReadPatternFile(path.c_str());
    if (!loaded.pattern) {
        *problem = "cannot add " + QuotedName(path) + ": " + DescribePatternLoadStatus(loaded.status);
        return false;
    }
    *entry = FullPathName(path);
    if (entry->empty()) {
        *problem = "cannot add " + QuotedName(path) + ": its full path cannot be found";
        return false;
    }
    // A line break would split the name into lines that name other files.
    if (entry->find_first_of("\r\n") != std::string::npos) {
        *problem = "cannot add " + QuotedName(path) + ": a list line cannot hold a name with a line break";
        return false;
    }
    if (entry->size() > DisplayList::MaxLineLength) {
        *problem = "cannot add " + QuotedName(path) + ": its full path is longer than " +
                   std::to_string(DisplayList::MaxLineLength) + " bytes";
        return false;
    }
    return true;
}

// Arguments of add and reset: the list, the other names, and --at.
struct InsertArguments {
    std::string list;
    std::vector<std::string> names;
    bool haveAt = false;
    unsigned long at = 0;
};

int ParseInsert(const char* command, const std::vector<std::string>& args, InsertArguments* parsed, std::ostream& err) {
    const std::string name = std::string("list ") + command;
    bool haveList = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (MatchesOption(arg, "--at")) {
            std::string text;
            if (!TakeOptionValue(args, i, "--at", &text) || !ParseDecimal(text, 0xFFFFFFFFul, &parsed->at))
                return PrintUsageError(err, name + ": --at takes an entry index from 0");
            parsed->haveAt = true;
        } else if (IsOptionLike(arg)) {
            return PrintUsageError(err, name + ": unknown option " + QuotedName(arg));
        } else if (arg.empty()) {
            return PrintUsageError(err, name + ": an empty file name");
        } else if (!haveList) {
            parsed->list = arg;
            haveList = true;
        } else {
            parsed->names.push_back(arg);
        }
    }
    if (!haveList) return PrintUsageError(err, name + ": no list file given");
    return CliSuccess;
}

int Insert(ListFile& list, const InsertArguments& parsed, const std::vector<std::string>& added, bool create,
           std::ostream& err) {
    std::vector<std::string>& entries = list.Entries();
    std::size_t at = entries.size();
    if (parsed.haveAt) {
        if (parsed.at > entries.size())
            return PrintFailure(err, "--at " + std::to_string(parsed.at) + " is past the end of " +
                                         QuotedName(list.Path()) + " (" + EntriesText(entries.size()) +
                                         "; --at takes 0 to " + std::to_string(entries.size()) + ")");
        at = static_cast<std::size_t>(parsed.at);
    }
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    return SaveEdit(list, create, err);
}

int New(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || IsOptionLike(args[0]))
        return PrintUsageError(err, "list new: give one list file");
    const std::string& path = args[0];
    if (PathExists(path))
        return PrintFailure(err, QuotedName(path) + " already exists; list new makes only new lists");
    DisplayList list;
    if (!list.SelectFile(path.c_str(), true)) return PrintFailure(err, "cannot create list file " + QuotedName(path));
    return CliSuccess;
}

int Add(const std::vector<std::string>& args, std::ostream& err) {
    InsertArguments parsed;
    int status = ParseInsert("add", args, &parsed, err);
    if (status != CliSuccess) return status;
    if (parsed.names.empty()) return PrintUsageError(err, "list add: no pattern file given");
    std::vector<std::string> added;
    for (const std::string& path : parsed.names) {
        std::string entry, problem;
        if (!PatternEntry(path, &entry, &problem)) return PrintFailure(err, problem);
        added.push_back(entry);
    }
    ListFile list(parsed.list);
    bool create = false;
    status = OpenForEdit(list, true, &create, err);
    if (status != CliSuccess) return status;
    return Insert(list, parsed, added, create, err);
}

int Reset(const std::vector<std::string>& args, std::ostream& err) {
    InsertArguments parsed;
    int status = ParseInsert("reset", args, &parsed, err);
    if (status != CliSuccess) return status;
    if (!parsed.names.empty()) return PrintUsageError(err, "list reset: one list file only");
    ListFile list(parsed.list);
    bool create = false;
    status = OpenForEdit(list, true, &create, err);
    if (status != CliSuccess) return status;
    return Insert(list, parsed, std::vector<std::string>{ResetMark}, create, err);
}

int Remove(const std::vector<std::string>& args, std::ostream& err) {
    unsigned long index = 0;
    if (args.size() != 2 || args[0].empty() || IsOptionLike(args[0]))
        return PrintUsageError(err, "list remove: give the list file and the index of an entry");
    if (!ParseDecimal(args[1], 0xFFFFFFFFul, &index))
        return PrintUsageError(err, "list remove: " + QuotedName(args[1]) + " is not an entry index from 0");
    ListFile list(args[0]);
    bool create = false;
    int status = OpenForEdit(list, false, &create, err);
    if (status != CliSuccess) return status;
    std::vector<std::string>& entries = list.Entries();
    if (index >= entries.size())
        return PrintFailure(err, QuotedName(list.Path()) + " has no entry " + std::to_string(index) + " (" +
                                     EntriesText(entries.size()) +
                                     (entries.empty() ? ")" : "; 0 to " + std::to_string(entries.size() - 1) + ")"));
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return SaveEdit(list, false, err);
}

int Show(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || IsOptionLike(args[0]))
        return PrintUsageError(err, "list show: give one list file");
    ListFile list(args[0]);
    std::string problem;
    bool lossy = false;
    if (!list.Read(&problem, &lossy)) return PrintFailure(err, problem);
    std::string text;
    std::size_t index = 0;
    for (const std::string& entry : list.Entries()) text += std::to_string(index++) + ": " + entry + "\n";
    out << text;
    if (lossy) PrintNote(err, QuotedName(list.Path()) + LostTextProblem() + ", which the list leaves out");
    return CliSuccess;
}

}  // namespace

int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return PrintUsageError(err, "list: give new, add, reset, remove or show");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "new") return New(rest, err);
    if (command == "add") return Add(rest, err);
    if (command == "reset") return Reset(rest, err);
    if (command == "remove") return Remove(rest, err);
    if (command == "show") return Show(rest, out, err);
    return PrintUsageError(err, "list: unknown list command " + QuotedName(command) +
                                    " (new, add, reset, remove or show)");
}

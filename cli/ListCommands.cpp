#include "cli/ListCommands.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/OptionValues.h"
#include "cli/StandardInput.h"
#include "panekit/File.h"
#include "pattern/document/LedFile.h"
#include "pattern/list/DisplayList.h"

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
    *create = !CFile::Exists(list.Path().c_str());
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
    if (!list.Write(create)) return PrintFailure(err, "cannot write list file " + QuotedName(list.Path()) + ": " + SystemReason());
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

// Arguments of add and reset: the list, the patterns, and --at.
struct InsertArguments {
    std::string list;
    std::vector<std::string> names;
    bool haveAt = false;
    unsigned long at = 0;
};

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

int New(const std::string& path, std::ostream& err) {
    if (CFile::Exists(path.c_str()))
        return PrintFailure(err, QuotedName(path) + " already exists; list new makes only new lists");
    DisplayList list;
    if (!list.SelectFile(path.c_str(), true))
        return PrintFailure(err, "cannot create list file " + QuotedName(path) + ": " + SystemReason());
    return CliSuccess;
}

int Add(const InsertArguments& parsed, std::ostream& err) {
    std::vector<std::string> added;
    for (const std::string& path : parsed.names) {
        std::string entry, problem;
        if (!PatternEntry(path, &entry, &problem)) return PrintFailure(err, problem);
        added.push_back(entry);
    }
    ListFile list(parsed.list);
    bool create = false;
    int status = OpenForEdit(list, true, &create, err);
    if (status != CliSuccess) return status;
    return Insert(list, parsed, added, create, err);
}

int Reset(const InsertArguments& parsed, std::ostream& err) {
    ListFile list(parsed.list);
    bool create = false;
    int status = OpenForEdit(list, true, &create, err);
    if (status != CliSuccess) return status;
    return Insert(list, parsed, std::vector<std::string>{ResetMark}, create, err);
}

int Remove(const std::string& path, unsigned long index, std::ostream& err) {
    ListFile list(path);
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

int ShowList(const std::string& path, std::ostream& out, std::ostream& err) {
    StandardInputFile input;
    std::string problem;
    const std::string file = input.PathFor(path, &problem);
    if (file.empty()) return PrintFailure(err, problem);
    ListFile list(file);
    bool lossy = false;
    if (!list.Read(&problem, &lossy)) return PrintFailure(err, input.Shown(problem));
    std::string text;
    std::size_t index = 0;
    for (const std::string& entry : list.Entries()) text += std::to_string(index++) + ": " + Printable(entry) + "\n";
    out << text;
    if (lossy) PrintNote(err, QuotedName(path) + LostTextProblem() + ", which the list leaves out");
    return CliSuccess;
}

const char ListHelp[] =
    "Makes and edits display lists; entries are counted from 0. add and\n"
    "reset make a missing list, insert before entry --at or append, and\n"
    "store patterns by full path; show prints the entries numbered.";

// An edited list is rewritten in place, so it is a file: standard input
// has no place to be rewritten to.
CLI::Validator EditableFile(const std::string& what) {
    return CLI::Validator(
        [what](std::string& text) {
            if (text.empty()) return "needs " + what;
            return text == StandardInputFile::Name ? "takes a file, not standard input (-)" : std::string();
        },
        std::string());
}

CLI::Option* AddListFile(CLI::App* command, std::string& path) {
    return command->add_option("LIST.ll", path, "the display list, a file (not -)")->required()->check(EditableFile("a list file"));
}

void AddAt(CLI::App* command, const std::shared_ptr<InsertArguments>& parsed) {
    AddNumberOption(command, "--at", parsed->at, 0, 0xFFFFFFFFul,
                    "inserts before entry INDEX (from 0); without it, appends")
        ->type_name("INDEX")
        ->each([parsed](const std::string&) { parsed->haveAt = true; });
}

}  // namespace

void AddListCommands(CLI::App& program, CliContext& context) {
    CLI::App* list = program.add_subcommand("list", ListHelp);
    list->require_subcommand(1, 1);

    auto path = std::make_shared<std::string>();
    CLI::App* command = list->add_subcommand("new", "Makes an empty list; never over an existing file.");
    AddListFile(command, *path);
    SetAction(command, context, [path, &context]() { return New(*path, context.err); });

    auto added = std::make_shared<InsertArguments>();
    command = list->add_subcommand("add", "Adds pattern files, each stored by its full path.");
    AddListFile(command, added->list);
    command->add_option("PATTERN.led...", added->names, "the pattern files (not -: the list names each by its path)")
        ->required()
        ->check(EditableFile("a file name"));
    AddAt(command, added);
    SetAction(command, context, [added, &context]() { return Add(*added, context.err); });

    auto reset = std::make_shared<InsertArguments>();
    command = list->add_subcommand("reset", "Adds a \":Reset\" entry.");
    AddListFile(command, reset->list);
    AddAt(command, reset);
    SetAction(command, context, [reset, &context]() { return Reset(*reset, context.err); });

    auto removed = std::make_shared<std::pair<std::string, unsigned long>>();
    command = list->add_subcommand("remove", "Removes entry INDEX (from 0).");
    AddListFile(command, removed->first);
    command->add_option("INDEX", removed->second, "the entry to remove, from 0")
        ->required()
        ->transform(NumberFrom(0, 0xFFFFFFFFul));
    SetAction(command, context, [removed, &context]() { return Remove(removed->first, removed->second, context.err); });

    auto shown = std::make_shared<std::string>();
    command = list->add_subcommand("show", "Prints \"INDEX: TEXT\" for each entry.");
    command->add_option("LIST.ll", *shown, "the display list; - reads standard input")
        ->required()
        ->check(NotEmpty("a list file"));
    SetAction(command, context, [shown, &context]() { return ShowList(*shown, context.out, context.err); });
}

#include "pattern/list/DisplayList.h"

#include <cstring>
#include <new>
#include <string>

#include "pattern/files/ReplacementFile.h"

const char ListFileFilter[] = "LED Data File List (*.ll)\0*.ll\0All Files (*.*)\0*.*\0";
const char ListFileExtension[] = "ll";
const char ResetMark[] = ":Reset";

namespace {

const char LineEnd[] = "\r\n";
const char CarriageReturn = '\r';
const char LineFeed = '\n';

// One by one: a long list must not become a deep chain of destructors.
void DeleteEntries(DisplayListEntry* entry) {
    while (entry) {
        DisplayListEntry* next = entry->next;
        delete entry;
        entry = next;
    }
}

}  // namespace

bool DisplayListEntry::IsReset() const { return std::strcmp(text.get(), ResetMark) == 0; }

DisplayList::DisplayList() : first(nullptr), last(nullptr), listFile_(ListFileFilter), writeFailed_(false), leftTextOut_(false) {}

DisplayList::~DisplayList() { Clear(); }

void DisplayList::Release() {
    Clear();
    listFile_.Close();
    listFile_ = CFile(ListFileFilter);
}

void DisplayList::Clear() {
    DeleteEntries(first);
    first = last = nullptr;
}

bool DisplayList::IsSelected() const { return listFile_.m_Filename[0] != '\0'; }

const char* DisplayList::FileName() const { return listFile_.m_Filename; }

std::size_t DisplayList::EntryCount() const {
    std::size_t count = 0;
    for (const DisplayListEntry* entry = first; entry; entry = entry->next) ++count;
    return count;
}

bool DisplayList::Add(const char* text, bool save) {
    // A refused entry is no failed write, whatever an earlier rewrite met.
    writeFailed_ = false;
    if (!text || !*text || !IsSelected()) return false;
    std::size_t length = std::strlen(text);
    // A CR or LF would split the entry into other lines, naming other files.
    if (length > MaxLineLength || std::strpbrk(text, "\r\n")) return false;
    DisplayListEntry* entry = new (std::nothrow) DisplayListEntry{nullptr, nullptr};
    if (!entry) return false;
    entry->text.reset(new (std::nothrow) char[length + 1]);
    if (!entry->text) {
        delete entry;
        return false;
    }
    std::memcpy(entry->text.get(), text, length + 1);
    DisplayListEntry* previousLast = last;
    if (last) last->next = entry;
    else first = entry;
    last = entry;
    if (!save || Save()) return true;
    // Not in the file, so not in the list either: the two stay alike.
    if (previousLast) previousLast->next = nullptr;
    else first = nullptr;
    last = previousLast;
    delete entry;
    return false;
}

bool DisplayList::Rewrite(const std::vector<std::string>& texts) {
    if (!IsSelected()) return false;
    DisplayListEntry* oldFirst = first;
    DisplayListEntry* oldLast = last;
    first = last = nullptr;
    for (const std::string& text : texts) Add(text.c_str(), false);
    if (Save()) {
        DeleteEntries(oldFirst);
        return true;
    }
    // The file still holds the old entries, so the list keeps them too.
    Clear();
    first = oldFirst;
    last = oldLast;
    return false;
}

bool DisplayList::Save() {
    writeFailed_ = false;
    if (!IsSelected()) return false;
    ReplacementFile output;
    bool written = output.Create(listFile_.m_Filename);
    for (const DisplayListEntry* entry = first; written && entry; entry = entry->next) {
        output.Write(entry->text.get(), std::strlen(entry->text.get()));
        output.Write(LineEnd, sizeof LineEnd - 1);
    }
    written = written && output.Commit();
    writeFailed_ = !written;
    return written;
}

bool DisplayList::Load() {
    leftTextOut_ = false;
    if (!IsSelected()) return false;
    CFile& file = listFile_;
    file.Reopen(1);
    char line[MaxLineLength + 1];
    std::size_t length = 0;
    // A line that cannot be kept whole is skipped: no entry may name a file
    // other than the line did. A NUL byte would cut the text, so it counts.
    bool unusable = false;
    // The LF of a CR LF pair ends nothing more.
    bool afterCarriageReturn = false;
    char chunk[4096];
    for (;;) {
        unsigned long got = file.Read(chunk, sizeof chunk);
        if (got == 0) break;
        for (unsigned long i = 0; i < got; ++i) {
            char byte = chunk[i];
            bool pairedLineFeed = byte == LineFeed && afterCarriageReturn;
            afterCarriageReturn = byte == CarriageReturn;
            if (pairedLineFeed) continue;
            if (byte == CarriageReturn || byte == LineFeed) {
                if (unusable) {
                    leftTextOut_ = true;
                } else {
                    line[length] = '\0';
                    Add(line, false);
                }
                length = 0;
                unusable = false;
            } else if (byte == '\0' || length == MaxLineLength) {
                unusable = true;
            } else {
                line[length++] = byte;
            }
        }
    }
    if (length > 0 || unusable) leftTextOut_ = true;
    // A failed read empties the name; the end of the file does not.
    bool complete = IsSelected();
    file.Close();
    return complete;
}

bool DisplayList::SelectFile(const char* path, bool create) { return OpenFile(path, create) && Load(); }

bool DisplayList::OpenFile(const char* path, bool create) {
    CFile chosen(ListFileFilter);
    if (!path || chosen.Open(path, create ? 0 : 1) != 1) return false;
    chosen.SetDefExt(ListFileExtension);
    chosen.Close();
    Clear();
    // The chosen file is closed, so the list file takes over only its name.
    listFile_ = chosen;
    return true;
}

ListFileRead DisplayList::SelectWholeFile(const char* path, bool create) {
    DisplayList chosen;
    if (!chosen.OpenFile(path, create)) return ListFileRead::CannotOpen;
    if (!chosen.Load()) return ListFileRead::CannotRead;
    if (chosen.LeftTextOut()) return ListFileRead::NotAList;
    Clear();
    first = chosen.first;
    last = chosen.last;
    chosen.first = chosen.last = nullptr;
    listFile_ = chosen.listFile_;
    return ListFileRead::Read;
}

// DisplayList: the pattern files and reset marks that make up what the
// display shows, in order, kept in a .ll text file.
//
// The .ll file holds one entry per line, each ended by CR LF when written.
// Reading: CR LF, CR alone and LF alone each end a line (lists written by
// scripts end their lines with LF); an empty line adds nothing; bytes after
// the last line end are ignored. A line longer than MaxLineLength bytes, or
// holding a NUL byte, is skipped whole, never cut, so no entry names a file
// other than the line did; Add refuses overlong texts for the same reason.
// A file read with such text left out is not a list to rewrite: the rewrite
// would lose that text (LeftTextOut).
//
// Entries exist only while a list file is selected (its name is not empty).
// Save rewrites the whole file beside it and puts it in place only when
// complete, so a failed rewrite leaves the previous list file intact.
#ifndef LUMIGRID_PATTERN_DISPLAYLIST_H
#define LUMIGRID_PATTERN_DISPLAYLIST_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "panekit/File.h"
#include "pattern/program/BuildProgress.h"

// Filter list of the file dialogs for list files, and their default extension.
extern const char ListFileFilter[];
extern const char ListFileExtension[];
// The entry text that stands for a reset of the display (case-sensitive).
extern const char ResetMark[];

// How choosing a list file to edit ended.
enum class ListFileRead {
    Read,         // selected, every byte understood
    CannotOpen,
    CannotRead,   // a read failed before the end of the file
    NotAList,     // holds text that is no entry (see LeftTextOut)
};

class ListOmissions;

struct DisplayListEntry {
    std::unique_ptr<char[]> text;
    DisplayListEntry* next;

    bool IsReset() const;
};

class DisplayList {
public:
    // The line buffer holds this many bytes plus the terminator.
    static constexpr std::size_t MaxLineLength = 4095;

    DisplayList();
    ~DisplayList();
    DisplayList(const DisplayList&) = delete;
    DisplayList& operator=(const DisplayList&) = delete;

    // Clear, then forget the list file.
    void Release();
    // Frees every entry; the file is not touched.
    void Clear();
    // Appends text (and with save, rewrites the list file). False when
    // nothing was added: empty or overlong text, a text holding CR or LF (it
    // would read back as other entries), no list selected, out of
    // memory; or when the rewrite failed, which takes the entry out again
    // (WriteFailed() then tells that case apart).
    bool Add(const char* text, bool save);
    // Rewrites the list file from the entries. False when no list is
    // selected or the rewrite failed (the previous file is then intact).
    bool Save();
    // Makes texts the entries (those Add refuses are left out) and rewrites
    // the list file. When the rewrite fails, the entries stay as they were,
    // as the file does, and the result is false.
    bool Rewrite(const std::vector<std::string>& texts);
    // Whether the last rewrite of the list file failed: the file could not
    // be written (read-only, disk full), as opposed to nothing to write.
    bool WriteFailed() const { return writeFailed_; }
    // Appends the entries of the list file. False when it could not be read
    // to its end; the entries read until then stay.
    bool Load();
    // Whether the last Load skipped text that is no entry (an overlong line,
    // a NUL byte, text after the last line end): rewriting the file from the
    // entries would lose it.
    bool LeftTextOut() const { return leftTextOut_; }
    // Makes path the list file: with create, a new empty file (an existing
    // one is emptied); otherwise an existing file, whose entries replace the
    // current ones. False when the file cannot be opened: the current list
    // file and entries then stay as they were. Also false when the chosen
    // file could not be read to its end (see Load).
    bool SelectFile(const char* path, bool create);
    // SelectFile for a list that is to be edited and rewritten: a file that
    // cannot be read to its end, or whose reading left text out, is refused,
    // and the current list file and entries stay as they were.
    ListFileRead SelectWholeFile(const char* path, bool create);

#ifdef _WIN32
    // Lets the user pick an existing list file, or name a new one (create),
    // in the file dialogs, makes it the list file and says so in a message
    // box. A cancelled dialog or a file that cannot be opened changes nothing;
    // a file that cannot be read whole is refused with a message
    // (SelectWholeFile).
    void ChooseFile(HWND owner, bool create);
    // Adds each entry's text to a list box, first to last.
    void FillListBox(HWND listBox) const;
    // Add(text, true), telling the user in a message box when the list file
    // could not be written and the entry was therefore not stored.
    bool AddAndReport(HWND owner, const char* text);
    // Builds the display program of the list into a HEX file that the user
    // names and sets up in the dialogs; a failed export is reported in a
    // message box and leaves no file. True when the file was written; what
    // the entries left out of it is then in leftOut, when given. The
    // progress hook is told how the build goes; when it stops the build,
    // the file is left as it was.
    bool CreateHexFile(HWND owner, ListOmissions* leftOut = nullptr, const BuildProgressHook& progress = nullptr);
#endif

    // Whether a list file is selected.
    bool IsSelected() const;
    // The list file's full name; empty while none is selected.
    const char* FileName() const;
    std::size_t EntryCount() const;

    DisplayListEntry* first;
    DisplayListEntry* last;

private:
    // Makes path the list file, without reading it; false when it does not open.
    bool OpenFile(const char* path, bool create);

    CFile listFile_;
    bool writeFailed_;
    bool leftTextOut_;
};

#endif

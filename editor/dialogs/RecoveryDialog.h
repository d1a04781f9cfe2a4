// The question "復元の確認" at start-up: whether to restore the newest work
// that an editor left unsaved when it ended without closing.
#ifndef LUMIGRID_EDITOR_RECOVERYDIALOG_H
#define LUMIGRID_EDITOR_RECOVERYDIALOG_H

#include <windows.h>

#include <string>

enum class RecoveryAnswer { Restore, Keep, Discard };

// The dialog's record: what it names, and on return the answer.
struct RecoveryQuestion {
    std::wstring patternFileName;   // "(無題)" for an unnamed pattern
    std::wstring writtenAt;         // when the copy was made, as the user reads times
    RecoveryAnswer answer = RecoveryAnswer::Keep;
};

// Yes restores, No (also Esc and the close box) keeps the files for later,
// "破棄" deletes them. True for Yes or "破棄", the answer then in the record.
bool AskRestoreWork(HWND owner, RecoveryQuestion& question);

#endif

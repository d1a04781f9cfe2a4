#include "editor/document/RecoveryOffer.h"

#include <ctime>
#include <cwchar>

#include "editor/app/EditorState.h"
#include "editor/app/WideText.h"
#include "editor/dialogs/RecoveryDialog.h"
#include "editor/document/DocumentChange.h"
#include "editor/document/PatternLoading.h"
#include "editor/document/RecoveryKeeping.h"

namespace {

std::wstring LocalTime(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    if (!seconds || !local) return L"不明";
    wchar_t text[32];
    std::swprintf(text, 32, L"%04d/%02d/%02d %02d:%02d:%02d", local->tm_year + 1900, local->tm_mon + 1,
                  local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec);
    return text;
}

RecoveryQuestion QuestionAbout(const LeftoverRecovery& newest) {
    RecoveryQuestion question;
    const std::string& name = newest.record.patternFileName;
    question.patternFileName = name.empty() ? L"(無題)" : Widened(name);
    question.writtenAt = LocalTime(newest.recordRead ? newest.record.writtenAt : 0);
    return question;
}

// The copy in place of the start-up pattern, unsaved and under its own name.
// A damaged copy is refused with a message and kept; a restored one is
// deleted once this editor holds a copy of its own.
void Restore(EditorState& state, const LeftoverRecovery& newest) {
    const HWND owner = state.windows.mainWindow;
    RecoveryLoadResult read = ReadRecoveryFile(newest.path.c_str());
    if (!read.recordRead) {
        MessageBoxW(owner, L"この復元用ファイルは壊れています。\n読み込めません。", L"エラー", MB_OK | MB_ICONERROR);
        return;
    }
    std::unique_ptr<LedPattern> restored = AcceptLoadedPattern(owner, read.loaded);
    if (!restored) return;
    restored->modified = true;
    ReplaceDocument(state, std::move(restored));
    if (KeepWorkNow(state)) DeleteRecoveryFile(newest.path);
}

}  // namespace

void OfferRecoveredWork(EditorState& state) {
    const std::string folder = RecoveryFolder();
    if (folder.empty()) return;
    const std::vector<LeftoverRecovery> leftovers = FindLeftoverRecoveries(folder, EditorRunning);
    if (leftovers.empty()) return;
    // The window shows as it always does before anything is asked.
    UpdateWindow(state.windows.mainWindow);
    RecoveryQuestion question = QuestionAbout(leftovers.front());
    AskRestoreWork(state.windows.mainWindow, question);
    switch (question.answer) {
    case RecoveryAnswer::Restore:
        Restore(state, leftovers.front());
        break;
    case RecoveryAnswer::Discard:
        for (const LeftoverRecovery& leftover : leftovers) DeleteRecoveryFile(leftover.path);
        break;
    case RecoveryAnswer::Keep:
        break;
    }
}

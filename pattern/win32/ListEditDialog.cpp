#include "pattern/win32/ListEditDialog.h"

#include <string>
#include <vector>

#include "pattern/list/DisplayList.h"
#include "pattern/win32/DialogRecord.h"
#include "resources/resource.h"

namespace {

const char PatternEntryFilter[] = "LED Data File (*.led)\0*.led\0All Files (*.*)\0*.*\0";
const wchar_t ChangesNotStoredText[] =
    L"リストファイルに書き込めませんでした。\nリストの変更は保存されませんでした。";

// What every message starts from: the list box, its selection and its size.
struct ListBoxState {
    HWND listBox;
    int selected;   // LB_ERR when nothing is selected
    int count;

    explicit ListBoxState(HWND dialog)
        : listBox(GetDlgItem(dialog, IDC_LIST_ENTRIES)),
          selected(static_cast<int>(SendMessageA(listBox, LB_GETCURSEL, 0, 0))),
          count(static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0))) {}
    bool HasSelection() const { return selected != LB_ERR; }

    std::string Text(int index) const {
        LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
        if (length == LB_ERR) return std::string();
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    // Before the selected line, or at the end without a selection; the new
    // line is selected (after nothing chosen, the index past the end selects
    // nothing).
    void InsertAtSelection(const char* text) const {
        if (text) {
            if (HasSelection()) SendMessageA(listBox, LB_INSERTSTRING, selected, reinterpret_cast<LPARAM>(text));
            else SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        SendMessageA(listBox, LB_SETCURSEL, HasSelection() ? selected : count, 0);
    }
};

// A disabled button cannot keep the focus, and a dialog whose focus is
// nowhere no longer hears the keyboard (not even Esc): the list box takes it.
void EnableButton(HWND dialog, const ListBoxState& state, int id, bool enabled) {
    HWND button = GetDlgItem(dialog, id);
    if (!enabled && GetFocus() == button)
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(state.listBox), TRUE);
    EnableWindow(button, enabled);
}

void UpdateButtons(HWND dialog, const ListBoxState& state) {
    EnableButton(dialog, state, IDC_LIST_DELETE, state.HasSelection());
    EnableButton(dialog, state, IDC_LIST_MOVE_UP, state.HasSelection() && state.selected != 0);
    EnableButton(dialog, state, IDC_LIST_MOVE_DOWN, state.HasSelection() && state.selected != state.count - 1);
}

void OnAdd(HWND dialog, const ListBoxState& state) {
    CFile chooser(PatternEntryFilter);
    char chosen[CFile::FilenameCapacity] = "";
    bool confirmed = chooser.ShowDialog(dialog, chosen, 1) == 1;
    state.InsertAtSelection(confirmed ? chosen : nullptr);
}

void OnDelete(const ListBoxState& state) {
    if (!state.HasSelection()) return;
    SendMessageA(state.listBox, LB_DELETESTRING, state.selected, 0);
    SendMessageA(state.listBox, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void OnMove(const ListBoxState& state, int step) {
    int target = state.selected + step;
    if (!state.HasSelection() || target < 0 || target >= state.count) return;
    std::string text = state.Text(state.selected);
    SendMessageA(state.listBox, LB_DELETESTRING, state.selected, 0);
    SendMessageA(state.listBox, LB_INSERTSTRING, target, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(state.listBox, LB_SETCURSEL, target, 0);
}

void OnClose(HWND dialog, const ListBoxState& state) {
    std::vector<std::string> lines;
    for (int i = 0; i < state.count; ++i) lines.push_back(state.Text(i));
    DisplayList& list = *DialogRecord<DisplayList>(dialog);
    if (!list.Rewrite(lines) && list.WriteFailed())
        MessageBoxW(dialog, ChangesNotStoredText, L"エラー", MB_OK | MB_ICONERROR);
    EndDialog(dialog, 0);
}

}  // namespace

INT_PTR CALLBACK ListEditDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        KeepDialogRecord(dialog, lParam);
        DialogRecord<DisplayList>(dialog)->FillListBox(GetDlgItem(dialog, IDC_LIST_ENTRIES));
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    ListBoxState state(dialog);
    switch (LOWORD(wParam)) {
    case IDC_LIST_ENTRIES:
        UpdateButtons(dialog, state);
        return TRUE;
    case IDC_LIST_ADD:
        OnAdd(dialog, state);
        break;
    case IDC_LIST_INSERT_RESET:
        state.InsertAtSelection(ResetMark);
        break;
    case IDC_LIST_DELETE:
        OnDelete(state);
        break;
    case IDC_LIST_MOVE_UP:
        OnMove(state, -1);
        break;
    case IDC_LIST_MOVE_DOWN:
        OnMove(state, +1);
        break;
    case IDCANCEL:
        OnClose(dialog, state);
        return TRUE;
    default:
        return FALSE;
    }
    // Each action ends by running the enabling rule again.
    SendMessageW(dialog, WM_COMMAND, IDC_LIST_ENTRIES, 0);
    return TRUE;
}

// The editor as a Windows user expects it: the usual keys, menu letters
// that agree with them, a line about each menu item in the status bar,
// fields that say their range, and the file in the status bar.
#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <set>
#include <vector>

#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"

namespace {

using KeysAndFieldsTest = EditorSession;

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

wchar_t Mnemonic(const std::wstring& text) {
    const std::size_t amp = text.find(L'&');
    return amp == std::wstring::npos ? 0 : static_cast<wchar_t>(std::towlower(text[amp + 1]));
}

std::wstring StatusText(int part) {
    wchar_t text[256] = L"";
    SendMessageW(editor.windows.statusBar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(KeysAndFieldsTest, TheUsualKeysReachTheirCommands) {
    std::vector<ACCEL> keys(static_cast<std::size_t>(CopyAcceleratorTableW(editor.windows.accelerators, nullptr, 0)));
    CopyAcceleratorTableW(editor.windows.accelerators, keys.data(), static_cast<int>(keys.size()));
    auto command = [&](BYTE modifiers, WORD key) -> WORD {
        for (const ACCEL& accel : keys)
            if (accel.key == key && (accel.fVirt & (FCONTROL | FSHIFT | FALT)) == modifiers) return accel.cmd;
        return 0;
    };
    EXPECT_EQ(IDM_FILE_LOAD, command(FCONTROL, 'O'));
    EXPECT_EQ(IDM_FILE_SAVE, command(FCONTROL, 'S'));
    EXPECT_EQ(IDM_FILE_SAVE_AS, command(FCONTROL | FSHIFT, 'S'));
    EXPECT_EQ(IDM_EDIT_COPY, command(FCONTROL, 'C'));
    EXPECT_EQ(IDM_EDIT_PASTE, command(FCONTROL, 'V'));
    EXPECT_EQ(IDM_TOOLS_SELECT_ALL, command(FCONTROL, 'A'));
    EXPECT_EQ(IDM_TOOLS_CLEAR_SELECTION, command(0, VK_DELETE));
    EXPECT_EQ(IDM_TOOLS_DROP_SELECTION, command(0, VK_ESCAPE));
    EXPECT_EQ(IDM_FRAME_PLAY, command(0, VK_F5));

    // Ctrl+A: the Select tool with the whole frame, which Copy then takes.
    Click(CellX(0, 15), CellY(15));
    Command(IDM_TOOLS_SELECT_ALL);
    EXPECT_TRUE(MenuMarked(IDM_TOOLS_SELECT));
    ASSERT_TRUE(editor.tools.selection.IsActive());
    const CellArea& area = editor.tools.selection.Area();
    EXPECT_EQ(16, area.columns);
    EXPECT_EQ(16, area.rows);
    Command(IDM_TOOLS_CLEAR_SELECTION);
    EXPECT_FALSE(editor.pattern->GetPixel(0, 15, 15)) << "Delete clears what Ctrl+A selected";
}

TEST_F(KeysAndFieldsTest, MenuLettersAgreeWithTheKeysAndNeverClash) {
    for (int m = 0; m < GetMenuItemCount(editor.windows.menu); ++m) {
        HMENU menu = GetSubMenu(editor.windows.menu, m);
        std::set<wchar_t> letters;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            const std::wstring text = ItemText(menu, i);
            const wchar_t letter = Mnemonic(text);
            if (!letter) continue;
            // The described Edit menu has "&Copy" and "All &Clear"; its texts stay as they are.
            if (text == L"All &Clear") continue;
            EXPECT_TRUE(letters.insert(letter).second) << "menu " << m << ": " << std::string(text.begin(), text.end());
            // In Tools, a tool whose key is a letter has it underlined.
            const std::size_t tab = text.find(L'\t');
            if (m == 4 && tab != std::wstring::npos && text.size() == tab + 2) {
                EXPECT_EQ(static_cast<wchar_t>(std::towlower(text[tab + 1])), letter);
            }
        }
    }
    HMENU file = GetSubMenu(editor.windows.menu, 0);
    const int last = GetMenuItemCount(file) - 1;
    EXPECT_EQ(IDM_FILE_EXIT, GetMenuItemID(file, last));
    EXPECT_EQ(0u, GetMenuItemID(file, last - 1)) << "a separator before Exit";
    EXPECT_EQ(IDM_FILE_PREVIEW_LIST, GetMenuItemID(file, last - 2));
    EXPECT_EQ(0u, GetMenuItemID(file, last - 3)) << "Preview List in a group of its own";
}

TEST_F(KeysAndFieldsTest, EachMenuItemHasALineInTheStatusBarWhileItIsHighlighted) {
    Command(IDM_VIEW_STATUS_BAR);
    const std::wstring size = StatusText(2);
    for (int m = 0; m < GetMenuItemCount(editor.windows.menu); ++m) {
        HMENU menu = GetSubMenu(editor.windows.menu, m);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            const UINT id = GetMenuItemID(menu, i);
            if (id == 0) continue;
            SendMessageW(editor.windows.mainWindow, WM_MENUSELECT, MAKEWPARAM(id, MF_HILITE),
                         reinterpret_cast<LPARAM>(menu));
            EXPECT_FALSE(StatusText(0).empty()) << "no line for item " << id;
        }
    }
    wchar_t line[256] = L"";
    LoadStringW(GetModuleHandleW(nullptr), IDM_FILE_LOAD, line, 256);
    EXPECT_NE(std::wstring::npos, std::wstring(line).find(L"Ctrl+O"));
    SendMessageW(editor.windows.mainWindow, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(size, StatusText(2)) << "the parts come back when the menu closes";
}

TEST_F(KeysAndFieldsTest, TheStatusBarKeepsItsPartsAndNamesTheFile) {
    Command(IDM_VIEW_STATUS_BAR);
    EXPECT_EQ(L"(無題)", StatusText(5));
    Click(CellX(0, 2), CellY(2));
    EXPECT_EQ(L"(無題) *", StatusText(5));
    for (UINT planes : {IDM_VIEW_ONE_PLANE, IDM_VIEW_TWO_PLANES}) {
        Command(planes);
        EXPECT_EQ(L"16 x 16, 2 frames", StatusText(2));
    }
    ShowWindow(editor.windows.mainWindow, SW_MAXIMIZE);
    DrainMessages();
    EXPECT_EQ(L"16 x 16, 2 frames", StatusText(2));
    ShowWindow(editor.windows.mainWindow, SW_RESTORE);
    SetWindowPos(editor.windows.mainWindow, nullptr, 0, 0, 400, 520, SWP_NOZORDER | SWP_NOMOVE);
    DrainMessages();
    EXPECT_EQ(L"16 x 16, 2 frames", StatusText(2));
    EXPECT_EQ(L"(無題) *", StatusText(5));
    // Every part keeps a place inside the narrow window.
    RECT client, part;
    GetClientRect(editor.windows.statusBar, &client);
    SendMessageW(editor.windows.statusBar, SB_GETRECT, 5, reinterpret_cast<LPARAM>(&part));
    EXPECT_LT(part.left, client.right - 20);
}

TEST_F(KeysAndFieldsTest, EffectsFieldsOutsideTheirRangeGreyOkAndSaySo) {
    std::wstring stepStatus, holdStatus;
    bool okEnabled = true;
    DialogAnswerer answerer({[&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_EFFECT_STEP, L"0");
        stepStatus = DialogAnswerer::Text(dialog, IDC_EFFECT_STATUS);
        okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        SetDlgItemTextW(dialog, IDC_EFFECT_STEP, L"1");
        SetDlgItemTextW(dialog, IDC_EFFECT_HOLD, L"5000");
        holdStatus = DialogAnswerer::Text(dialog, IDC_EFFECT_STATUS);
        DialogAnswerer::Press(IDOK)(dialog);
        DialogAnswerer::Cancel()(dialog);
    }});
    Command(IDM_FRAME_EFFECTS);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(L"ｽﾃｯﾌﾟは 1 から 255 までで指定してください。", stepStatus);
    EXPECT_EQ(L"保持は 0 から 2048 までで指定してください。", holdStatus);
    EXPECT_EQ(2u, editor.pattern->frameCount) << "OK with a field out of range makes nothing";
}

TEST_F(KeysAndFieldsTest, OptionsOkWithNothingChangedMarksModifiedButLeavesNothingToUndo) {
    DialogAnswerer answerer({DialogAnswerer::Press(IDOK)});
    Command(IDM_VIEW_OPTION);
    EXPECT_TRUE(editor.pattern->modified);
    EXPECT_FALSE(editor.history.CanUndo());
}

}  // namespace

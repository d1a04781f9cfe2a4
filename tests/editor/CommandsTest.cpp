// The commands of the File and Edit menus and the list editor, through the
// main window's messages, with the files they read and write.
#include <cstring>
#include <deque>
#include <filesystem>

#include "tests/editor/CommandsTest.h"
#include "tests/support/DirectoryListing.h"

namespace {

TEST_F(CommandsTest, MenuGreysWhatCannotBeDoneNow) {
    OpenMenu();
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_PASTE));
    EXPECT_TRUE(MenuGreyed(IDM_FILE_CREATE_HEX));
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_LIST_FILE));
    EXPECT_TRUE(MenuGreyed(IDM_FILE_ADD_TO_LIST));
    EXPECT_FALSE(MenuGreyed(IDM_FILE_SAVE));
    Command(IDM_EDIT_COPY);
    SelectList("list.ll");
    OpenMenu();
    EXPECT_FALSE(MenuGreyed(IDM_EDIT_PASTE));
    EXPECT_FALSE(MenuGreyed(IDM_FILE_CREATE_HEX));
    EXPECT_FALSE(MenuGreyed(IDM_EDIT_LIST_FILE));
    EXPECT_FALSE(MenuGreyed(IDM_FILE_ADD_TO_LIST));
}

TEST_F(CommandsTest, EditCommandsActOnTheEditedFrame) {
    Click(CellX(0, 1), CellY(1));
    Command(IDM_EDIT_COPY);
    RightClick(100, 100);
    Command(IDM_EDIT_PASTE);
    EXPECT_TRUE(editor.pattern->GetPixel(1, 1, 1));
    Command(IDM_EDIT_INVERSE);
    EXPECT_FALSE(editor.pattern->GetPixel(1, 1, 1));
    EXPECT_TRUE(editor.pattern->GetPixel(1, 0, 0));
    Command(IDM_EDIT_ALL_CLEAR);
    EXPECT_FALSE(editor.pattern->GetPixel(1, 0, 0));
    EXPECT_TRUE(editor.pattern->GetPixel(0, 1, 1)) << "frame 0 is not the target";
}

TEST_F(CommandsTest, ClipboardSurvivesLoadsOfTheSameFrameSizeOnly) {
    std::string same = MakePattern("same.led", 16, 16, 4);
    std::string other = MakePattern("other.led", 24, 8, 2);
    Click(CellX(0, 5), CellY(5));
    Command(IDM_EDIT_COPY);
    editor.pattern->modified = false;
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(same)});
        Command(IDM_FILE_LOAD);
    }
    EXPECT_EQ(4u, editor.pattern->frameCount);
    EXPECT_EQ(L"Lumigrid ver 1.0  [    0 /    4 ]", Title());
    EXPECT_TRUE(IsWindowEnabled(Trackbar()));
    Command(IDM_EDIT_PASTE);
    EXPECT_TRUE(editor.pattern->GetPixel(0, 5, 5));
    editor.pattern->modified = false;
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(other)});
        Command(IDM_FILE_LOAD);
    }
    EXPECT_EQ(24, editor.pattern->columns);
    EXPECT_EQ(24 * editor.views[0].cellWidth, editor.views[0].right - editor.views[0].left)
        << "laid out for the new size";
    OpenMenu();
    EXPECT_TRUE(MenuGreyed(IDM_EDIT_PASTE));
    Command(IDM_EDIT_PASTE);
    EXPECT_FALSE(editor.pattern->modified);
}

TEST_F(CommandsTest, LoadAsksBeforeDiscardingChanges) {
    std::string path = MakePattern("next.led", 16, 16, 2);
    Click(CellX(0, 3), CellY(3));
    {
        // No: the changes go, the file comes.
        DialogAnswerer answerer({DialogAnswerer::Press(IDNO), DialogAnswerer::ChooseFile(path)});
        Command(IDM_FILE_LOAD);
        EXPECT_EQ(2, answerer.Answered());
        EXPECT_EQ(L"確認", answerer.Titles().front());
    }
    EXPECT_STREQ(path.c_str(), editor.pattern->fileName.get());
    EXPECT_FALSE(editor.pattern->GetPixel(0, 3, 3));

    // Yes on a named pattern saves it silently first.
    Click(CellX(0, 3), CellY(3));
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDYES), DialogAnswerer::Cancel()});
        Command(IDM_FILE_LOAD);
    }
    EXPECT_FALSE(editor.pattern->modified);
    PatternLoadResult saved = ReadPatternFile(path.c_str());
    ASSERT_TRUE(saved.pattern);
    EXPECT_TRUE(saved.pattern->GetPixel(0, 3, 3));
}

TEST_F(CommandsTest, YesThenACancelledFileDialogKeepsTheProgramRunning) {
    Click(CellX(0, 3), CellY(3));
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDYES), DialogAnswerer::Cancel()});
        SendMessageW(editor.windows.mainWindow, WM_CLOSE, 0, 0);
        EXPECT_EQ(2, answerer.Answered());
    }
    EXPECT_TRUE(IsWindow(editor.windows.mainWindow));
    EXPECT_TRUE(editor.pattern->modified);
    {
        DialogAnswerer answerer({DialogAnswerer::Press(IDNO)});
        Command(IDM_FILE_EXIT);
    }
    EXPECT_FALSE(IsWindow(editor.windows.mainWindow));
}

TEST_F(CommandsTest, SaveAsAsksForTheControlCodeAndAddsToTheList) {
    std::string list = SelectList("show.ll");
    Click(CellX(0, 0), CellY(0));
    std::string path = scratch.File("drawn");
    bool listOffered = false;
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), SaveOptions(IDC_CONTROL_SCROLL, true, &listOffered)});
        Command(IDM_FILE_SAVE_AS);
        EXPECT_EQ(L"保存方法の決定", answerer.Titles().back());
    }
    EXPECT_TRUE(listOffered);
    std::string saved = path + ".led";
    std::vector<unsigned char> bytes = ScratchDirectory::Read(saved);
    ASSERT_EQ(76u, bytes.size());
    const std::vector<unsigned char> header = {0x4C, 0x45, 0x44, 0x31, 2, 0, 2, 0, 16, 2, 16, 1};
    EXPECT_EQ(header, std::vector<unsigned char>(bytes.begin(), bytes.begin() + 12));
    EXPECT_EQ(0x80, bytes[12]);
    EXPECT_FALSE(editor.pattern->modified);
    EXPECT_EQ(saved + "\r\n", ScratchDirectory::ReadText(list));

    // A Save As cancelled at the file dialog adds nothing more.
    {
        DialogAnswerer answerer({DialogAnswerer::Cancel()});
        Command(IDM_FILE_SAVE_AS);
    }
    EXPECT_EQ(saved + "\r\n", ScratchDirectory::ReadText(list));

    // A plain Save writes silently, with the flag 0.
    Click(CellX(0, 1), CellY(0));
    {
        DialogAnswerer answerer({});
        Command(IDM_FILE_SAVE);
        EXPECT_EQ(0, answerer.Answered());
    }
    bytes = ScratchDirectory::Read(saved);
    EXPECT_EQ(2, bytes[4]);
    EXPECT_EQ(0, bytes[11]);
    EXPECT_EQ(0xC0, bytes[12]);
}

TEST_F(CommandsTest, SaveWithoutAListOffersNoListBox) {
    std::string path = scratch.File("alone.led");
    bool listOffered = true;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), SaveOptions(IDC_CONTROL_NORMAL, false, &listOffered)});
    Command(IDM_FILE_SAVE);
    EXPECT_FALSE(listOffered);
    EXPECT_EQ(0, ScratchDirectory::Read(path)[4]);
}

TEST_F(CommandsTest, AddToListAddsANamedPatternOrSavesANewOne) {
    std::string list = SelectList("show.ll");
    std::string path = scratch.File("new.led");
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(path), SaveOptions(IDC_CONTROL_ANIMATION, true)});
        Command(IDM_FILE_ADD_TO_LIST);
    }
    EXPECT_EQ(path + "\r\n", ScratchDirectory::ReadText(list));
    Command(IDM_FILE_ADD_TO_LIST);
    EXPECT_EQ(path + "\r\n" + path + "\r\n", ScratchDirectory::ReadText(list));
}

// The list editor, as a person uses it: each step acts and reads back the list box.
struct ListEditorSteps {
    std::vector<std::string> lines;
    bool deleteEnabled = true, upEnabled = true, downEnabled = true;
    int selected = -2;

    static void Select(HWND dialog, int index) {
        SendDlgItemMessageW(dialog, IDC_LIST_ENTRIES, LB_SETCURSEL, index, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LIST_ENTRIES, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_LIST_ENTRIES)));
    }
    static void Button(HWND dialog, int id) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    void Read(HWND dialog) {
        HWND box = GetDlgItem(dialog, IDC_LIST_ENTRIES);
        lines.clear();
        int count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[4096] = "";
            SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            lines.push_back(text);
        }
        selected = static_cast<int>(SendMessageW(box, LB_GETCURSEL, 0, 0));
        deleteEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_LIST_DELETE)) != FALSE;
        upEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_LIST_MOVE_UP)) != FALSE;
        downEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_LIST_MOVE_DOWN)) != FALSE;
    }
};

TEST_F(CommandsTest, ListEditorInsertsDeletesAndMovesThenRewritesTheFile) {
    std::string list = SelectList("edit.ll");
    std::string a = MakePattern("a.led", 16, 16, 2);
    std::string b = MakePattern("b.led", 16, 16, 2);
    editor.displayList.Add(a.c_str(), false);
    editor.displayList.Add(b.c_str(), true);
    std::string c = MakePattern("c.led", 16, 16, 2);

    std::vector<ListEditorSteps> seen(8);
    {
        DialogAnswerer answerer({[&](HWND dialog) {
            seen[0].Read(dialog);
            ListEditorSteps::Button(dialog, IDC_LIST_INSERT_RESET);  // no selection: appended and selected
            seen[1].Read(dialog);
            ListEditorSteps::Select(dialog, 0);
            seen[2].Read(dialog);
            ListEditorSteps::Select(dialog, 2);
            seen[3].Read(dialog);
            ListEditorSteps::Select(dialog, 1);
            ListEditorSteps::Button(dialog, IDC_LIST_MOVE_UP);
            seen[4].Read(dialog);
            ListEditorSteps::Button(dialog, IDC_LIST_DELETE);
            seen[5].Read(dialog);
            ListEditorSteps::Select(dialog, 1);
            // The add button's own file dialog comes next.
            ListEditorSteps::Button(dialog, IDC_LIST_ADD);
            seen[6].Read(dialog);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc
        },
                                 DialogAnswerer::ChooseFile(c)});
        Command(IDM_EDIT_LIST_FILE);
    }
    EXPECT_EQ((std::vector<std::string>{a, b}), seen[0].lines);
    EXPECT_EQ(LB_ERR, seen[0].selected);
    EXPECT_EQ((std::vector<std::string>{a, b, ":Reset"}), seen[1].lines);
    EXPECT_EQ(2, seen[1].selected);
    EXPECT_TRUE(seen[2].deleteEnabled);
    EXPECT_FALSE(seen[2].upEnabled) << "the first line cannot move up";
    EXPECT_TRUE(seen[2].downEnabled);
    EXPECT_FALSE(seen[3].downEnabled) << "the last line cannot move down";
    EXPECT_EQ((std::vector<std::string>{b, a, ":Reset"}), seen[4].lines);
    EXPECT_EQ(0, seen[4].selected);
    EXPECT_EQ((std::vector<std::string>{a, ":Reset"}), seen[5].lines);
    EXPECT_EQ(LB_ERR, seen[5].selected);
    EXPECT_FALSE(seen[5].deleteEnabled);
    EXPECT_FALSE(seen[5].upEnabled);
    EXPECT_FALSE(seen[5].downEnabled);
    EXPECT_EQ((std::vector<std::string>{a, c, ":Reset"}), seen[6].lines);
    EXPECT_EQ(1, seen[6].selected) << "inserted before the selection and selected";
    EXPECT_EQ(a + "\r\n" + c + "\r\n:Reset\r\n", ScratchDirectory::ReadText(list));
    EXPECT_EQ(3u, editor.displayList.EntryCount());
}

TEST_F(CommandsTest, ListEditorKeepsTheKeyboardWhenAFocusedButtonIsDisabled) {
    SelectList("keys.ll");
    std::string a = MakePattern("a.led", 16, 16, 2);
    std::string b = MakePattern("b.led", 16, 16, 2);
    editor.displayList.Add(a.c_str(), false);
    editor.displayList.Add(b.c_str(), true);
    // Pressed with the keyboard: the button has the focus as it acts.
    auto press = [](HWND dialog, int id) {
        SetFocus(GetDlgItem(dialog, id));
        ListEditorSteps::Button(dialog, id);
    };
    HWND focusAfterDown = nullptr, focusAfterUp = nullptr, focusAfterDelete = nullptr, listBox = nullptr;
    {
        DialogAnswerer answerer({[&](HWND dialog) {
            listBox = GetDlgItem(dialog, IDC_LIST_ENTRIES);
            ListEditorSteps::Select(dialog, 0);
            press(dialog, IDC_LIST_MOVE_DOWN);  // onto the last line
            focusAfterDown = GetFocus();
            press(dialog, IDC_LIST_MOVE_UP);  // onto the first line
            focusAfterUp = GetFocus();
            press(dialog, IDC_LIST_DELETE);  // nothing selected after it
            focusAfterDelete = GetFocus();
            // Esc goes wherever the focus is; the dialog hears it and closes.
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        }});
        Command(IDM_EDIT_LIST_FILE);
    }
    EXPECT_EQ(listBox, focusAfterDown);
    EXPECT_EQ(listBox, focusAfterUp);
    EXPECT_EQ(listBox, focusAfterDelete);
    EXPECT_EQ(1u, editor.displayList.EntryCount()) << "closed by Esc, which wrote the list";
}

TEST_F(CommandsTest, AListFileThatCannotBeWrittenIsReportedAndNothingIsStored) {
    std::string list = SelectList("locked.ll");
    std::string a = MakePattern("a.led", 16, 16, 2);
    editor.displayList.Add(a.c_str(), true);
    // The list file's place is taken by a directory: no write can replace it.
    std::filesystem::remove(list);
    std::filesystem::create_directory(list);
    std::vector<std::wstring> messages;
    auto readMessage = [&messages](HWND box) {
        wchar_t text[512] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        messages.push_back(text);
        DialogAnswerer::Press(IDOK)(box);
    };
    editor.pattern->SetFileName(a.c_str());
    {
        DialogAnswerer answerer({readMessage});
        Command(IDM_FILE_ADD_TO_LIST);
    }
    std::string saved = scratch.File("saved.led");
    {
        DialogAnswerer saveAs({DialogAnswerer::ChooseFile(saved), SaveOptions(IDC_CONTROL_NORMAL, true), readMessage});
        Command(IDM_FILE_SAVE_AS);
    }
    EXPECT_TRUE(ScratchDirectory::Exists(saved)) << "the pattern itself is saved";
    {
        DialogAnswerer edit({[](HWND dialog) {
                                 ListEditorSteps::Select(dialog, 0);
                                 ListEditorSteps::Button(dialog, IDC_LIST_DELETE);
                                 PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                             },
                             readMessage});
        Command(IDM_EDIT_LIST_FILE);
        EXPECT_EQ((std::deque<std::wstring>{L"ﾘｽﾄ編集ﾀﾞｲｱﾛｸﾞ", L"エラー"}), edit.Titles());
    }
    ASSERT_EQ(3u, messages.size());
    EXPECT_EQ(L"リストファイルに書き込めませんでした。\nエントリーはリストに追加されませんでした。", messages[0]);
    EXPECT_EQ(messages[0], messages[1]);
    EXPECT_EQ(L"リストファイルに書き込めませんでした。\nリストの変更は保存されませんでした。", messages[2]);
    EXPECT_TRUE(std::filesystem::is_directory(list));
    EXPECT_TRUE(editor.displayList.IsSelected());
    EXPECT_EQ(1u, editor.displayList.EntryCount()) << "the list holds what its file held";

    // Writable again: the next addition is stored.
    std::filesystem::remove(list);
    editor.pattern->SetFileName(a.c_str());
    Command(IDM_FILE_ADD_TO_LIST);
    EXPECT_EQ(a + "\r\n" + a + "\r\n", ScratchDirectory::ReadText(list));
}

TEST_F(CommandsTest, PlayAndThePreviewListShowTheSamePicturesOnOneOrTwoPlanes) {
    // Four frames in Animation mode: a tick a picture.
    SelectList("show.ll");
    const std::string pattern = MakePattern("four.led", 16, 16, 4);
    editor.displayList.Add(pattern.c_str(), false);
    SetFrames(4);
    for (UINT view : {IDM_VIEW_TWO_PLANES, IDM_VIEW_ONE_PLANE}) {
        Command(view);
        LRESULT lastTick = -1;
        DialogAnswerer answerer({[&](HWND dialog) {
            lastTick = SendDlgItemMessageW(dialog, IDC_PREVIEW_POSITION, TBM_GETRANGEMAX, 0, 0);
            DialogAnswerer::Press(IDCANCEL)(dialog);
        }});
        Command(IDM_FILE_PREVIEW_LIST);
        ASSERT_EQ(1, answerer.Answered());
        EXPECT_EQ(editor.PageCount(), lastTick + 1) << "planes " << editor.planeCount;
    }
    EXPECT_EQ(4, editor.PageCount());
}

}  // namespace

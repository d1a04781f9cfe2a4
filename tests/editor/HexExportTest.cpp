// Create Hex File... and its options dialog, from the menu command to the
// file written.
#include <string>
#include <vector>

#include "tests/editor/CommandsTest.h"
#include "tests/support/DirectoryListing.h"

namespace {

// Sets the hex options dialog and presses OK or Cancel; records what it showed.
struct HexAnswer {
    std::vector<std::wstring> formats;
    bool startEnabledAtFirst = true, startEnabledAfterChoice = false;
    std::wstring startText;
    DialogAnswerer::Answer Answer(int format, const wchar_t* start, int button) {
        return [=](HWND dialog) {
            HWND combo = GetDlgItem(dialog, IDC_HEX_FORMAT);
            int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t text[64] = L"";
                SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                formats.push_back(text);
            }
            wchar_t text[64] = L"";
            GetDlgItemTextW(dialog, IDC_HEX_START_ADDRESS, text, 64);
            startText = text;
            startEnabledAtFirst = IsWindowEnabled(GetDlgItem(dialog, IDC_HEX_SET_START)) != FALSE;
            SendMessageW(combo, CB_SETCURSEL, format, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HEX_FORMAT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
            startEnabledAfterChoice = IsWindowEnabled(GetDlgItem(dialog, IDC_HEX_START_ADDRESS)) != FALSE;
            if (start) {
                SendDlgItemMessageW(dialog, IDC_HEX_SET_START, BM_CLICK, 0, 0);
                SetDlgItemTextW(dialog, IDC_HEX_START_ADDRESS, start);
            }
            DialogAnswerer::Press(button)(dialog);
        };
    }
};

TEST_F(CommandsTest, HexExportWithTheOptionsOfTheDialog) {
    SelectList("show.ll");
    editor.displayList.Add(":Reset", true);
    std::string hex = scratch.File("out");
    HexAnswer shown;
    {
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(hex), shown.Answer(2, L"4660", IDOK)});
        Command(IDM_FILE_CREATE_HEX);
        EXPECT_EQ(L"Hex File 作成ｵﾌﾟｼｮﾝ", answerer.Titles().back());
    }
    EXPECT_EQ((std::vector<std::wstring>{L"8bit", L"16bit", L"16bit + SBA (20bit)", L"32bit"}), shown.formats);
    EXPECT_EQ(L"0", shown.startText);
    EXPECT_FALSE(shown.startEnabledAtFirst);
    EXPECT_TRUE(shown.startEnabledAfterChoice);
    EXPECT_EQ(":0400000300001234B3\r\n"
              ":06000000F00060000000AA\r\n"
              ":00000001FF\r\n",
              ScratchDirectory::ReadText(hex + ".hex"));
}

// Pixels to spare when the control shows text in its own font, beside the
// extra room it needs (margins, the check box's box); below 0 the text is cut.
int SpareWidth(HWND control, const std::wstring& text, int extra) {
    HDC dc = GetDC(control);
    HGDIOBJ kept = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, kept);
    ReleaseDC(control, dc);
    RECT client;
    GetClientRect(control, &client);
    return client.right - size.cx - extra;
}

HWND ChildWithText(HWND dialog, const wchar_t* text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t found[128] = L"";
        GetWindowTextW(child, found, 128);
        if (std::wstring(found) == text) return child;
    }
    return nullptr;
}

TEST_F(CommandsTest, HexOptionsShowEveryTextAndATenDigitAddressWhole) {
    SelectList("show.ll");
    int formatLabel = -1, address = -1, startLabel = -1, checkBox = -1;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(scratch.File("none.hex")), [&](HWND dialog) {
                                 formatLabel = SpareWidth(ChildWithText(dialog, L"Hex File の種類(&T):"),
                                                          L"Hex File の種類(T):", 0);
                                 HWND field = GetDlgItem(dialog, IDC_HEX_START_ADDRESS);
                                 SetWindowTextW(field, L"4294967295");
                                 LRESULT margins = SendMessageW(field, EM_GETMARGINS, 0, 0);
                                 address = SpareWidth(field, L"4294967295", LOWORD(margins) + HIWORD(margins));
                                 startLabel = SpareWidth(GetDlgItem(dialog, IDC_HEX_START_LABEL), L"開始ｱﾄﾞﾚｽ(A):", 0);
                                 checkBox = SpareWidth(GetDlgItem(dialog, IDC_HEX_SET_START),
                                                       L"書き込み開始ｱﾄﾞﾚｽを設定する(S)",
                                                       GetSystemMetrics(SM_CXMENUCHECK));
                                 DialogAnswerer::Cancel()(dialog);
                             }});
    Command(IDM_FILE_CREATE_HEX);
    EXPECT_GE(formatLabel, 0);
    EXPECT_GE(address, 0) << "a 32-bit address in full";
    EXPECT_GE(startLabel, 0);
    EXPECT_GE(checkBox, 0);
}

TEST_F(CommandsTest, HexStartAddressBeyondTwentyBitsIsRefusedUntilCorrected) {
    SelectList("show.ll");
    std::string hex = scratch.File("big.hex");
    HexAnswer shown;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(hex), shown.Answer(2, L"1048576", IDOK),
                             DialogAnswerer::Press(IDOK),
                             [](HWND dialog) {
                                 // Back in the options dialog, still open: correct and confirm.
                                 SetDlgItemTextW(dialog, IDC_HEX_START_ADDRESS, L"1048575");
                                 DialogAnswerer::Press(IDOK)(dialog);
                             }});
    Command(IDM_FILE_CREATE_HEX);
    ASSERT_GE(answerer.Titles().size(), 3u);
    EXPECT_EQ(L"不正な値", answerer.Titles()[2]);
    std::string text = ScratchDirectory::ReadText(hex);
    EXPECT_EQ(0u, text.find(":04000003F000FFFF0B\r\n")) << text;
}

TEST_F(CommandsTest, AnImageTooLargeForItsFormatIsReportedAndLeavesNoFile) {
    SelectList("big.ll");
    // Ten frames of 255 x 255 make an image of about 80 KiB, beyond the
    // 16-bit addresses of the 8-bit format.
    std::string big = MakePattern("big.led", 255, 255, 10);
    editor.displayList.Add(big.c_str(), true);
    std::string hex = scratch.File("big.hex");
    HexAnswer shown;
    std::wstring message;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(hex), shown.Answer(0, nullptr, IDOK), [&](HWND box) {
                                 wchar_t text[512] = L"";
                                 GetDlgItemTextW(box, 0xFFFF, text, 512);
                                 message = text;
                                 DialogAnswerer::Press(IDOK)(box);
                             }});
    Command(IDM_FILE_CREATE_HEX);
    ASSERT_EQ(3, answerer.Answered());
    EXPECT_EQ(L"エラー", answerer.Titles()[2]);
    EXPECT_NE(std::wstring::npos, message.find(L"Hex File は作成されませんでした。")) << message.c_str();
    EXPECT_FALSE(ScratchDirectory::Exists(hex));
    EXPECT_EQ((std::vector<std::string>{"big.led", "big.ll"}), NamesIn(scratch)) << "no partial file beside it";
}

TEST_F(CommandsTest, CancelledHexOptionsLeaveNoFile) {
    SelectList("show.ll");
    std::string hex = scratch.File("none.hex");
    HexAnswer shown;
    DialogAnswerer answerer({DialogAnswerer::ChooseFile(hex), shown.Answer(3, nullptr, IDCANCEL)});
    Command(IDM_FILE_CREATE_HEX);
    EXPECT_FALSE(ScratchDirectory::Exists(hex));
}

}  // namespace

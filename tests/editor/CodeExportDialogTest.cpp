// File > "Export Code...": the dialog "コード出力" answered through the CBT
// hook as a person would set it, and the file its Save writes.
#include <vector>

#include "editor/dialogs/CodeExportDialog.h"
#include "export/LayoutPresets.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchDirectory.h"

namespace {

using CodeExportDialogTest = EditorSession;

void Choose(HWND dialog, int list, int index) {
    SendDlgItemMessageW(dialog, list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
}

int Chosen(HWND dialog, int list) { return static_cast<int>(SendDlgItemMessageW(dialog, list, CB_GETCURSEL, 0, 0)); }

std::wstring WholeText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The layouts' and controllers' places in their lists.
const int GfxLayout = 0, XbmLayout = 1, Ssd1306Layout = 2, Atmega328p = 1;

TEST_F(CodeExportDialogTest, TheDialogShowsTheCodeAndSizeAsChosenAndSaveWritesWhatTheCoreMakes) {
    // Picture 0 of two planes, 32 x 16: lit at (0, 0) of each plane.
    editor.pattern->SetPixel(0, 0, 0);
    editor.pattern->SetPixel(1, 0, 0);
    ScratchDirectory scratch;
    const std::string path = scratch.File("sign.py");
    std::wstring title, name, size, share, preview;
    int layout = -1, layoutForXbm = -1;
    DialogAnswerer answerer({[&](HWND dialog) {
        wchar_t text[64] = L"";
        GetWindowTextW(dialog, text, 64);
        title = text;
        layout = Chosen(dialog, IDC_CODE_LAYOUT);
        name = DialogAnswerer::Text(dialog, IDC_CODE_NAME);
        size = DialogAnswerer::Text(dialog, IDC_CODE_SIZE);
        preview = WholeText(dialog, IDC_CODE_PREVIEW);
        Choose(dialog, IDC_CODE_CONTROLLER, Atmega328p);
        share = DialogAnswerer::Text(dialog, IDC_CODE_SIZE);
        Choose(dialog, IDC_CODE_LANGUAGE, static_cast<int>(CodeLanguage::Xbm));
        layoutForXbm = Chosen(dialog, IDC_CODE_LAYOUT);
        Choose(dialog, IDC_CODE_LANGUAGE, static_cast<int>(CodeLanguage::Python));
        Choose(dialog, IDC_CODE_LAYOUT, Ssd1306Layout);
        Choose(dialog, IDC_CODE_ROTATE, 1);
        DialogAnswerer::Press(IDOK)(dialog);
    }, DialogAnswerer::ChooseFile(path)});
    Command(IDM_FILE_EXPORT_CODE);
    ASSERT_EQ(2, answerer.Answered());

    EXPECT_EQ(L"コード出力", title);
    EXPECT_EQ(GfxLayout, layout);
    EXPECT_EQ(L"pattern", name) << "an unnamed pattern's";
    EXPECT_EQ(L"1 ﾌﾚｰﾑ 64 ﾊﾞｲﾄ、1 ﾌﾚｰﾑで 64 ﾊﾞｲﾄ (待ち時間とで 66 ﾊﾞｲﾄ)", size);
    EXPECT_EQ(L"1 ﾌﾚｰﾑ 64 ﾊﾞｲﾄ、1 ﾌﾚｰﾑで 64 ﾊﾞｲﾄ (待ち時間とで 66 ﾊﾞｲﾄ)\r\natmega328p の 32 KiB ﾌﾗｯｼｭの 0.2%", share);
    EXPECT_NE(std::wstring::npos, preview.find(L"0x80, 0x00, 0x80, 0x00,")) << "row 0 of gfx:\n" << preview;
    EXPECT_NE(std::wstring::npos, preview.find(L"const uint8_t pattern_frames[PATTERN_FRAME_COUNT][PATTERN_FRAME_BYTES] PROGMEM"));
    EXPECT_EQ(XbmLayout, layoutForXbm) << "XBM holds the xbm layout alone";

    ExportOptions options;
    ApplyLayoutPreset(*FindLayoutPreset("ssd1306"), options.layout);
    options.layout.rotate = 90;
    options.language = CodeLanguage::Python;
    options.name = "pattern";
    options.mcu = "atmega328p";
    const ExportResult expected = ExportCode(*editor.pattern, options);
    ASSERT_TRUE(expected.Made()) << expected.error;
    EXPECT_EQ(expected.output, ScratchDirectory::ReadText(path));
}

TEST_F(CodeExportDialogTest, WithOnePlaneTheEditedPictureIsOneFrame) {
    Command(IDM_VIEW_ONE_PLANE);
    editor.pattern->SetPixel(0, 0, 0);
    editor.pattern->SetPixel(1, 9, 0);
    ScratchDirectory scratch;
    const std::string path = scratch.File("frame.bin");
    std::wstring size;
    DialogAnswerer answerer({[&](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_CODE_EDITED_PICTURE, BM_CLICK, 0, 0);
        Choose(dialog, IDC_CODE_LANGUAGE, static_cast<int>(CodeLanguage::Binary));
        size = DialogAnswerer::Text(dialog, IDC_CODE_SIZE);
        DialogAnswerer::Press(IDOK)(dialog);
    }, DialogAnswerer::ChooseFile(path)});
    Command(IDM_FILE_EXPORT_CODE);
    ASSERT_EQ(2, answerer.Answered());
    EXPECT_EQ(L"1 ﾌﾚｰﾑ 32 ﾊﾞｲﾄ、1 ﾌﾚｰﾑで 32 ﾊﾞｲﾄ", size) << "no delays in binary";
    std::vector<unsigned char> expected(32, 0);
    expected[0] = 0x80;   // frame 0 alone: (0, 0) lit, frame 1's (9, 0) left out
    EXPECT_EQ(expected, ScratchDirectory::Read(path));
}

}  // namespace

// Create Hex File's progress window: Cancel stops the export and keeps the
// file that was there.
#include <filesystem>

#include "editor/dialogs/ExportProgress.h"
#include "pattern/document/LedFile.h"
#include "resources/resource.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchDirectory.h"

namespace {

class ExportProgressTest : public EditorSession {
protected:
    ScratchDirectory scratch;
};

TEST_F(ExportProgressTest, CancelStopsTheExportAndKeepsTheOldFile) {
    // Twelve of the largest patterns: far more than the moment Cancel takes.
    LedPattern pattern;
    pattern.Create(255, 255);
    pattern.SetFrameCount(2048);
    pattern.header.controlCode = ControlScroll;
    const std::string led = scratch.File("largest.led");
    ASSERT_TRUE(SavePatternFile(pattern, led.c_str()));
    pattern.Release();
    ASSERT_TRUE(editor.displayList.SelectFile(scratch.File("list.ll").c_str(), true));
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(editor.displayList.Add(led.c_str(), true));
    const std::string hex = scratch.File("show.hex");
    ScratchDirectory::Write(hex, std::string(":00000001FF\r\n"));

    int position = -1;
    bool ownerEnabled = true;
    auto thirtyTwoBit = [](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_HEX_FORMAT, CB_SETCURSEL, 3, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HEX_FORMAT, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HEX_FORMAT)));
        DialogAnswerer::Press(IDOK)(dialog);
    };
    auto cancel = [&](HWND dialog) {
        position = static_cast<int>(SendDlgItemMessageW(dialog, IDC_HEX_PROGRESS_BAR, PBM_GETPOS, 0, 0));
        ownerEnabled = IsWindowEnabled(editor.windows.mainWindow) != FALSE;
        DialogAnswerer::Cancel()(dialog);
    };
    {
        ExportProgress progress(editor.windows.mainWindow, 0);
        // The save dialog asks before it replaces a file.
        DialogAnswerer answerer({DialogAnswerer::ChooseFile(hex), DialogAnswerer::Press(IDYES), thirtyTwoBit, cancel});
        editor.displayList.CreateHexFile(editor.windows.mainWindow, nullptr, progress.Hook());
        ASSERT_EQ(4, answerer.Answered());
        EXPECT_EQ(L"Hex File 作成中", answerer.Titles().back());
        EXPECT_TRUE(progress.Cancelled());
    }
    EXPECT_GE(position, 0);
    EXPECT_LT(position, 1000) << "cancelled before the end";
    EXPECT_FALSE(ownerEnabled) << "the main window takes no input during the export";
    EXPECT_TRUE(IsWindowEnabled(editor.windows.mainWindow));
    EXPECT_EQ(":00000001FF\r\n", ScratchDirectory::ReadText(hex));
    int files = 0;
    for (const auto& file : std::filesystem::directory_iterator(std::filesystem::path(hex).parent_path())) {
        (void)file;
        ++files;
    }
    EXPECT_EQ(3, files) << "the pattern, the list and the old HEX file, nothing half written";
}

}  // namespace

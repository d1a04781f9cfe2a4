// The fixture of the menu commands' tests: an editor session with a scratch
// directory for pattern, list and HEX files.
#ifndef LUMIGRID_TESTS_COMMANDSTEST_H
#define LUMIGRID_TESTS_COMMANDSTEST_H

#include <string>

#include "pattern/document/LedFile.h"
#include "tests/editor/EditorSession.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchDirectory.h"

class CommandsTest : public EditorSession {
protected:
    ScratchDirectory scratch;

    // A pattern file of the given size whose frame 0 has pixel (0, 0) lit.
    std::string MakePattern(const std::string& name, int columns, int rows, int frames) {
        LedPattern pattern;
        pattern.Create(static_cast<std::uint8_t>(columns), static_cast<std::uint8_t>(rows));
        pattern.SetFrameCount(static_cast<std::uint32_t>(frames));
        pattern.SetPixel(0, 0, 0);
        std::string path = scratch.File(name);
        EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
        return path;
    }
    std::string SelectList(const std::string& name) {
        std::string path = scratch.File(name);
        EXPECT_TRUE(editor.displayList.SelectFile(path.c_str(), true));
        return path;
    }
    // Ticks a control code and, when asked, the list box of SaveDialog.
    static DialogAnswerer::Answer SaveOptions(int controlButton, bool addToList, bool* listOffered = nullptr) {
        return [=](HWND dialog) {
            if (listOffered) *listOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_ADD_TO_LIST)) != FALSE;
            SendDlgItemMessageW(dialog, controlButton, BM_CLICK, 0, 0);
            if (addToList) SendDlgItemMessageW(dialog, IDC_ADD_TO_LIST, BM_CLICK, 0, 0);
            DialogAnswerer::Press(IDOK)(dialog);
        };
    }
};

#endif

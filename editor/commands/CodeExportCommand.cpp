#include "editor/commands/CodeExportCommand.h"

#include <string>

#include "editor/app/EditorState.h"
#include "editor/app/WideText.h"
#include "editor/dialogs/CodeExportDialog.h"
#include "panekit/File.h"

namespace {

// The save dialog's filter and extension of each language, in the order of
// CodeLanguage. The filters stay alive as long as the CFile that keeps them.
struct LanguageFile {
    const char* filter;
    const char* extension;
};

const LanguageFile LanguageFiles[] = {
    {"C/C++ Header (*.h)\0*.h\0All Files (*.*)\0*.*\0", "h"},
    {"Python (*.py)\0*.py\0All Files (*.*)\0*.*\0", "py"},
    {"JSON (*.json)\0*.json\0All Files (*.*)\0*.*\0", "json"},
    {"X Bitmap (*.xbm)\0*.xbm\0All Files (*.*)\0*.*\0", "xbm"},
    {"Rust (*.rs)\0*.rs\0All Files (*.*)\0*.*\0", "rs"},
    {"Binary (*.bin)\0*.bin\0All Files (*.*)\0*.*\0", "bin"},
    {"Intel HEX (*.hex)\0*.hex\0All Files (*.*)\0*.*\0", "hex"},
};

// The picture the target view's frame belongs to, as View > One/Two planes pages them.
std::uint32_t EditedPicture(const EditorState& state) {
    return state.EditedFrame() / static_cast<std::uint32_t>(state.planeCount);
}

}  // namespace

void OnFileExportCode(EditorState& state, HWND window) {
    CodeExport choice;
    choice.pattern = state.pattern.get();
    choice.options.layout.planes = state.planeCount == 1 ? Planes::One : Planes::Two;
    choice.editedPicture = EditedPicture(state);
    choice.editedPictureExists =
        choice.editedPicture < PictureCount(state.pattern->frameCount, choice.options.layout.planes);
    choice.everyPicture = true;
    if (!AskCodeExport(window, choice)) return;
    const LanguageFile& file = LanguageFiles[static_cast<int>(choice.options.language)];
    CFile chooser(file.filter);
    chooser.SetDefExt(file.extension);
    char chosen[CFile::FilenameCapacity] = "";
    if (!chooser.ShowDialog(window, chosen, 0)) return;
    const ExportResult result = WriteExportFile(*state.pattern, choice.options, chosen);
    if (result.Made()) return;
    const std::wstring text = result.writeFailed ? L"ﾌｧｲﾙに書き込めませんでした。"
                                                 : L"出力できませんでした: " + Widened(result.error);
    MessageBoxW(window, (text + L"\nﾌｧｲﾙは元のままです。").c_str(), L"エラー", MB_OK | MB_ICONERROR);
}

// The dialog "CODEEXPORT" of File > "Export &Code...": the layout preset, the
// language, the name, the edited picture or all of them, rotation, mirroring,
// inversion and the controller whose flash the data go to. As the choices
// change it shows the output of the first picture, the size line with the
// controller's share, and the picture with its scan path drawn over it, all
// made by the same core as lumigrid-cli export.
#ifndef LUMIGRID_EDITOR_CODEEXPORTDIALOG_H
#define LUMIGRID_EDITOR_CODEEXPORTDIALOG_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "export/CodeExport.h"

// The dialog's record: what it opens with, and on OK the choice.
struct CodeExport {
    const LedPattern* pattern = nullptr;
    ExportOptions options;                 // the planes as the view shows them; on OK the pictures chosen
    std::uint32_t editedPicture = 0;
    bool editedPictureExists = true;
    bool everyPicture = true;
};

// True on OK, the record's options then holding what to export.
bool AskCodeExport(HWND owner, CodeExport& choice);

// The size line in the dialog's words: the bytes a frame and in all, the
// controller's share and what breaks silently there; or why nothing can be
// exported.
std::wstring CodeExportSizeText(const ExportResult& plan, const ExportOptions& options);

#endif

// File > "Export &Code...": the pattern's pictures as code for the user's own
// hardware, chosen in the dialog "CODEEXPORT" and written to the file named in
// the save dialog by the same core as lumigrid-cli export.
#ifndef LUMIGRID_EDITOR_CODEEXPORTCOMMAND_H
#define LUMIGRID_EDITOR_CODEEXPORTCOMMAND_H

#include <windows.h>

struct EditorState;

void OnFileExportCode(EditorState& state, HWND window);

#endif

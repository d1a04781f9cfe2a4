// Create Hex File... in the editor: the export, then one message box that
// tells what the list's entries left out of the file, entry by entry.
#ifndef LUMIGRID_EDITOR_HEXEXPORTREPORT_H
#define LUMIGRID_EDITOR_HEXEXPORTREPORT_H

#include <windows.h>

#include <string>

#include "pattern/list/ListOmissions.h"

void OnCreateHexFile(HWND window);
// The report's text: the first MaxReportedOmissions omissions, then how many
// more; empty when nothing was left out.
std::wstring HexExportReportText(const ListOmissions& omissions);

const std::size_t MaxReportedOmissions = 10;

#endif

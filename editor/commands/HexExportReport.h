// The report that follows Create Hex File... when the list's entries left
// something out of the file: one message, entry by entry.
#ifndef LUMIGRID_EDITOR_HEXEXPORTREPORT_H
#define LUMIGRID_EDITOR_HEXEXPORTREPORT_H

#include <string>

#include "pattern/list/ListOmissions.h"

// The report's text: the first MaxReportedOmissions omissions, then how many
// more; empty when nothing was left out.
std::wstring HexExportReportText(const ListOmissions& omissions);

const std::size_t MaxReportedOmissions = 10;

// Why one entry, or part of it, was left out; common is the size the list's
// other patterns have.
std::wstring OmissionReasonText(const EntryOmission& omission, const PatternSize& common);

#endif

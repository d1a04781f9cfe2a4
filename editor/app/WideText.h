// The editor's conversions between the wide texts of the W functions and the
// narrow texts of the core: file names and the core's messages in the system
// code page, the text of the Text dialog in UTF-8.
#ifndef LUMIGRID_EDITOR_WIDETEXT_H
#define LUMIGRID_EDITOR_WIDETEXT_H

#include <string>

// A text of the system code page, made wide for the W functions that show it.
std::wstring Widened(const std::string& text);
// A wide text as UTF-8.
std::string Utf8Of(const std::wstring& text);

#endif

// The editor's texts of the system code page (file names, the core's
// messages) made wide for the W functions; wide texts become UTF-8 through
// text/Utf8.h.
#ifndef LUMIGRID_EDITOR_WIDETEXT_H
#define LUMIGRID_EDITOR_WIDETEXT_H

#include <string>

// A text of the system code page, made wide for the W functions that show it.
std::wstring Widened(const std::string& text);

#endif

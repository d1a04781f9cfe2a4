// Texts of the system code page (file names, the core's messages) made wide
// for the W functions that show them.
#ifndef LUMIGRID_EDITOR_SYSTEMTEXT_H
#define LUMIGRID_EDITOR_SYSTEMTEXT_H

#include <string>

std::wstring Widened(const std::string& text);

#endif

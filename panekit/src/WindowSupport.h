// Platform calls and text handling shared by CWin, CMain and CChild.
#ifndef PANEKIT_WINDOWSUPPORT_H
#define PANEKIT_WINDOWSUPPORT_H

#include <windows.h>

#include <cstddef>

#include "panekit/Platform.h"

namespace panekit {
namespace window {

// Copies source (null counts as empty) into destination, cut to fit capacity
// bytes with its NUL; a double-byte character is never cut in half.
void copyText(char* destination, std::size_t capacity, const char* source);

// Builds a text from pieces in a fixed buffer. Once a piece had to be cut,
// later pieces are dropped, so the text never shows a fragment of them.
class TextBuilder {
public:
    TextBuilder(char* buffer, std::size_t capacity);
    void append(const char* piece);

private:
    char* m_Buffer;
    std::size_t m_Capacity;
    std::size_t m_Length;
    bool m_Cut;
};

// SetWindowLongPtrA returns the previous value, which may well be 0: only a
// zero result with an error reported by the platform is a failure.
bool changeWindowLong(HWND window, int index, LONG_PTR value);
bool readWindowLong(HWND window, int index, LONG_PTR* value);

// The window's top-left corner in the coordinates SetWindowPos takes for it:
// its parent's client area for a child window, the screen otherwise.
bool placedPosition(HWND window, POINT* position);

}  // namespace window
}  // namespace panekit

#endif

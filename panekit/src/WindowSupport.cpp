#include "panekit/src/WindowSupport.h"

#include <cstring>

namespace panekit {
namespace window {

namespace {

// The bytes of the character at text: 2 for a lead byte followed by its trail
// byte in the system code page, else 1.
std::size_t characterLength(const char* text) {
    if (IsDBCSLeadByte(static_cast<BYTE>(text[0])) && text[1] != '\0') return 2;
    return 1;
}

// Copies as much of source as fits in room bytes, whole characters only.
// Returns the bytes copied; *cut tells whether any of source was left out.
std::size_t copyWholeCharacters(char* destination, std::size_t room, const char* source, bool* cut) {
    std::size_t copied = 0;
    while (source[copied] != '\0') {
        std::size_t length = characterLength(source + copied);
        if (copied + length > room) {
            *cut = true;
            return copied;
        }
        std::memcpy(destination + copied, source + copied, length);
        copied += length;
    }
    *cut = false;
    return copied;
}

}  // namespace

void copyText(char* destination, std::size_t capacity, const char* source) {
    if (capacity == 0) return;
    bool cut = false;
    std::size_t copied = source ? copyWholeCharacters(destination, capacity - 1, source, &cut) : 0;
    destination[copied] = '\0';
}

TextBuilder::TextBuilder(char* buffer, std::size_t capacity)
    : m_Buffer(buffer), m_Capacity(capacity), m_Length(0), m_Cut(capacity == 0) {
    if (capacity > 0) buffer[0] = '\0';
}

void TextBuilder::append(const char* piece) {
    if (m_Cut || !piece) return;
    m_Length += copyWholeCharacters(m_Buffer + m_Length, m_Capacity - 1 - m_Length, piece, &m_Cut);
    m_Buffer[m_Length] = '\0';
}

bool changeWindowLong(HWND window, int index, LONG_PTR value) {
    SetLastError(0);
    if (SetWindowLongPtrA(window, index, value) != 0) return true;
    return GetLastError() == 0;
}

bool readWindowLong(HWND window, int index, LONG_PTR* value) {
    SetLastError(0);
    *value = GetWindowLongPtrA(window, index);
    return *value != 0 || GetLastError() == 0;
}

bool placedPosition(HWND window, POINT* position) {
    RECT outer;
    if (!GetWindowRect(window, &outer)) return false;
    position->x = outer.left;
    position->y = outer.top;
    // For a top-level window the parent is the desktop, whose client area is
    // the screen: the point stays as it is.
    HWND parent = GetAncestor(window, GA_PARENT);
    if (parent && !ScreenToClient(parent, position)) return false;
    return true;
}

}  // namespace window
}  // namespace panekit

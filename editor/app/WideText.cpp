#include "editor/app/WideText.h"

#include <windows.h>

#include <cwchar>

std::wstring Widened(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<std::size_t>(length) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(std::wcslen(wide.c_str()));
    return wide;
}

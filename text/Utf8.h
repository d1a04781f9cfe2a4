// Utf8: text as it comes from a command line, a file or a dialog, to Unicode
// code points and back.
#ifndef LUMIGRID_TEXT_UTF8_H
#define LUMIGRID_TEXT_UTF8_H

#include <string>

// UTF-8 to code points; false for anything that is not well-formed UTF-8
// (overlong forms, surrogates, beyond U+10FFFF, cut-off sequences).
bool DecodeUtf8(const std::string& text, std::u32string* characters);
std::string EncodeUtf8(char32_t character);
// UTF-16, as Windows' wide texts hold it, to UTF-8. A surrogate without its
// partner becomes U+FFFD, as the system's own conversion makes it.
std::string Utf8FromUtf16(const std::u16string& text);
// A wide text of the system's W functions as UTF-8: UTF-16 where wchar_t is
// 16 bits wide (Windows), code points where it is 32.
std::string Utf8FromWide(const std::wstring& text);
// "U+3053 'こ'", as a user is shown a character.
std::string DescribeCharacter(char32_t character);

#endif

// Utf8: text as it comes from a command line, a file or a dialog, to Unicode
// code points and back.
#ifndef LUMIGRID_TEXT_UTF8_H
#define LUMIGRID_TEXT_UTF8_H

#include <string>

// UTF-8 to code points; false for anything that is not well-formed UTF-8
// (overlong forms, surrogates, beyond U+10FFFF, cut-off sequences).
bool DecodeUtf8(const std::string& text, std::u32string* characters);
std::string EncodeUtf8(char32_t character);
// "U+3053 'こ'", as a user is shown a character.
std::string DescribeCharacter(char32_t character);

#endif

// Reading a font file whole, through CFile as every file of the core is read.
#ifndef LUMIGRID_TEXT_FONTBYTES_H
#define LUMIGRID_TEXT_FONTBYTES_H

#include <string>
#include <vector>

// False when the file cannot be opened or read, or holds more than maxBytes;
// problem then says so, naming the file.
bool ReadFontBytes(const char* path, unsigned long maxBytes, std::vector<char>* bytes, std::string* problem);

#endif

#include "text/FontBytes.h"

#include <new>

#include "panekit/File.h"

bool ReadFontBytes(const char* path, unsigned long maxBytes, std::vector<char>* bytes, std::string* problem) {
    const std::string name = std::string("'") + path + "'";
    CFile file(nullptr);
    if (!file.Open(path, 1)) {
        *problem = "cannot open the font " + name;
        return false;
    }
    const unsigned long size = file.GetFilesize();
    if (size > maxBytes) {
        file.Close();
        *problem = "the font " + name + " is too large to be a font (" + std::to_string(size) + " bytes)";
        return false;
    }
    try {
        bytes->assign(size, 0);
    } catch (const std::bad_alloc&) {
        file.Close();
        *problem = "not enough memory to read the font " + name;
        return false;
    }
    const unsigned long read = size ? file.Read(bytes->data(), size) : 0;
    const bool complete = read == size && file.m_Filename[0];
    file.Close();
    if (!complete) {
        *problem = "cannot read the font " + name;
        return false;
    }
    return true;
}

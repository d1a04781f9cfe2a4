#include "text/FontChoice.h"

#include "panekit/File.h"
#include "text/HexFont.h"

namespace {

std::unique_ptr<GlyphSource> OpenHexFont(const FontRequest& request, std::string* problem) {
    if (request.pixels != 0 && request.pixels != HexFont::CellHeight) {
        *problem = "a .hex font is " + std::to_string(HexFont::CellHeight) + " pixels high; --pixels " +
                   std::to_string(request.pixels) + " is for other fonts";
        return nullptr;
    }
    return HexFont::Open(request.name.c_str(), problem);
}

#ifndef _WIN32
bool FileExists(const char* path) {
    CFile file(nullptr);
    if (!file.Open(path, 1)) return false;
    file.Close();
    return true;
}
#endif

std::unique_ptr<GlyphSource> OpenDefaultFont(const FontRequest& request, std::string* problem) {
    FontRequest named = request;
#ifdef _WIN32
    named.name = DefaultFontName;
    return OpenSystemFont(named, problem);
#else
    if (FileExists(DefaultFontName)) named.name = DefaultFontName;
    else if (FileExists(FallbackFontName)) named.name = FallbackFontName;
    else {
        *problem = std::string("the default font is missing: neither ") + DefaultFontName + " nor " +
                   FallbackFontName + " is there (install the Debian package unifont, or give --font)";
        return nullptr;
    }
    return OpenHexFont(named, problem);
#endif
}

}  // namespace

std::unique_ptr<GlyphSource> OpenFont(const FontRequest& request, std::string* problem) {
    if (request.name.empty()) return OpenDefaultFont(request, problem);
    if (IsHexFontName(request.name)) return OpenHexFont(request, problem);
    return OpenSystemFont(request, problem);
}

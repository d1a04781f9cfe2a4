// The commands that draw with fonts and pictures: text, import, render,
// preview and decode --render. Their arguments are defined, checked and
// explained (--help) by their command files, which every program links;
// what they then do needs FreeType, HarfBuzz, FriBidi, giflib and stb, and
// is linked only into the programs that carry those: lumigrid-cli-media on
// Linux, lumigrid-cli.exe on Windows, and the tests. lumigrid-cli on Linux
// starts without them and hands such a command line on (MediaHandOff.h).
#ifndef LUMIGRID_CLI_MEDIAACTIONS_H
#define LUMIGRID_CLI_MEDIAACTIONS_H

#include <ostream>
#include <string>

struct TextArguments;
struct ImportArguments;
struct RenderArguments;
struct PreviewArguments;
struct DecodedFile;

struct MediaActions {
    int (*text)(TextArguments& arguments, std::ostream& err);
    int (*import)(const ImportArguments& arguments, std::ostream& err);
    int (*render)(const RenderArguments& arguments, std::ostream& err);
    int (*preview)(const PreviewArguments& arguments, std::ostream& out, std::ostream& err);
    int (*renderDecodedFrames)(const DecodedFile& file, const std::string& directory, unsigned scale, bool force,
                               std::ostream& out, std::ostream& err);
};

// The actions themselves, in the programs that link them.
extern const MediaActions LinkedMediaActions;

#endif

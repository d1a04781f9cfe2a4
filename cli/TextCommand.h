// lumigrid-cli text: a pattern of a text drawn in a font (see TextLayout.h
// for how it is laid out, FontChoice.h for the fonts).
#ifndef LUMIGRID_CLI_TEXTCOMMAND_H
#define LUMIGRID_CLI_TEXTCOMMAND_H

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/OptionValues.h"
#include "pattern/document/LedFileHeader.h"
#include "pattern/document/PictureCanvas.h"
#include "text/TextLayout.h"

// The command's arguments as read, TEXT taken (also when it was left over
// as an unknown option) and checked to be there.
struct TextArguments {
    std::string text, output;
    FrameSize size{16, 16};
    ControlCode mode = ControlScroll;
    Planes planes = Planes::Two;
    TextAlign align = TextAlign::Start;
    bool skipMissing = false;
    int spacing = 0;
    std::vector<std::string> fonts;
    unsigned pixels = 0;
    unsigned long wait = 1, step = 0, lineSpacing = 0, offset = 0;
    bool invert = false;
    CLI::App* command = nullptr;
};

void AddTextCommand(CLI::App& program, CliContext& context);

// Draws the text and writes the pattern (TextAction.cpp, with the fonts).
int RunText(TextArguments& arguments, std::ostream& err);

// The whole command line (program name first) as UTF-8, where the narrow
// arguments lose text: on Windows they are in the system code page, so main
// hands over the console's Unicode command line and TEXT is taken from it.
void UseUnicodeArguments(std::vector<std::string> arguments);

#endif

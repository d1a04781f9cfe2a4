// lumigrid-cli import: a pattern file made of pictures.
#ifndef LUMIGRID_CLI_IMPORTCOMMAND_H
#define LUMIGRID_CLI_IMPORTCOMMAND_H

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/LayoutOptions.h"
#include "cli/OptionValues.h"
#include "pattern/document/LedFileHeader.h"
#include "pattern/document/PictureCanvas.h"
#include "picture/ImageImport.h"

struct ImportArguments {
    std::vector<std::string> images;
    std::string output;
    ControlCode mode = ControlAnimation;
    FrameSize size;
    PictureFit fit = PictureFit::Contain;
    Alignment align = Alignment::Centre;
    PictureRect crop;
    Dither dither = Dither::None;
    Planes planes = Planes::Two;
    unsigned long wait = 1, threshold = 128;
    bool invert = false;
    bool thresholdGiven = false, cropped = false;
    LayoutArguments layout;
};

void AddImportCommand(CLI::App& program, CliContext& context);

// Reads the pictures, or the exported code, and writes the pattern
// (ImportAction.cpp, with the picture decoders).
int RunImport(const ImportArguments& arguments, std::ostream& err);

#endif

// lumigrid-cli render: a pattern file drawn as the editor shows it, to a PNG.
#ifndef LUMIGRID_CLI_RENDERCOMMAND_H
#define LUMIGRID_CLI_RENDERCOMMAND_H

#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "picture/PatternRender.h"

struct RenderArguments {
    static const unsigned DefaultScale = 8;
    static const unsigned DefaultFramesPerRow = 8;
    std::string pattern, output;
    RenderStyle style = DefaultRenderStyle;
    unsigned long frame = 0, framesPerRow = DefaultFramesPerRow;
    unsigned scale = DefaultScale;
    bool haveFrame = false;
};

void AddRenderCommand(CLI::App& program, CliContext& context);

// Loads the pattern and draws it (RenderAction.cpp, with the PNG writer).
int RunRender(const RenderArguments& arguments, std::ostream& err);

#endif

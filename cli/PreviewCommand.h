// lumigrid-cli preview: one pass of a display list or HEX file as the sign
// shows it (ProgramPlayback.h), as an animated GIF (PreviewAnimation.h).
#ifndef LUMIGRID_CLI_PREVIEWCOMMAND_H
#define LUMIGRID_CLI_PREVIEWCOMMAND_H

#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/OptionValues.h"
#include "pattern/document/PictureCanvas.h"
#include "picture/PatternRender.h"

struct PreviewArguments {
    std::string program, output;
    FrameSize size;   // 0 x 0: a HEX file's default, a list's first pattern's
    Planes planes = Planes::Two;
    RenderStyle style = DefaultRenderStyle;
    unsigned long tick = 100, loop = 0;
    unsigned scale = 8;
};

void AddPreviewCommand(CLI::App& program, CliContext& context);

// Plays the program and writes the GIF (PreviewAction.cpp, with giflib).
int RunPreview(const PreviewArguments& arguments, std::ostream& out, std::ostream& err);

#endif

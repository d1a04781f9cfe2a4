#include "cli/MediaActions.h"

#include <iostream>

#include "cli/Cli.h"
#include "cli/DecodeRender.h"
#include "cli/ImportCommand.h"
#include "cli/PreviewCommand.h"
#include "cli/RenderCommand.h"
#include "cli/TextCommand.h"

const MediaActions LinkedMediaActions = {RunText, RunImport, RunRender, RunPreview, RenderDecodedFrames};

int RunCli(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    CliContext context(out, err);
    context.media = &LinkedMediaActions;
    return RunCommands(argc, argv, context);
}

int RunProgram(int argc, const char* const argv[]) {
    return RunOnStandardOutput([argc, argv](std::ostream& out) { return RunCli(argc, argv, out, std::cerr); });
}

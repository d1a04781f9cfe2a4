// lumigrid-cli preview: one pass of a display list or HEX file as the sign
// shows it (ProgramPlayback.h), as an animated GIF (PreviewAnimation.h).
#ifndef LUMIGRID_CLI_PREVIEWCOMMAND_H
#define LUMIGRID_CLI_PREVIEWCOMMAND_H

#include "cli/CommandLine.h"

void AddPreviewCommand(CLI::App& program, CliContext& context);

#endif

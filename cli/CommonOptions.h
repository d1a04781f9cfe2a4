// The options that several commands take, each declared here once: -o, --size,
// --scale, --mode, --wait, --format, --style and --planes.
#ifndef LUMIGRID_CLI_COMMONOPTIONS_H
#define LUMIGRID_CLI_COMMONOPTIONS_H

#include <initializer_list>
#include <string>

#include "cli/OptionValues.h"
#include "pattern/document/LedFileHeader.h"
#include "pattern/document/PictureCanvas.h"
#include "pattern/hex/HexOptions.h"
#include "picture/PatternRender.h"

// -o, --output: the file the command writes, required. typeName stands for it
// in the help ("OUT.hex"); missing says what an empty name lacks, the help's
// words when it is empty.
CLI::Option* AddOutputOption(CLI::App* command, std::string& path, const std::string& typeName,
                             const std::string& help, const std::string& missing = std::string());
// --size COLUMNSxROWS.
CLI::Option* AddSizeOption(CLI::App* command, FrameSize& size, const std::string& help);
// --scale: pixels a LED, 1 to MaxScale.
CLI::Option* AddScaleOption(CLI::App* command, unsigned& scale, const std::string& help);
// --mode: the display mode, its names offered in the order given; mode's
// value as it stands is the default the help names.
CLI::Option* AddModeOption(CLI::App* command, ControlCode& mode, std::initializer_list<ControlCode> order);
// --wait, 1 to 255.
CLI::Option* AddWaitOption(CLI::App* command, unsigned long& wait);
// --format 8bit|16bit|20bit|32bit: an Intel HEX record format; help is
// followed by its default.
CLI::Option* AddHexFormatOption(CLI::App* command, HexFormat& format, const std::string& help);
// The format a name of --format stands for; false when it names none.
bool ParseHexFormat(const std::string& name, HexFormat* format);
// --style sign|editor, of the commands that draw LEDs.
CLI::Option* AddStyleOption(CLI::App* command, RenderStyle& style);
// --planes one|two, of the commands that make or show pictures (text,
// effect, import, preview): planes is two unless given; help says what a
// picture of each is to the command.
CLI::Option* AddPlanesOption(CLI::App* command, Planes& planes, const std::string& help);

#endif

#include "cli/CommonOptions.h"

namespace {

// The display modes by the names options take.
const Choice<ControlCode>& Modes() {
    static const Choice<ControlCode> choice = {
        {"normal", ControlNormal}, {"animation", ControlAnimation}, {"scroll", ControlScroll}, {"onoff", ControlOnOff}};
    return choice;
}

const Choice<HexFormat>& HexFormats() {
    static const Choice<HexFormat> choice = {{"8bit", HexFormat::EightBit},
                                             {"16bit", HexFormat::SixteenBit},
                                             {"20bit", HexFormat::SegmentAddress20},
                                             {"32bit", HexFormat::Linear32}};
    return choice;
}

const Choice<RenderStyle>& Styles() {
    static const Choice<RenderStyle> choice = {{"sign", RenderStyle::Sign}, {"editor", RenderStyle::Editor}};
    return choice;
}

const Choice<Planes>& PlaneCounts() {
    static const Choice<Planes> choice = {{"one", Planes::One}, {"two", Planes::Two}};
    return choice;
}

}  // namespace

CLI::Option* AddOutputOption(CLI::App* command, std::string& path, const std::string& typeName,
                             const std::string& help, const std::string& missing) {
    return command->add_option("-o,--output", path, help)
        ->required()
        ->type_name(typeName)
        ->check(NotEmpty(missing.empty() ? help : missing));
}

CLI::Option* AddSizeOption(CLI::App* command, FrameSize& size, const std::string& help) {
    return command->add_option("--size", size, help)->type_name("COLUMNSxROWS")->check(FrameSizeText());
}

CLI::Option* AddScaleOption(CLI::App* command, unsigned& scale, const std::string& help) {
    return AddNumberOption(command, "--scale", scale, 1, MaxScale, help);
}

CLI::Option* AddModeOption(CLI::App* command, ControlCode& mode, std::initializer_list<ControlCode> order) {
    const Choice<ControlCode> modes = Modes().InOrder(order);
    return AddChoiceOption(command, "--mode", mode, modes, "the display mode (default " + modes.NameOf(mode) + ")");
}

CLI::Option* AddWaitOption(CLI::App* command, unsigned long& wait) {
    return AddNumberOption(command, "--wait", wait, 1, 255, "the wait, 1 to 255 (default 1)");
}

CLI::Option* AddStyleOption(CLI::App* command, RenderStyle& style) {
    return AddChoiceOption(command, "--style", style, Styles(),
                           "sign (round LEDs lit on a dark ground, the\ndefault) or editor (the editor's grid)");
}

CLI::Option* AddHexFormatOption(CLI::App* command, HexFormat& format, const std::string& help) {
    return AddChoiceOption(command, "--format", format, HexFormats(), help + " (default " + HexFormats().NameOf(format) + ")");
}

bool ParseHexFormat(const std::string& name, HexFormat* format) { return HexFormats().ValueOf(name, format); }

CLI::Option* AddPlanesOption(CLI::App* command, Planes& planes, const std::string& help) {
    planes = Planes::Two;
    return AddChoiceOption(command, "--planes", planes, PlaneCounts(), help);
}

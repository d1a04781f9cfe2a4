#include "cli/EffectCommand.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommonOptions.h"
#include "effects/EffectSequence.h"
#include "pattern/document/LedFile.h"

namespace {

const char EffectHelp[] =
    "Makes a pattern of IN's pictures (or of picture N alone) with effects:\n"
    "for each picture the --in transition ending with the full picture,\n"
    "--hold more copies of it (default 0), then the --out transition ending\n"
    "dark. A picture is two frames side by side, its two planes, and every\n"
    "effect covers both (--planes one: a picture is a frame; --frame N takes\n"
    "frame N alone on one plane). Each effect moves --step LEDs a picture\n"
    "(1-255, default 1); dissolve takes 16 pictures in an order shuffled by\n"
    "--seed, blink 6. The header is IN's; a dark frame makes the count even;\n"
    "at most 2048 frames.";

struct EffectArguments {
    std::string pattern, output;
    Effect in = Effect::None, out = Effect::None;
    Planes planes = Planes::Two;
    unsigned long hold = 0, step = 1, frame = 0, picture = 0, seed = 0;
    bool haveFrame = false, havePicture = false, havePlanes = false;
};

// The effects by the names that effects/ gives them.
Choice<Effect> Effects() {
    Choice<Effect>::Names names;
    for (std::size_t i = 0; i < EffectNameCount; ++i) names.emplace_back(EffectNames[i].name, EffectNames[i].effect);
    return Choice<Effect>(names);
}

// The choices in lines of the help's width.
std::string WrappedChoices(const std::string& choices) {
    std::string wrapped, line;
    std::size_t start = 0;
    while (start < choices.size()) {
        std::size_t end = choices.find(' ', start);
        if (end == std::string::npos) end = choices.size();
        const std::string word = choices.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > 48) {
            wrapped += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return wrapped + line;
}

std::string Frames(std::uint64_t count) { return std::to_string(count) + (count == 1 ? " frame" : " frames"); }
std::string Pictures(std::uint64_t count) { return std::to_string(count) + (count == 1 ? " picture" : " pictures"); }

// The planes of the pictures taken: --frame takes a frame of one plane.
Planes PlanesTaken(const EffectArguments& arguments) { return arguments.haveFrame ? Planes::One : arguments.planes; }

// What the picture or frame asked names, checked against the pictures of
// the source; empty when it is there.
std::string MissingPicture(const EffectArguments& arguments, const LedPattern& source) {
    const std::uint32_t pictures = PictureCount(source.frameCount, PlanesTaken(arguments));
    if (arguments.haveFrame && arguments.frame >= pictures)
        return QuotedName(arguments.pattern) + " has " + Frames(source.frameCount) + "; --frame takes 0 to " +
               std::to_string(pictures - 1);
    if (arguments.havePicture && arguments.picture >= pictures)
        return QuotedName(arguments.pattern) + " has " + Pictures(pictures) + " of " +
               (PlanesTaken(arguments) == Planes::Two ? "two planes" : "one plane") + "; --picture takes 0 to " +
               std::to_string(pictures - 1);
    return std::string();
}

int MakeEffect(const EffectArguments& arguments, std::ostream& err) {
    if (arguments.haveFrame && arguments.havePicture)
        return PrintUsageError(err, "effect: --frame and --picture each take what is made alone; give one");
    if (arguments.haveFrame && arguments.havePlanes && arguments.planes == Planes::Two)
        return PrintUsageError(err, "effect: --frame takes a frame of one plane; with two, --picture takes a picture");
    PatternLoadResult loaded = ReadPatternFile(arguments.pattern.c_str());
    if (!loaded.pattern)
        return PrintFailure(err, "cannot load " + QuotedName(arguments.pattern) + ": " +
                                     DescribePatternLoadStatus(loaded.status));
    const LedPattern& source = *loaded.pattern;
    if (source.frameCount == 0 || source.columns == 0 || source.rows == 0)
        return PrintFailure(err, QuotedName(arguments.pattern) + " has no LEDs to move");
    const std::string missing = MissingPicture(arguments, source);
    if (!missing.empty()) return PrintFailure(err, missing);
    EffectChoice choice;
    choice.in = arguments.in;
    choice.out = arguments.out;
    choice.hold = static_cast<unsigned>(arguments.hold);
    choice.step = static_cast<unsigned>(arguments.step);
    choice.seed = static_cast<std::uint32_t>(arguments.seed);
    const Planes planes = PlanesTaken(arguments);
    const bool alone = arguments.haveFrame || arguments.havePicture;
    const std::uint32_t first = static_cast<std::uint32_t>(arguments.haveFrame ? arguments.frame : arguments.picture);
    const std::uint32_t count = alone ? 1 : PictureCount(source.frameCount, planes);
    EffectSequenceResult made = MakeEffectSequence(source, first, count, choice, planes);
    switch (made.status) {
    case EffectSequenceStatus::Made: break;
    case EffectSequenceStatus::TooManyFrames: {
        const bool frames = planes == Planes::One;
        const std::uint64_t each = EffectFramesPerFrame(source, choice, planes);
        return PrintFailure(err, "the effects make " + Frames(made.frameCount) + " (" +
                                     (frames ? std::to_string(each) : Pictures(each)) + " for each of " +
                                     (frames ? Frames(count) : Pictures(count)) + "); a pattern holds at most " +
                                     std::to_string(LedPattern::MaxFrames));
    }
    case EffectSequenceStatus::OutOfMemory: return PrintFailure(err, "not enough memory for the frames");
    case EffectSequenceStatus::NoFrames: return PrintFailure(err, QuotedName(arguments.pattern) + " has no frames");
    }
    if (!SavePatternFile(*made.pattern, arguments.output.c_str()))
        return PrintFailure(err, CannotWrite(arguments.output));
    return CliSuccess;
}

}  // namespace

void AddEffectCommand(CLI::App& program, CliContext& context) {
    auto arguments = std::make_shared<EffectArguments>();
    const Choice<Effect> effects = Effects();
    CLI::App* command = program.add_subcommand("effect", EffectHelp);
    command->add_option("IN.led", arguments->pattern, "the pattern whose pictures are taken")
        ->required()
        ->check(NotEmpty("a pattern file"));
    AddOutputOption(command, arguments->output, "OUT.led", "the pattern file to write");
    AddChoiceOption(command, "--in", arguments->in, effects,
                    "the effect that brings each frame in:\n" + WrappedChoices(effects.InWords()), "EFFECT")
        ->required();
    AddChoiceOption(command, "--out", arguments->out, effects,
                    "the effect that takes it out (default " + effects.NameOf(arguments->out) + ")", "EFFECT");
    AddNumberOption(command, "--hold", arguments->hold, 0, MaxEffectHold,
                    "copies of the full frame between them,\n0 to 2048 (default 0)");
    AddNumberOption(command, "--step", arguments->step, 1, MaxEffectStep,
                    "LEDs an effect moves a frame, 1 to 255 (default 1)");
    AddNumberOption(command, "--picture", arguments->picture, 0, LedPattern::MaxFrames - 1,
                    "takes picture N alone (from 0)")
        ->each([arguments](const std::string&) { arguments->havePicture = true; });
    AddNumberOption(command, "--frame", arguments->frame, 0, LedPattern::MaxFrames - 1,
                    "takes frame N alone (from 0), on one plane")
        ->each([arguments](const std::string&) { arguments->haveFrame = true; });
    AddPlanesOption(command, arguments->planes, "a picture: two frames side by side (two, the\ndefault) or one frame (one)")
        ->each([arguments](const std::string&) { arguments->havePlanes = true; });
    AddNumberOption(command, "--seed", arguments->seed, 0, 4294967295ul,
                    "the order of dissolve, 0 to 4294967295 (default 0)");
    SetAction(command, context, [arguments, &context]() { return MakeEffect(*arguments, context.err); });
}

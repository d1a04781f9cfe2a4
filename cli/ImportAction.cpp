// lumigrid-cli import, once its arguments are read: the pictures decoded
// and fitted, or exported code read back, and the pattern written.
#include "cli/ImportCommand.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/StandardInput.h"
#include "export/CodeImport.h"
#include "pattern/document/FrameTools.h"
#include "pattern/document/LedFile.h"
#include "picture/ImageImport.h"

namespace {

// Exported code read back by the export's own reader.
int ImportCode(const ImportArguments& arguments, const std::string& path, const StandardInputFile& input,
               std::ostream& err) {
    ReadHints hints;
    hints.hasLayout = LayoutGiven(arguments.layout);
    hints.layout = LayoutOf(arguments.layout);
    hints.layout.planes = arguments.planes;
    hints.layout.invert = arguments.invert;
    hints.size = PictureSize{arguments.size.columns, arguments.size.rows};
    LedPattern pattern;
    const CodeImport imported = ImportExportedCode(path.c_str(), hints, pattern);
    if (!imported.problem.empty())
        return PrintFailure(err, "cannot read " + QuotedName(arguments.images[0]) + ": " + input.Shown(imported.problem));
    if (!SavePatternFile(pattern, arguments.output.c_str())) return PrintFailure(err, CannotWrite(arguments.output));
    return CliSuccess;
}

}  // namespace

int RunImport(const ImportArguments& arguments, std::ostream& err) {
    ImportOptions options;
    options.controlCode = arguments.mode;
    options.wait = static_cast<std::uint8_t>(arguments.wait);
    options.threshold = static_cast<unsigned>(arguments.threshold);
    options.invert = arguments.invert;
    options.dither = arguments.dither;
    if (arguments.thresholdGiven && options.dither != Dither::None)
        return PrintUsageError(err, "import: --threshold applies only to --dither none");
    options.columns = static_cast<int>(arguments.size.columns);
    options.rows = static_cast<int>(arguments.size.rows);
    options.fit = arguments.fit;
    options.alignment = arguments.align;
    options.cropped = arguments.cropped;
    options.crop = arguments.crop;
    options.planes = arguments.planes;

    StandardInputFile input;
    std::vector<std::string> images;
    std::string problem;
    if (std::count(arguments.images.begin(), arguments.images.end(), StandardInputFile::Name) > 1)
        return PrintUsageError(err, "import: standard input (-) can be read once only");
    for (const std::string& image : arguments.images) {
        images.push_back(input.PathFor(image, &problem));
        if (images.back().empty()) return PrintFailure(err, problem);
    }
    if (images.size() == 1 && (LayoutGiven(arguments.layout) || IsExportedCodeFile(images[0].c_str())))
        return ImportCode(arguments, images[0], input, err);
    ImportResult imported = ImportImages(images, options);
    if (!imported.pattern) return PrintFailure(err, input.Shown(DescribeImportProblem(imported.problem)));
    LedPattern& pattern = *imported.pattern;
    // The display program shows frames in pairs: an odd count gets a dark
    // frame, as text pads its frames.
    const std::uint32_t pictures = pattern.frameCount;
    if (pictures % 2 != 0 && !InsertBlankFrame(pattern, pictures))
        return PrintFailure(err, "not enough memory for the pattern");
    if (!SavePatternFile(pattern, arguments.output.c_str()))
        return PrintFailure(err, CannotWrite(arguments.output));
    if (pictures % 2 != 0)
        PrintNote(err, std::to_string(pictures) + (pictures == 1 ? " frame" : " frames") +
                           ": a dark frame is added after the last, as the display program shows frames in pairs");
    return CliSuccess;
}

#include "cli/DecodeRender.h"

#include <cstdio>
#include <vector>

#include "cli/Cli.h"
#include "cli/CommandContext.h"
#include "cli/OutputFolder.h"
#include "panekit/File.h"
#include "pattern/files/ReplacementFile.h"
#include "pattern/program/FrameBitmap.h"
#include "picture/ImageCodec.h"
#include "picture/PatternRender.h"

namespace {

std::string FramePictureName(std::size_t pattern, std::size_t frame) {
    char text[48];
    std::snprintf(text, sizeof text, "pattern-%03zu-frame-%04zu.png", pattern, frame);
    return text;
}

// The pictures' names, every frame of every pattern in order.
std::vector<std::string> PictureNames(const ProgramSurvey& survey) {
    std::vector<std::string> names;
    std::size_t pattern = 0;
    for (const RecoveredEntry& entry : survey.entries) {
        for (std::size_t f = 0; f < entry.frameCount; ++f) names.push_back(FramePictureName(pattern, f));
        pattern += !entry.reset;
    }
    return names;
}

// Draws the frame in frame.frames to path. Empty when it went well, else the
// failure.
std::string WritePicture(const LedPattern& frame, unsigned scale, const std::string& path, OutputFolder& folder) {
    RgbPicture picture;
    if (RenderFrames(frame, 0, 1, scale, 1, &picture, DefaultRenderStyle) != RenderStatus::Rendered)
        return "not enough memory for the picture";
    const std::vector<std::uint8_t> png = EncodePng(picture.pixels.data(), picture.width, picture.height);
    const bool existed = CFile::Exists(path.c_str());
    ReplacementFile output;
    if (png.empty() || !output.Create(path.c_str()) || !output.Write(png.data(), png.size()) || !output.Commit())
        return CannotWrite(path);
    folder.Written(path, existed);
    return std::string();
}

// Reads the image again and draws every frame. Empty when all went well,
// else the failure.
std::string WritePictures(const DecodedFile& file, const std::string& directory, unsigned scale, LedPattern& frame,
                          OutputFolder& folder) {
    std::unique_ptr<ImageSource> image = OpenImage(file);
    EntryWalk walk(*image, file.columns, file.rows);
    std::vector<std::uint8_t> bitmap(walk.Program().FrameBytes());
    ProgramItem item;
    while (walk.Next(&item)) {
        if (!walk.Entry()) continue;
        const std::size_t first = item.firstFrame - walk.Entry()->firstFrame;
        for (std::size_t f = first; f < first + 2 * static_cast<std::size_t>(item.pairs); ++f) {
            if (!walk.Program().ReadFrame(bitmap.data())) return ChangedWhileRead;
            ReadFrameBitmap(bitmap.data(), file.columns, file.rows, frame.frames.get());
            const std::string failure =
                WritePicture(frame, scale, InDirectory(directory, FramePictureName(walk.PatternNumber(), f)), folder);
            if (!failure.empty()) return failure;
        }
    }
    return walk.Program().Sound() ? std::string() : ChangedWhileRead;
}

}  // namespace

int RenderDecodedFrames(const DecodedFile& file, const std::string& directory, unsigned scale, bool force,
                        std::ostream& out, std::ostream& err) {
    LedPattern frame;
    frame.Create(file.columns, file.rows);
    std::uint64_t width = 0, height = 0;
    RenderedSize(frame, 1, scale, 1, &width, &height, DefaultRenderStyle);
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        return PrintFailure(err, "a frame's picture would be " + std::to_string(width) + " x " +
                                     std::to_string(height) + " pixels; at most " + std::to_string(MaxPictureSide) +
                                     " on a side and " + std::to_string(MaxPicturePixels) +
                                     " in all (try a smaller --scale)");
    const std::vector<std::string> names = PictureNames(file.survey);
    std::vector<std::string> targets;
    for (const std::string& name : names) targets.push_back(InDirectory(directory, name));
    OutputFolder folder;
    const std::string problem = folder.Prepare(directory, targets, force);
    if (!problem.empty()) return PrintFailure(err, problem);

    const std::string failure = WritePictures(file, directory, scale, frame, folder);
    if (!failure.empty()) {
        folder.RemoveWritten();
        return PrintFailure(err, failure);
    }
    out << directory << ": " << Counted(targets.size(), "picture", "pictures") << " of "
        << SizeText(file.columns, file.rows) << " LEDs, " << scale << (scale == 1 ? " pixel" : " pixels") << " a LED";
    if (!names.empty()) out << " (" << names.front() << " .. " << names.back() << ")";
    out << "\n";
    return CliSuccess;
}

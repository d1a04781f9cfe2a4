// A display list played into an animated GIF, read back with giflib.
#include "picture/PreviewAnimation.h"

#include <gif_lib.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pattern/document/LedFile.h"
#include "tests/support/ScratchDirectory.h"

namespace {

std::string SavePattern(const ScratchDirectory& scratch, const char* name, std::uint8_t controlCode, std::uint8_t wait,
                        unsigned litColumn) {
    LedPattern pattern;
    pattern.Create(3, 2);
    pattern.SetFrameCount(2);
    pattern.SetPixel(0, litColumn, 0);
    pattern.header.controlCode = controlCode;
    pattern.header.wait = wait;
    const std::string path = scratch.File(name);
    EXPECT_TRUE(SavePatternFile(pattern, path.c_str()));
    return path;
}

struct GifFrame {
    int delay;
    std::vector<GifColorType> pixels;
};

std::vector<GifFrame> ReadGif(const std::string& path, int* width, int* height, int* loops) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    EXPECT_NE(nullptr, gif) << GifErrorString(error);
    if (!gif) return {};
    EXPECT_EQ(GIF_OK, DGifSlurp(gif));
    *width = gif->SWidth;
    *height = gif->SHeight;
    *loops = -1;
    std::vector<GifFrame> frames;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e)
            if (image.ExtensionBlocks[e].Function == APPLICATION_EXT_FUNC_CODE &&
                std::string(reinterpret_cast<char*>(image.ExtensionBlocks[e].Bytes), 11) == "NETSCAPE2.0")
                *loops = image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
        GraphicsControlBlock control;
        EXPECT_EQ(GIF_OK, DGifSavedExtensionToGCB(gif, i, &control));
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        GifFrame frame{control.DelayTime, {}};
        for (int p = 0; p < gif->SWidth * gif->SHeight; ++p) frame.pixels.push_back(map->Colors[image.RasterBits[p]]);
        frames.push_back(frame);
    }
    DGifCloseFile(gif, &error);
    return frames;
}

bool Is(const GifColorType& colour, const RgbColour& expected) {
    return colour.Red == expected.red && colour.Green == expected.green && colour.Blue == expected.blue;
}

TEST(PreviewAnimation, ListPlayedIntoAGifWhoseDelaysAddUpToTheProgram) {
    ScratchDirectory scratch;
    DisplayList list;
    ASSERT_TRUE(list.SelectFile(scratch.File("show.ll").c_str(), true));
    // Normal wait 3 twice (one GIF frame of 6 ticks), a reset, On-Off wait 2.
    const std::string left = SavePattern(scratch, "left.led", ControlNormal, 3, 0);
    for (const std::string& entry : {left, left, std::string(ResetMark), SavePattern(scratch, "right.led", ControlOnOff, 2, 2)})
        ASSERT_TRUE(list.Add(entry.c_str(), false));
    const PlaybackLoad load = LoadListPlayback(list, 0, 0);
    ASSERT_TRUE(load.loaded) << load.problem;
    ASSERT_EQ(11u, load.playback.ticks);

    PreviewOptions options;
    options.tickMilliseconds = 125;   // 13 hundredths
    options.scale = 4;
    const std::string path = scratch.File("show.gif");
    const PreviewGifResult result = WritePreviewGif(load.playback, options, path.c_str());
    ASSERT_EQ(PreviewGifStatus::Written, result.status) << result.problem;
    EXPECT_EQ(11u * 13, result.hundredths);

    int width = 0, height = 0, loops = 0;
    const std::vector<GifFrame> frames = ReadGif(path, &width, &height, &loops);
    // Two planes of 3 x 2 LEDs at 4 pixels, a cell apart.
    EXPECT_EQ(28, width);
    EXPECT_EQ(8, height);
    EXPECT_EQ(0, loops) << "plays for ever";
    ASSERT_EQ(4u, frames.size()) << "left (6 ticks), the reset (1), right (2), On-Off's dark (2)";
    EXPECT_EQ(6 * 13, frames[0].delay);
    EXPECT_EQ(1 * 13, frames[1].delay);
    EXPECT_EQ(2 * 13, frames[2].delay);
    EXPECT_EQ(2 * 13, frames[3].delay);
    auto at = [&](const GifFrame& frame, int x, int y) { return frame.pixels[static_cast<std::size_t>(y) * width + x]; };
    EXPECT_TRUE(Is(at(frames[0], 2, 2), SignLitColour)) << "LED (0, 0), its middle";
    EXPECT_TRUE(Is(at(frames[0], 6, 2), SignUnlitColour));
    EXPECT_TRUE(Is(at(frames[0], 13, 2), SignBackgroundColour)) << "between the planes";
    EXPECT_TRUE(Is(at(frames[1], 2, 2), SignUnlitColour)) << "dark";
    EXPECT_TRUE(Is(at(frames[2], 10, 2), SignLitColour)) << "right: LED (2, 0)";
    EXPECT_TRUE(Is(at(frames[2], 2, 2), SignUnlitColour));
}

}  // namespace

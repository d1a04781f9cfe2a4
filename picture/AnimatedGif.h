// AnimatedGif: an animated GIF written frame by frame through giflib (the
// native build takes Debian's libgif-dev; the Windows builds compile
// giflib from Debian's source package, so that both write the same bytes).
//
// Frames are whole pictures of the GIF's size, each with its delay in
// hundredths of a second, GIF's unit. A delay longer than a GIF frame can
// hold (655.35 s) is written as several frames of the same picture. Each
// frame's colours (at most 256) make its colour table; a frame with the
// first frame's colours uses that one as the global table.
//
// The file is written beside its target and takes its place only when
// Finish has written all of it; until then, and after any failure, the
// target stays as it was.
#ifndef LUMIGRID_PICTURE_ANIMATEDGIF_H
#define LUMIGRID_PICTURE_ANIMATEDGIF_H

#include <cstdint>
#include <memory>
#include <vector>

#include "picture/PatternRender.h"

enum class GifWriteStatus { Written, TooManyColours, WrongSize, OutOfMemory, CannotWrite };

class AnimatedGifWriter {
public:
    AnimatedGifWriter();
    ~AnimatedGifWriter();
    AnimatedGifWriter(const AnimatedGifWriter&) = delete;
    AnimatedGifWriter& operator=(const AnimatedGifWriter&) = delete;

    // plays: how often the animation plays, 0 for ever.
    bool Begin(const char* path, int width, int height, unsigned plays);
    bool Add(const RgbPicture& picture, std::uint32_t hundredths);
    // Ends the file and puts it in place. Nothing is written after a failure.
    bool Finish();
    GifWriteStatus Status() const { return status_; }

private:
    struct State;
    bool Fail(GifWriteStatus status);
    bool WriteFrame(const RgbPicture& picture, std::uint16_t hundredths);

    std::unique_ptr<State> state_;
    GifWriteStatus status_;
};

const char* DescribeGifWriteStatus(GifWriteStatus status);

#endif

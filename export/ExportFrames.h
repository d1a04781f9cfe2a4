// ExportFrames: the pictures of a pattern that an export takes, one at a
// time through the layout, so that no export holds more than one picture
// besides its output.
#ifndef LUMIGRID_EXPORT_EXPORTFRAMES_H
#define LUMIGRID_EXPORT_EXPORTFRAMES_H

#include <cstdint>
#include <string>
#include <vector>

#include "export/ExportOptions.h"
#include "export/LayoutPipeline.h"
#include "pattern/document/LedPattern.h"

// A frame's delay as the preview plays it: the wait (0 counts as 1) times the
// tick for Normal and On-Off, one tick for Animation and Scroll.
std::uint32_t FrameDelayMilliseconds(const LedFileHeader& header, unsigned tickMilliseconds);

class ExportFrames {
public:
    // The options must have passed CheckExportOptions and the range must lie
    // in the pattern (see PicturesOf).
    ExportFrames(const LedPattern& pattern, const ExportOptions& options, PictureRange range);

    std::uint32_t Count() const { return range_.count; }
    std::uint32_t FirstPicture() const { return range_.first; }
    PictureSize Exported() const { return coder_.Exported(); }
    std::size_t FrameBytes() const { return coder_.FrameBytes(); }
    std::uint32_t DelayMilliseconds() const { return delay_; }
    const ExportLayout& Layout() const { return coder_.Layout(); }
    FrameCoder& Coder() { return coder_; }

    // Makes frame i (picture FirstPicture() + i) the current one.
    void Load(std::uint32_t i);
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    const PictureCanvas& Picture() const { return picture_; }
    // The current picture as exported (rotated and mirrored), for its art.
    const PictureCanvas& Shown();
    // The LED indices of its lit LEDs, in scan order.
    std::vector<std::uint32_t> Lit() { return coder_.LitIndices(picture_); }

private:
    const LedPattern& pattern_;
    PictureRange range_;
    FrameCoder coder_;
    std::uint32_t delay_;
    PictureCanvas picture_;
    PictureCanvas shown_;
    bool shownReady_ = false;
    std::vector<std::uint8_t> bytes_;
};

// The pictures of the pattern that the range names: empty when they are
// all there, else why not.
std::string PicturesOf(const LedPattern& pattern, Planes planes, PictureRange requested, PictureRange* range);

#endif

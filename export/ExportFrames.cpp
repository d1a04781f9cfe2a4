#include "export/ExportFrames.h"

std::uint32_t FrameDelayMilliseconds(const LedFileHeader& header, unsigned tickMilliseconds) {
    if (header.controlCode == ControlNormal || header.controlCode == ControlOnOff)
        return (header.wait == 0 ? 1u : header.wait) * tickMilliseconds;
    return tickMilliseconds;
}

std::string PicturesOf(const LedPattern& pattern, Planes planes, PictureRange requested, PictureRange* range) {
    const std::uint32_t pictures = PictureCount(pattern.frameCount, planes);
    if (pictures == 0) return "the pattern has no frames";
    if (requested.first >= pictures || (requested.count != 0 && requested.count > pictures - requested.first))
        return "the pattern has " + std::to_string(pictures) + (pictures == 1 ? " picture" : " pictures") +
               " (numbered from 0) with " + PlanesName(planes) + (planes == Planes::One ? " plane" : " planes");
    range->first = requested.first;
    range->count = requested.count == 0 ? pictures - requested.first : requested.count;
    return std::string();
}

ExportFrames::ExportFrames(const LedPattern& pattern, const ExportOptions& options, PictureRange range)
    : pattern_(pattern),
      range_(range),
      coder_(options.layout, PictureSize{pattern.columns * PlaneCount(options.layout.planes), pattern.rows}),
      delay_(FrameDelayMilliseconds(pattern.header, options.tickMilliseconds)),
      bytes_(coder_.FrameBytes()) {}

void ExportFrames::Load(std::uint32_t i) {
    picture_ = PictureOf(pattern_, range_.first + i, coder_.Layout().planes);
    coder_.Encode(picture_, bytes_.data());
    shownReady_ = false;
}

const PictureCanvas& ExportFrames::Shown() {
    const ExportLayout& layout = coder_.Layout();
    if (layout.rotate == 0 && layout.mirror == Mirror::None) return picture_;
    if (!shownReady_) {
        shown_ = TransformPicture(picture_, layout);
        shownReady_ = true;
    }
    return shown_;
}

#include "export/ExportReader.h"

#include <algorithm>
#include <cstring>

#include "export/LayoutPresets.h"
#include "export/ReadBack.h"

unsigned long LinesBetween(const char* from, const char* to) {
    unsigned long lines = 0;
    while (const void* newline = std::memchr(from, '\n', static_cast<std::size_t>(to - from))) {
        ++lines;
        from = static_cast<const char*>(newline) + 1;
    }
    return lines;
}

unsigned long LineAt(const char* text, std::size_t offset) { return 1 + LinesBetween(text, text + offset); }

std::string ExportReadError::Describe() const {
    return line ? "line " + std::to_string(line) + ": " + what : what;
}

namespace {

bool Fail(ExportReadError* error, unsigned long line, const std::string& what) {
    error->line = line;
    error->what = what;
    return false;
}

std::string SizeName(PictureSize size) { return std::to_string(size.width) + " x " + std::to_string(size.height); }

// Empty when a pattern can hold pictures of that exported size, else why not.
std::string CheckExportedSize(const ExportLayout& layout, PictureSize exported) {
    if (exported.width == 0 || exported.height == 0) return "the frame's size is not known: give it";
    if (exported.width > MaxExportedSide || exported.height > MaxExportedSide)
        return "a frame of " + SizeName(exported) + " is larger than any picture of a pattern";
    const PictureSize picture = PictureSizeOf(layout, exported);
    if (picture.height > 255 || picture.width > 255 * PlaneCount(layout.planes))
        return "a picture of " + SizeName(picture) + " does not fit frames of at most 255 x 255 with " +
               PlanesName(layout.planes) + (layout.planes == Planes::One ? " plane" : " planes");
    return std::string();
}

// The layout and size of what was read: its own, or the caller's.
bool ChooseLayout(const ReadBack& read, const ReadHints& hints, ExportLayout* layout, PictureSize* size,
                  ExportReadError* error) {
    if (read.hasLayout) {
        *layout = read.line.layout;
        *size = read.line.size;
        if (read.stacked && read.size.width != 0 &&
            (read.size.width != size->width || read.size.height != size->height * read.line.frames))
            return Fail(error, 0, "the XBM image of " + SizeName(read.size) + " is not " +
                                      std::to_string(read.line.frames) + " frames of " + SizeName(*size));
        return true;
    }
    if (!hints.hasLayout && !read.stacked) return Fail(error, 0, "the text has no layout line: give its layout and its frame's size");
    *layout = hints.layout;
    // XBM has one layout, whatever was given for the rest.
    if (read.stacked) ApplyLayoutPreset(*FindLayoutPreset("xbm"), *layout);
    *size = hints.size.width != 0 ? hints.size : read.size;
    if (read.stacked && read.size.width != 0 && size->width != 0 && size->height != 0 &&
        (read.size.width != size->width || read.size.height % size->height != 0))
        return Fail(error, 0, "the XBM image of " + SizeName(read.size) + " is not made of frames of " + SizeName(*size));
    return true;
}

// Words were kept big-endian; the layout may have them the other way.
void PutWordsInOrder(std::vector<std::uint8_t>& bytes, unsigned wordBytes, ByteOrder order) {
    if (wordBytes == 1 || order == ByteOrder::Big) return;
    for (std::size_t i = 0; i + wordBytes <= bytes.size(); i += wordBytes)
        std::reverse(bytes.begin() + static_cast<std::ptrdiff_t>(i), bytes.begin() + static_cast<std::ptrdiff_t>(i + wordBytes));
}

// How many frames size bytes hold: false when they do not fill whole frames.
bool CountFrames(std::size_t size, std::size_t frameBytes, std::uint32_t expected, Planes planes, unsigned long endLine,
                 std::uint32_t* frames, ExportReadError* error) {
    if (size % frameBytes != 0)
        return Fail(error, endLine, "the values end inside frame " + std::to_string(size / frameBytes) + ": " +
                                        std::to_string(size % frameBytes) + " of its " + std::to_string(frameBytes) +
                                        " bytes");
    const std::size_t count = size / frameBytes;
    if (count == 0) return Fail(error, endLine, "no frames");
    if (expected != 0 && count != expected)
        return Fail(error, endLine, "the layout line says " + std::to_string(expected) + " frames; the values hold " +
                                        std::to_string(count));
    if (count * PlaneCount(planes) > LedPattern::MaxFrames)
        return Fail(error, 0, std::to_string(count) + " pictures are more than a pattern holds");
    *frames = static_cast<std::uint32_t>(count);
    return true;
}

bool FinishReading(ReadBack& read, const ReadHints& hints, ExportedCode* code, ExportReadError* error) {
    ExportLayout layout;
    PictureSize size{0, 0};
    if (!ChooseLayout(read, hints, &layout, &size, error)) return false;
    std::string problem = CheckLayout(layout);
    if (problem.empty()) problem = CheckExportedSize(layout, size);
    if (!problem.empty()) return Fail(error, 0, problem);
    const FrameCoder coder(layout, PictureSizeOf(layout, size));
    const std::size_t frameBytes = coder.FrameBytes();
    if (read.valueBits > 8 && read.valueBits != layout.wordBits)
        return Fail(error, read.endLine, "the values are " + std::to_string(read.valueBits) + "-bit words; the layout has " +
                                             std::to_string(layout.wordBits) + "-bit words");
    PutWordsInOrder(read.bytes, read.valueBits / 8, layout.byteOrder);
    if (read.hasLayout && read.groups.size() > 1)
        for (std::size_t i = 0; i < read.groups.size(); ++i)
            if (read.groups[i].bytes != frameBytes)
                return Fail(error, read.groups[i].line, "frame " + std::to_string(i) + " has " +
                                                            std::to_string(read.groups[i].bytes) +
                                                            " bytes; a frame of this layout has " +
                                                            std::to_string(frameBytes));
    std::uint32_t frames = 0;
    if (!CountFrames(read.bytes.size(), frameBytes, read.hasLayout ? read.line.frames : 0, layout.planes, read.endLine,
                     &frames, error))
        return false;
    if (!read.delays.empty() && read.delays.size() != frames)
        return Fail(error, 0, std::to_string(read.delays.size()) + " delays for " + std::to_string(frames) + " frames");
    code->layout = layout;
    code->size = size;
    code->frames = frames;
    code->frameBytes = frameBytes;
    code->fromLayoutLine = read.hasLayout;
    code->name = read.name;
    code->bytes.swap(read.bytes);
    code->delays.swap(read.delays);
    return true;
}

bool IsJson(const char* text, std::size_t size) {
    std::size_t at = size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
    while (at < size && (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n')) ++at;
    return at < size && text[at] == '{';
}

}  // namespace

bool ReadExportedText(const char* text, std::size_t size, const ReadHints& hints, ExportedCode* code,
                      ExportReadError* error) {
    ReadBack read;
    const bool json = IsJson(text, size);
    if (!(json ? ReadJsonText(text, size, &read, error) : ReadCodeText(text, size, &read, error))) return false;
    return FinishReading(read, hints, code, error);
}

bool ReadExportedBinary(const std::uint8_t* bytes, std::size_t size, const ReadHints& hints, ExportedCode* code,
                        ExportReadError* error, bool keepBytes) {
    if (!hints.hasLayout) return Fail(error, 0, "binary data need their layout and their frame's size");
    std::string problem = CheckLayout(hints.layout);
    if (problem.empty()) problem = CheckExportedSize(hints.layout, hints.size);
    if (!problem.empty()) return Fail(error, 0, problem);
    const FrameCoder coder(hints.layout, PictureSizeOf(hints.layout, hints.size));
    std::uint32_t frames = 0;
    if (!CountFrames(size, coder.FrameBytes(), 0, hints.layout.planes, 0, &frames, error)) return false;
    code->layout = hints.layout;
    code->size = hints.size;
    code->frames = frames;
    code->frameBytes = coder.FrameBytes();
    code->fromLayoutLine = false;
    code->name.clear();
    if (keepBytes) code->bytes.assign(bytes, bytes + size);
    else code->bytes.clear();
    code->delays.clear();
    return true;
}

PictureCanvas ExportedPicture(const ExportedCode& code, FrameCoder& coder, std::uint32_t frame) {
    return coder.Decode(code.bytes.data() + static_cast<std::size_t>(frame) * code.frameBytes);
}

std::string MakePattern(const ExportedCode& code, unsigned tickMilliseconds, LedPattern& pattern) {
    const PictureSize picture = code.Picture();
    const Planes planes = code.layout.planes;
    const std::string problem = CheckExportedSize(code.layout, code.size);
    if (!problem.empty()) return problem;
    pattern.Create(static_cast<std::uint8_t>(FrameWidthFor(picture.width, planes)), static_cast<std::uint8_t>(picture.height));
    if (!SetPictureCount(pattern, code.frames, planes))
        return std::to_string(code.frames) + " pictures are more than a pattern holds";
    FrameCoder coder(code.layout, picture);
    for (std::uint32_t i = 0; i < code.frames; ++i) SetPicture(pattern, i, ExportedPicture(code, coder, i), planes);
    const bool even = !code.delays.empty() &&
                      std::all_of(code.delays.begin(), code.delays.end(), [&](std::uint32_t d) { return d == code.delays[0]; });
    const std::uint32_t ticks = tickMilliseconds && even && code.delays[0] % tickMilliseconds == 0
                                    ? code.delays[0] / tickMilliseconds : 0;
    if (ticks >= 2 && ticks <= 255) {
        pattern.header.controlCode = ControlNormal;
        pattern.header.wait = static_cast<std::uint8_t>(ticks);
    }
    return std::string();
}

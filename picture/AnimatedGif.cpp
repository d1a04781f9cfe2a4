#include "picture/AnimatedGif.h"

#include <gif_lib.h>

#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>

#include "pattern/files/ReplacementFile.h"

namespace {

const std::uint32_t MaxFrameDelay = 65535;
const char NetscapeApplication[] = "NETSCAPE2.0";

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
typedef std::unique_ptr<ColorMapObject, ColourMapDeleter> ColourMap;

std::uint32_t Key(const std::uint8_t* rgb) {
    return static_cast<std::uint32_t>(rgb[0]) << 16 | static_cast<std::uint32_t>(rgb[1]) << 8 | rgb[2];
}

// A map of a power of two entries (GIF's rule), at least 2.
ColourMap MapOf(const std::vector<std::uint32_t>& colours) {
    int size = 2;
    while (size < static_cast<int>(colours.size())) size *= 2;
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i)
        entries[i] = GifColorType{static_cast<GifByteType>(colours[i] >> 16), static_cast<GifByteType>(colours[i] >> 8),
                                  static_cast<GifByteType>(colours[i])};
    return ColourMap(GifMakeMapObject(size, entries.data()));
}

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int count) {
    ReplacementFile* file = static_cast<ReplacementFile*>(gif->UserData);
    return file->Write(bytes, static_cast<std::size_t>(count)) ? count : 0;
}

}  // namespace

struct AnimatedGifWriter::State {
    ReplacementFile file;
    GifFileType* gif = nullptr;
    int width = 0, height = 0;
    unsigned plays = 0;
    bool screenWritten = false;
    std::vector<std::uint32_t> globalColours;   // sorted
};

AnimatedGifWriter::AnimatedGifWriter() : status_(GifWriteStatus::Written) {}

AnimatedGifWriter::~AnimatedGifWriter() {
    if (state_ && state_->gif) EGifCloseFile(state_->gif, nullptr);
}

bool AnimatedGifWriter::Fail(GifWriteStatus status) {
    if (status_ == GifWriteStatus::Written) status_ = status;
    if (state_) {
        if (state_->gif) EGifCloseFile(state_->gif, nullptr);
        state_->gif = nullptr;
        state_->file.Discard();
    }
    return false;
}

bool AnimatedGifWriter::Begin(const char* path, int width, int height, unsigned plays) {
    status_ = GifWriteStatus::Written;
    state_.reset(new (std::nothrow) State());
    if (!state_) return Fail(GifWriteStatus::OutOfMemory);
    if (width < 1 || height < 1 || width > 65535 || height > 65535) return Fail(GifWriteStatus::WrongSize);
    state_->width = width;
    state_->height = height;
    state_->plays = plays;
    if (!state_->file.Create(path)) return Fail(GifWriteStatus::CannotWrite);
    int error = 0;
    state_->gif = EGifOpen(&state_->file, WriteToFile, &error);
    if (!state_->gif) return Fail(GifWriteStatus::OutOfMemory);
    EGifSetGifVersion(state_->gif, true);
    return true;
}

bool AnimatedGifWriter::Add(const RgbPicture& picture, std::uint32_t hundredths) {
    if (!state_ || !state_->gif) return false;
    if (picture.width != state_->width || picture.height != state_->height) return Fail(GifWriteStatus::WrongSize);
    // At least one frame even for no time, so that the picture is there.
    do {
        const std::uint32_t piece = std::min(hundredths, MaxFrameDelay);
        if (!WriteFrame(picture, static_cast<std::uint16_t>(piece))) return false;
        hundredths -= piece;
    } while (hundredths > 0);
    return true;
}

bool AnimatedGifWriter::WriteFrame(const RgbPicture& picture, std::uint16_t hundredths) {
    State& state = *state_;
    const std::size_t pixels = static_cast<std::size_t>(picture.width) * picture.height;
    std::vector<std::uint32_t> colours;
    std::unordered_map<std::uint32_t, GifPixelType> index;
    std::vector<GifPixelType> indices;
    try {
        for (std::size_t i = 0; i < pixels; ++i)
            if (index.emplace(Key(&picture.pixels[i * 3]), 0).second) {
                if (index.size() > 256) return Fail(GifWriteStatus::TooManyColours);
                colours.push_back(Key(&picture.pixels[i * 3]));
            }
        std::sort(colours.begin(), colours.end());
        if (!state.screenWritten) state.globalColours = colours;
        const bool global = std::includes(state.globalColours.begin(), state.globalColours.end(), colours.begin(),
                                          colours.end());
        const std::vector<std::uint32_t>& table = global ? state.globalColours : colours;
        for (std::size_t i = 0; i < table.size(); ++i) index[table[i]] = static_cast<GifPixelType>(i);
        indices.resize(pixels);
        for (std::size_t i = 0; i < pixels; ++i) indices[i] = index[Key(&picture.pixels[i * 3])];
        if (!state.screenWritten) {
            ColourMap map = MapOf(state.globalColours);
            if (!map) return Fail(GifWriteStatus::OutOfMemory);
            if (EGifPutScreenDesc(state.gif, state.width, state.height, 8, 0, map.get()) == GIF_ERROR)
                return Fail(GifWriteStatus::CannotWrite);
            state.screenWritten = true;
            // The looping extension: a count of plays after the first; none to play once.
            if (state.plays != 1) {
                const unsigned repeats = state.plays == 0 ? 0 : std::min(state.plays - 1, 65535u);
                const GifByteType count[3] = {1, static_cast<GifByteType>(repeats & 0xFF),
                                              static_cast<GifByteType>(repeats >> 8)};
                if (EGifPutExtensionLeader(state.gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
                    EGifPutExtensionBlock(state.gif, 11, NetscapeApplication) == GIF_ERROR ||
                    EGifPutExtensionBlock(state.gif, 3, count) == GIF_ERROR ||
                    EGifPutExtensionTrailer(state.gif) == GIF_ERROR)
                    return Fail(GifWriteStatus::CannotWrite);
            }
        }
        GraphicsControlBlock control;
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = hundredths;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(state.gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR)
            return Fail(GifWriteStatus::CannotWrite);
        ColourMap local = global ? ColourMap() : MapOf(colours);
        if (!global && !local) return Fail(GifWriteStatus::OutOfMemory);
        if (EGifPutImageDesc(state.gif, 0, 0, state.width, state.height, false, local.get()) == GIF_ERROR)
            return Fail(GifWriteStatus::CannotWrite);
        for (int y = 0; y < state.height; ++y)
            if (EGifPutLine(state.gif, &indices[static_cast<std::size_t>(y) * state.width], state.width) == GIF_ERROR)
                return Fail(GifWriteStatus::CannotWrite);
    } catch (const std::bad_alloc&) {
        return Fail(GifWriteStatus::OutOfMemory);
    }
    return true;
}

bool AnimatedGifWriter::Finish() {
    if (!state_ || !state_->gif || !state_->screenWritten) return Fail(GifWriteStatus::CannotWrite);
    int error = 0;
    const int closed = EGifCloseFile(state_->gif, &error);
    state_->gif = nullptr;
    if (closed == GIF_ERROR) return Fail(GifWriteStatus::CannotWrite);
    if (!state_->file.Commit()) return Fail(GifWriteStatus::CannotWrite);
    return true;
}

const char* DescribeGifWriteStatus(GifWriteStatus status) {
    switch (status) {
    case GifWriteStatus::Written: return "written";
    case GifWriteStatus::TooManyColours: return "a picture has more than 256 colours";
    case GifWriteStatus::WrongSize: return "the pictures are not of one size a GIF can hold (1 to 65535 pixels a side)";
    case GifWriteStatus::OutOfMemory: return "not enough memory";
    case GifWriteStatus::CannotWrite: break;
    }
    return "the file could not be written";
}

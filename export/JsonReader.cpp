// Reading the exporter's JSON through RapidJSON's event reader: iterative,
// so that no nesting makes it recurse, and keeping only the bytes and the
// delays, never a document tree.
#include <string>
#include <vector>

#include "export/ReadBack.h"
#include "rapidjson/error/en.h"
#include "rapidjson/memorystream.h"
#include "rapidjson/reader.h"

namespace {

const std::size_t MaxNesting = 64;

enum class Place { Root, Layout, Frames, Frame, Bytes, Skip };

class JsonHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, JsonHandler> {
public:
    JsonHandler(const char* text, ReadBack* read, const rapidjson::MemoryStream* stream)
        : text_(text), read_(read), stream_(stream) {}

    bool Null() { return Scalar("null", false); }
    bool Bool(bool value) { return Scalar(value ? "yes" : "no", false); }
    bool Int(int value) { return value < 0 ? Refuse("a negative number") : Number(static_cast<unsigned>(value)); }
    bool Int64(std::int64_t value) {
        return value < 0 ? Refuse("a negative number") : Number(static_cast<std::uint64_t>(value));
    }
    bool Uint(unsigned value) { return Number(value); }
    bool Uint64(std::uint64_t value) { return Number(value); }
    bool Double(double) { return Refuse("a number that is not whole"); }
    bool String(const char* text, rapidjson::SizeType length, bool) {
        // The rows of the pictures are most of the text and read by no one.
        if (Here() == Place::Skip || Here() == Place::Frame) return true;
        return Scalar(std::string(text, length), true);
    }
    bool Key(const char* text, rapidjson::SizeType length, bool) {
        key_.assign(text, length);
        if (Here() == Place::Root && key_ == "layout") layoutLine_ = Line();
        return true;
    }
    bool StartObject();
    bool EndObject(rapidjson::SizeType) { return End(); }
    bool StartArray();
    bool EndArray(rapidjson::SizeType) { return End(); }

    // After the parse: the layout block with the size and the frame count.
    bool Finish(ExportReadError* error);
    const std::string& Problem() const { return problem_; }

private:
    Place Here() const { return places_.empty() ? Place::Skip : places_.back(); }
    unsigned long Line() const { return LineAt(text_, stream_->Tell()); }
    bool Refuse(const std::string& problem) {
        problem_ = (key_.empty() ? std::string() : "\"" + key_ + "\": ") + problem;
        return false;
    }
    bool Enter(Place place) {
        if (places_.size() == MaxNesting) return Refuse("nested too deep");
        places_.push_back(place);
        return true;
    }
    bool End();
    bool Number(std::uint64_t value);
    bool Scalar(const std::string& text, bool isString);

    const char* text_;
    ReadBack* read_;
    const rapidjson::MemoryStream* stream_;
    std::vector<Place> places_;
    bool started_ = false;
    std::string key_;
    std::string layoutFields_;   // "key=value ..." as the layout line has them
    bool hasLayout_ = false;
    unsigned long layoutLine_ = 0;
    std::uint64_t frameCount_ = 0;
    std::string problem_;
    std::vector<std::size_t> groupOffsets_;   // where each frame begins, made lines at the end
    std::size_t endOffset_ = 0;
};

bool JsonHandler::StartObject() {
    if (!started_) {
        started_ = true;
        return Enter(Place::Root);
    }
    switch (Here()) {
    case Place::Root:
        if (key_ != "layout") return Enter(Place::Skip);
        hasLayout_ = true;
        return Enter(Place::Layout);
    case Place::Frames:
        read_->groups.push_back(ValueGroup{0, 0});
        groupOffsets_.push_back(stream_->Tell());
        return Enter(Place::Frame);
    case Place::Frame:
        if (key_ == "bytes") return Refuse("an object where the bytes belong");
        return Enter(Place::Skip);
    case Place::Skip: return Enter(Place::Skip);
    default: return Refuse("an object where a value belongs");
    }
}

bool JsonHandler::StartArray() {
    if (!started_) return Refuse("the text is not a JSON object");
    switch (Here()) {
    case Place::Root: return Enter(key_ == "frames" ? Place::Frames : Place::Skip);
    case Place::Frame: return Enter(key_ == "bytes" ? Place::Bytes : Place::Skip);
    case Place::Skip: return Enter(Place::Skip);
    default: return Refuse("a list where a value belongs");
    }
}

bool JsonHandler::End() {
    if (Here() == Place::Frames || Here() == Place::Bytes) endOffset_ = stream_->Tell();
    places_.pop_back();
    key_.clear();
    return true;
}

bool JsonHandler::Number(std::uint64_t value) {
    switch (Here()) {
    case Place::Bytes:
        if (value > 0xFF) return Refuse(std::to_string(value) + " is not a byte");
        read_->bytes.push_back(static_cast<std::uint8_t>(value));
        ++read_->groups.back().bytes;
        return true;
    case Place::Frame:
        if (key_ != "delay_ms") return true;
        if (value > 0xFFFFFFFFu) return Refuse("too large");
        read_->delays.push_back(static_cast<std::uint32_t>(value));
        return true;
    case Place::Root:
        if (key_ == "width" || key_ == "height") {
            if (value > MaxExportedSide * LedPattern::MaxFrames) return Refuse("too large");
            (key_ == "width" ? read_->size.width : read_->size.height) = static_cast<unsigned>(value);
        } else if (key_ == "frame_count") {
            frameCount_ = value;
        }
        return true;
    default: return Scalar(std::to_string(value), false);
    }
}

bool JsonHandler::Scalar(const std::string& text, bool isString) {
    switch (Here()) {
    case Place::Layout:
        if (text.empty() || text.find_first_of(" \t\r\n=") != std::string::npos)
            return Refuse("\"" + text + "\" is not a value of the layout");
        layoutFields_ += " " + key_ + "=" + text;
        return true;
    case Place::Root:
        if (key_ == "name" && isString) read_->name = text;
        return true;
    case Place::Bytes: return Refuse("the bytes must be numbers from 0 to 255");
    case Place::Frames: return Refuse("each frame must be an object");
    default: return true;
    }
}

bool JsonHandler::Finish(ExportReadError* error) {
    // Lines counted once, in one pass, rather than at every frame.
    unsigned long groupLine = 1;
    std::size_t counted = 0;
    for (std::size_t i = 0; i < groupOffsets_.size(); ++i) {
        groupLine += LinesBetween(text_ + counted, text_ + groupOffsets_[i]);
        counted = groupOffsets_[i];
        read_->groups[i].line = groupLine;
    }
    read_->endLine = LineAt(text_, endOffset_);
    if (!hasLayout_) return true;
    if (frameCount_ == 0) frameCount_ = read_->groups.size();
    const std::string line = layoutFields_ + " width=" + std::to_string(read_->size.width) +
                             " height=" + std::to_string(read_->size.height) + " frames=" + std::to_string(frameCount_);
    const std::string problem = ParseLayoutLine(line, &read_->line);
    if (!problem.empty()) {
        error->line = layoutLine_;
        error->what = problem;
        return false;
    }
    read_->hasLayout = true;
    return true;
}

}  // namespace

bool ReadJsonText(const char* text, std::size_t size, ReadBack* read, ExportReadError* error) {
    rapidjson::MemoryStream stream(text, size);
    JsonHandler handler(text, read, &stream);
    rapidjson::Reader reader;
    const rapidjson::ParseResult result = reader.Parse<rapidjson::kParseIterativeFlag>(stream, handler);
    if (result.IsError()) {
        error->line = LineAt(text, result.Offset());
        error->what = result.Code() == rapidjson::kParseErrorTermination ? handler.Problem()
                                                                          : rapidjson::GetParseError_En(result.Code());
        return false;
    }
    if (!handler.Finish(error)) return false;
    if (read->bytes.empty()) {
        error->line = 0;
        error->what = "no frames with bytes";
        return false;
    }
    return true;
}

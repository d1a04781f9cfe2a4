#include "pattern/hex/HexImageStream.h"

#include <cstring>

#include "pattern/hex/HexImageWriter.h"

namespace {

// Text read at a time: about 23 KiB of image in records of 16 bytes.
const unsigned long TextPiece = 64 * 1024;

}  // namespace

HexImageStream::HexImageStream(const char* path)
    : file_(HexFileFilter),
      reader_(this),
      taken_(0),
      next_(0),
      opened_(false),
      textEnded_(false),
      readFailed_(false),
      outOfOrder_(false) {
    opened_ = path && file_.Open(path, 1) == 1;
    textEnded_ = !opened_;
}

HexImageStream::~HexImageStream() {
    if (opened_) file_.Close();
}

void HexImageStream::Data(std::uint64_t address, const std::uint8_t* bytes, std::size_t count) {
    if (outOfOrder_) return;
    if (address != next_) {
        outOfOrder_ = true;
        return;
    }
    pending_.insert(pending_.end(), bytes, bytes + count);
    next_ += count;
}

bool HexImageStream::Refill() {
    if (taken_ == pending_.size()) {
        pending_.clear();
        taken_ = 0;
    }
    char text[TextPiece];
    while (taken_ == pending_.size() && !textEnded_ && !outOfOrder_) {
        const unsigned long got = file_.Read(text, TextPiece);
        if (got == 0) {
            // A failed read empties the name; the end of the file does not.
            readFailed_ = !file_.GetFilename()[0];
            textEnded_ = true;
        } else if (!reader_.Feed(text, got)) {
            textEnded_ = true;
        }
    }
    return taken_ < pending_.size();
}

std::size_t HexImageStream::Read(std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count && (taken_ < pending_.size() || Refill())) {
        const std::size_t ready = pending_.size() - taken_;
        const std::size_t take = count - done < ready ? count - done : ready;
        std::memcpy(bytes + done, pending_.data() + taken_, take);
        taken_ += take;
        done += take;
    }
    return done;
}

std::uint64_t HexImageStream::Skip(std::uint64_t count) {
    std::uint64_t done = 0;
    while (done < count && (taken_ < pending_.size() || Refill())) {
        const std::size_t ready = pending_.size() - taken_;
        const std::size_t take = count - done < ready ? static_cast<std::size_t>(count - done) : ready;
        taken_ += take;
        done += take;
    }
    return done;
}

HexImageStream::Outcome HexImageStream::Finish(HexImage* summary, HexReadError* error) {
    if (!opened_) {
        error->line = 0;
        error->what = "cannot open the file";
        return Outcome::Failed;
    }
    while (Refill()) taken_ = pending_.size();
    if (readFailed_) {
        error->line = 0;
        error->what = "reading the file failed";
        return Outcome::Failed;
    }
    if (outOfOrder_) return Outcome::OutOfOrder;
    if (!reader_.Finish(summary)) {
        *error = reader_.Error();
        return Outcome::Failed;
    }
    return Outcome::Read;
}

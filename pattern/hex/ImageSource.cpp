#include "pattern/hex/ImageSource.h"

#include <cstring>

std::uint64_t ImageSource::Skip(std::uint64_t count) {
    std::uint8_t scratch[16 * 1024];
    std::uint64_t skipped = 0;
    while (skipped < count) {
        const std::uint64_t left = count - skipped;
        const std::size_t want = left < sizeof scratch ? static_cast<std::size_t>(left) : sizeof scratch;
        const std::size_t got = Read(scratch, want);
        skipped += got;
        if (got < want) break;
    }
    return skipped;
}

std::size_t MemoryImageSource::Read(std::uint8_t* bytes, std::size_t count) {
    const std::size_t take = count < size_ - at_ ? count : size_ - at_;
    if (take) std::memcpy(bytes, bytes_ + at_, take);
    at_ += take;
    return take;
}

std::uint64_t MemoryImageSource::Skip(std::uint64_t count) {
    const std::size_t take = count < size_ - at_ ? static_cast<std::size_t>(count) : size_ - at_;
    at_ += take;
    return take;
}

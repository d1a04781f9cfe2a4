// ImageSource: the bytes of an image read once from the start to the end, a
// piece at a time, so that a reader of the image need not hold it whole.
#ifndef LUMIGRID_PATTERN_IMAGESOURCE_H
#define LUMIGRID_PATTERN_IMAGESOURCE_H

#include <cstddef>
#include <cstdint>

class ImageSource {
public:
    virtual ~ImageSource() = default;
    // Up to count next bytes into bytes; fewer only at the end of the image.
    virtual std::size_t Read(std::uint8_t* bytes, std::size_t count) = 0;
    // Passes over up to count bytes; returns how many there were.
    virtual std::uint64_t Skip(std::uint64_t count);
};

// An image already in memory.
class MemoryImageSource : public ImageSource {
public:
    MemoryImageSource(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size), at_(0) {}
    std::size_t Read(std::uint8_t* bytes, std::size_t count) override;
    std::uint64_t Skip(std::uint64_t count) override;

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t at_;
};

#endif

// GIF files for tests, frame by frame, with a palette of four colours. No
// packaged library writes GIF files in every tree, so this writes the bytes
// itself, without compression: the pixel codes go out as they are, with a
// clear code after every second one, so the code width never grows past its
// first 3 bits and no string table is needed.
#ifndef LUMIGRID_TESTS_GIFWRITER_H
#define LUMIGRID_TESTS_GIFWRITER_H

#include <cstdint>
#include <vector>

class GifWriter {
public:
    struct Colour {
        std::uint8_t red, green, blue;
    };
    enum Disposal : std::uint8_t { Keep = 1, ToBackground = 2, ToPrevious = 3 };

    GifWriter(unsigned width, unsigned height, const Colour (&palette)[4]) : width_(width), height_(height) {
        const std::uint8_t header[] = {'G', 'I', 'F', '8', '9', 'a'};
        bytes_.assign(header, header + sizeof header);
        Word(width);
        Word(height);
        // A global palette of 2 ^ (1 + 1) colours.
        bytes_.insert(bytes_.end(), {0x91, 0x00, 0x00});
        for (const Colour& colour : palette) bytes_.insert(bytes_.end(), {colour.red, colour.green, colour.blue});
    }

    // One palette index per pixel, row-major, covering the whole picture.
    // transparent: the index that shows what was there before, or -1.
    void AddFrame(const std::vector<std::uint8_t>& indexes, int transparent = -1, Disposal disposal = Keep) {
        AddFrameAt(0, 0, width_, height_, indexes, transparent, disposal);
    }

    // A frame of its own size at (left, top) of the picture.
    void AddFrameAt(unsigned left, unsigned top, unsigned width, unsigned height,
                    const std::vector<std::uint8_t>& indexes, int transparent = -1, Disposal disposal = Keep) {
        const std::uint8_t flags = static_cast<std::uint8_t>(disposal << 2 | (transparent >= 0 ? 1 : 0));
        bytes_.insert(bytes_.end(), {0x21, 0xF9, 0x04, flags, 0x0A, 0x00,
                                     static_cast<std::uint8_t>(transparent >= 0 ? transparent : 0), 0x00});
        bytes_.push_back(0x2C);
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        bytes_.push_back(0x00);
        bytes_.push_back(MinimumCodeSize);

        std::vector<std::uint8_t> data;
        unsigned long bits = 0;
        unsigned count = 0;
        auto put = [&](unsigned code) {
            bits |= static_cast<unsigned long>(code) << count;
            for (count += CodeWidth; count >= 8; count -= 8, bits >>= 8) data.push_back(static_cast<std::uint8_t>(bits));
        };
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            if (i % 2 == 0) put(ClearCode);
            put(indexes[i] & 3u);
        }
        put(EndCode);
        if (count) data.push_back(static_cast<std::uint8_t>(bits));
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t piece = data.size() - at < 255 ? data.size() - at : 255;
            bytes_.push_back(static_cast<std::uint8_t>(piece));
            bytes_.insert(bytes_.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                          data.begin() + static_cast<std::ptrdiff_t>(at + piece));
        }
        bytes_.push_back(0x00);
    }

    // The file so far, with its end mark.
    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> file = bytes_;
        file.push_back(0x3B);
        return file;
    }

private:
    static constexpr std::uint8_t MinimumCodeSize = 2;
    static constexpr unsigned ClearCode = 4, EndCode = 5, CodeWidth = 3;

    void Word(unsigned value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }

    unsigned width_, height_;
    std::vector<std::uint8_t> bytes_;
};

#endif

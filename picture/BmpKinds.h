// BmpKinds: the kinds of BMP file that other programs read and the stb
// decoder does not: pictures stored top row first (a negative height), and
// run-length encoded ones of 8 and 4 bits a pixel (RLE8, RLE4). No packaged
// library decodes these in every tree (stb refuses RLE; the Windows codecs
// are not there natively), so the run-length decoder is written here.
//
// A run-length picture is decoded by its rules: runs of one colour index,
// literal stretches of indexes padded to 16 bits, line ends, a move of the
// pen and the end of the picture. Pixels the pen moves over or never reaches
// are transparent, as where the picture has nothing. Colours missing from a
// short palette are black. What runs past the right edge or the last row is
// dropped, as other readers do; a file that ends before its last row is
// damaged.
#ifndef LUMIGRID_PICTURE_BMPKINDS_H
#define LUMIGRID_PICTURE_BMPKINDS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the headers of a BMP with an information header of 40 bytes or more say.
struct BmpLayout {
    long long width = 0;
    long long height = 0;           // always positive or 0
    bool topRowFirst = false;       // stored with a negative height
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t coloursUsed = 0;
};

// False when the bytes are no BMP of that kind (then nothing is said about them).
bool ReadBmpLayout(const std::uint8_t* bytes, std::size_t size, BmpLayout* layout);

// RLE8 at 8 bits or RLE4 at 4 bits a pixel.
bool IsRunLengthBmp(const BmpLayout& layout);

// Decodes a run-length BMP of layout.width x layout.height (already checked
// against the caller's limits) into 4-byte pixels, row-major from the top.
// False with the reason in words when it is damaged.
bool DecodeRunLengthBmp(const std::uint8_t* bytes, std::size_t size, const BmpLayout& layout,
                        std::vector<std::uint8_t>* rgba, std::string* reason);

#endif

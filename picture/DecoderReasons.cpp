#include "picture/DecoderReasons.h"

#include <cstring>

namespace {

struct Reason {
    const char* code;
    const char* words;
};

const char DamagedCompression[] = "the compressed pixels are damaged";
const char DamagedHuffmanCode[] = "a Huffman code is damaged";
const char WrongSegmentLength[] = "a segment has the wrong length";
const char DamagedJpegHeader[] = "a JPEG header is damaged";
const char DamagedGifData[] = "the compressed GIF pixels are damaged";
const char MisplacedTransparency[] = "the transparency chunk is misplaced or damaged";

const Reason Reasons[] = {
    {"outofdata", "the file ends too early"},
    {"expected marker", "a JPEG marker is missing where one must be"},
    {"unknown marker", "an unknown JPEG marker"},
    {"no SOI", "the JPEG start marker is missing"},
    {"no SOF", "the JPEG frame header is missing"},
    {"0 width", "the JPEG says its width is 0"},
    {"no header height", "the JPEG gives its height only after the pixels, which is not supported"},
    {"only 8-bit", "only JPEGs of 8 bits a sample are supported"},
    {"bad DNL height", "the height after the pixels disagrees with the header"},
    {"bad huffman code", DamagedHuffmanCode},
    {"bad AC huff", DamagedHuffmanCode},
    {"bad DC huff", DamagedHuffmanCode},
    {"bad code lengths", "a Huffman table is damaged"},
    {"bad DHT header", "a Huffman table is damaged"},
    {"bad DQT table", "a quantization table is damaged"},
    {"bad DQT type", "a quantization table is damaged"},
    {"bad TQ", "a quantization table is damaged"},
    {"bad APP len", WrongSegmentLength},
    {"bad COM len", WrongSegmentLength},
    {"bad DNL len", WrongSegmentLength},
    {"bad DRI len", WrongSegmentLength},
    {"bad SOF len", WrongSegmentLength},
    {"bad SOS len", WrongSegmentLength},
    {"bad SOS", DamagedJpegHeader},
    {"bad SOS component count", DamagedJpegHeader},
    {"bad component count", DamagedJpegHeader},
    {"bad H", DamagedJpegHeader},
    {"bad V", DamagedJpegHeader},
    {"can't merge dc and ac", "a progressive scan is damaged"},
    {"bad png sig", "the PNG signature is damaged"},
    {"first not IHDR", "the PNG does not begin with its header"},
    {"multiple IHDR", "the PNG has more than one header"},
    {"bad IHDR len", WrongSegmentLength},
    {"0-pixel image", "the PNG has no pixels"},
    {"1/2/4/8/16-bit only", "the PNG has a bit depth other than 1, 2, 4, 8 or 16"},
    {"bad ctype", "the PNG has an unknown colour type"},
    {"bad comp method", "an unknown compression method"},
    {"bad compression", "an unknown compression method"},
    {"bad filter method", "an unknown PNG filter"},
    {"invalid filter", "an unknown PNG filter"},
    {"bad interlace method", "an unknown interlace method"},
    {"no IDAT", "the PNG has no pixel data"},
    {"no PLTE", "the PNG's palette is missing"},
    {"invalid PLTE", "the palette is damaged"},
    {"tRNS after IDAT", MisplacedTransparency},
    {"tRNS before PLTE", MisplacedTransparency},
    {"tRNS with alpha", MisplacedTransparency},
    {"bad tRNS len", MisplacedTransparency},
    {"not enough pixels", "the file holds fewer pixels than its size needs"},
    {"bad sizes", "the compressed pixels do not fit the picture's size"},
    {"invalid width", "the picture's width is damaged"},
    {"bad zlib header", DamagedCompression},
    {"no preset dict", DamagedCompression},
    {"zlib corrupt", DamagedCompression},
    {"bad codelengths", DamagedCompression},
    {"bad dist", DamagedCompression},
    {"output buffer limit", DamagedCompression},
    {"read past buffer", DamagedCompression},
    {"not BMP", "the BMP signature is damaged"},
    {"bad BMP", "the BMP header is damaged"},
    {"unknown BMP", "an unknown kind of BMP header"},
    {"BMP JPEG/PNG", "a BMP compression that is not supported"},
    {"BMP RLE", "a run-length BMP of a kind that is not supported"},
    {"bad bpp", "a BMP of an unsupported number of bits a pixel"},
    {"bad masks", "the BMP's colour masks cannot be used"},
    {"bad offset", "the pixels do not begin where the header says"},
    {"invalid", "the palette is damaged"},
    {"not GIF", "the GIF signature is damaged"},
    {"bad Image Descriptor", "a GIF frame lies outside the picture"},
    {"missing color table", "a GIF frame has no colour table"},
    {"no clear code", DamagedGifData},
    {"too many codes", DamagedGifData},
    {"illegal code in raster", DamagedGifData},
    {"unknown code", DamagedGifData},
    {"corrupt", "the file is damaged"},
    {"too large", "too large"},
    {"outofmem", "not enough memory"},
};

}  // namespace

std::string DecoderReasonInWords(const char* code) {
    if (!code) return std::string();
    for (const Reason& reason : Reasons)
        if (std::strcmp(reason.code, code) == 0) return reason.words;
    return std::string();
}

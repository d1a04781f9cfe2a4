// HexImageStream: the image of a HEX file read as it comes, from address 0
// up, without holding it: the text is read a piece at a time and the bytes
// of each data record are handed on as they arrive, so an image of any size
// the formats address is read in a few hundred KiB of memory.
//
// That needs the data records in address order, each straight on from the
// one before, as every file lumigrid-cli build and the editor write (and
// most others). At the first record that is not, the stream stops and
// Finish reports OutOfOrder; such a file can still be read whole with
// ReadHexFile, up to HexImageReader::MaxImageBytes.
//
// The file's records are all checked as with ReadHexFile, but the verdict
// comes at the end: the bytes handed out before a faulty record are those
// of the records before it, and Finish then fails with the error.
#ifndef LUMIGRID_PATTERN_HEXIMAGESTREAM_H
#define LUMIGRID_PATTERN_HEXIMAGESTREAM_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "panekit/File.h"
#include "pattern/hex/HexImageReader.h"
#include "pattern/hex/ImageSource.h"

class HexImageStream : public ImageSource, private HexDataSink {
public:
    enum class Outcome { Read, OutOfOrder, Failed };

    explicit HexImageStream(const char* path);
    ~HexImageStream() override;
    HexImageStream(const HexImageStream&) = delete;
    HexImageStream& operator=(const HexImageStream&) = delete;

    std::size_t Read(std::uint8_t* bytes, std::size_t count) override;
    std::uint64_t Skip(std::uint64_t count) override;

    // Reads what is left of the file and checks it whole. Read: a sound HEX
    // file whose image was handed out in full; summary holds all but the
    // bytes (streamedSize is the image's size). OutOfOrder: its records are
    // not one ascending run. Failed: error says why.
    Outcome Finish(HexImage* summary, HexReadError* error);

private:
    void Data(std::uint64_t address, const std::uint8_t* bytes, std::size_t count) override;
    // Reads and parses text until some image bytes are pending or the text
    // has ended; false when no more will come.
    bool Refill();

    CFile file_;
    HexImageReader reader_;
    std::vector<std::uint8_t> pending_;   // image bytes parsed and not yet handed out
    std::size_t taken_;                   // of pending_
    std::uint64_t next_;                  // address of the next byte in order
    bool opened_;
    bool textEnded_;
    bool readFailed_;
    bool outOfOrder_;
};

#endif

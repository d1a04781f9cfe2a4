// HexImageReader: reads Intel HEX text back into the image it describes, the
// inverse of HexImageWriter, and for HEX files of other programs as well.
//
// Every record type 00 to 05, upper- and lower-case digits, CR LF, LF or CR
// line ends (the last line may lack one); every checksum is verified. Data lands
// at its full address: offset plus the base of the last extended segment
// (02, paragraph x 16) or extended linear (04, x 65536) address record. A
// record must not run past offset FFFF of its base. The start address record
// (03 or 05), if any, is kept and reported, never applied to the data.
//
// The image must be one run of bytes from address 0: a hole between records,
// two records over the same byte, data that does not start at 0, a bad
// checksum, a character that is not a hex digit, a missing end record or a
// record after it is an error naming the line and what is wrong. Blank lines
// are passed over, and so is Ctrl+Z (the DOS end of file) after the end
// record, as other readers (objcopy, srec_cat, python's intelhex) do.
//
// Text is fed in pieces of any size, so a file is read in chunks and never
// held whole; only its data bytes are kept, at most MaxImageBytes of them.
// With a data sink the reader keeps none: each data record goes to the sink
// as it is read, whatever the image's size, and only the records' runs are
// kept for the checks at the end.
#ifndef LUMIGRID_PATTERN_HEXIMAGEREADER_H
#define LUMIGRID_PATTERN_HEXIMAGEREADER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pattern/hex/HexOptions.h"

struct HexImage {
    std::vector<std::uint8_t> bytes;         // from address 0; empty when a sink took them
    std::uint64_t streamedSize = 0;          // bytes of the image when a sink took them
    bool hasStartAddress = false;
    std::uint8_t startRecordType = 0;        // 3 (CS:IP) or 5 (linear)
    std::uint32_t startValue = 0;            // its four data bytes, the first one highest
    unsigned long segmentRecords = 0;        // 02 records
    unsigned long linearRecords = 0;         // 04 records
    unsigned long dataRecords = 0;           // 00 records, empty ones too
    unsigned long lines = 0;                 // lines up to and with the end record

    // Bytes of the image, held or streamed.
    std::uint64_t Size() const { return bytes.empty() ? streamedSize : bytes.size(); }
    // The start address as an address: CS x 16 + IP for 03, the value for 05.
    std::uint32_t StartAddress() const;
};

struct HexReadError {
    unsigned long line = 0;   // 0 when it concerns the file as a whole
    std::string what;

    // "line N: what", or what alone.
    std::string Describe() const;
};

// Takes the data records of a reader as they are read.
class HexDataSink {
public:
    virtual ~HexDataSink() = default;
    virtual void Data(std::uint64_t address, const std::uint8_t* bytes, std::size_t count) = 0;
};

class HexImageReader {
public:
    static constexpr std::size_t MaxImageBytes = 256u * 1024 * 1024;
    // ':', byte count, two address bytes, type, 255 data bytes, checksum.
    static constexpr std::size_t MaxLineLength = 1 + 2 * (5 + 255);

    // Without a sink the reader keeps the image itself.
    explicit HexImageReader(HexDataSink* sink = nullptr);

    // Takes the next piece of the text. False once an error has been found
    // (this piece or an earlier one); later pieces are then ignored.
    bool Feed(const char* text, std::size_t size);
    // After the last piece: checks that the records end properly and make
    // one run from address 0, and hands over the image. False on an error.
    bool Finish(HexImage* image);

    const HexReadError& Error() const { return error_; }

private:
    // A run of data from consecutive records, each straight on from the one
    // before, lines line .. lastLine.
    struct DataRecord {
        std::uint64_t address;
        std::uint64_t count;
        std::size_t poolOffset;
        unsigned long line;
        unsigned long lastLine;
    };
    // Bounds the bookkeeping of a file of many scattered records.
    static constexpr std::size_t MaxDataRuns = 1u << 22;

    bool TakeLine(const char* line, std::size_t length);
    bool TakeRecordLine(unsigned long number, const char* line, std::size_t length);
    bool TakeRecord(const std::uint8_t* fields);
    bool Fail(unsigned long line, const std::string& what);

    HexDataSink* sink_;
    std::string line_;            // a line begun in an earlier piece
    unsigned long lineNumber_;
    unsigned long endLine_;       // line of the end record; 0 before it
    unsigned long startLine_;     // line of the start address record
    std::uint64_t base_;
    bool afterCarriageReturn_;    // a LF next belongs to the same line end
    std::vector<std::uint8_t> pool_;
    std::vector<DataRecord> records_;
    HexImage image_;
    HexReadError error_;
    bool failed_;
};

// Reads the HEX file at path whole. False with the error on failure
// (line 0 when the file cannot be opened or read).
bool ReadHexFile(const char* path, HexImage* image, HexReadError* error);

// The lumigrid-cli format that writes records like these: 20bit when there
// are 02 records or a 03 start record, 32bit for 04 or 05, otherwise 8bit.
// False when the file mixes both kinds, which no format writes.
bool InferHexFormat(const HexImage& image, HexFormat* format);
// Whether another format writes the same file for this image as the one
// inferred: 16bit always does for 8bit; 20bit and 32bit do too for images
// too short for their first extended address record, without a start address.
bool FormatWritesSameFile(const HexImage& image, HexFormat inferred, HexFormat other);

#endif

// HexImageWriter: turns the display program, a stream of nibbles, into an
// Intel HEX file. Every image starts at load address 0 with the bytes F0 00
// and ends with 00 00; the nibbles are packed into data records of 16 bytes,
// with extended address records where the format needs them, and the file
// ends with the end-of-file record.
//
// Use: Open on a file with the chosen options, any number of Push calls,
// then Close (which destruction performs). The file is written beside its
// target and takes its place only when Close has finished the image, so the
// target never holds a partial export:
//   - an image that outgrows its format (a record address above FFFF in the
//     8-bit and 16-bit formats, an extended address that would wrap in the
//     others) stops the export with ImageTooLarge;
//   - a failed write stops it with WriteFailed.
// Either way Close returns false, Error() says why, and nothing is written
// to the target. Discard drops an image on purpose.
//
// OpenData begins an image of data alone instead: no F0 00 and 00 00 around
// it, and its first byte at a load address of the caller's (code exported
// for firmware that keeps its pictures at a fixed address).
//
// The start address is written as the standard record of its format: start
// segment address (03, CS:IP with CS = (address >> 4) & F000 and IP = the low
// 16 bits) in the 20-bit format, start linear address (05) in the 32-bit one.
#ifndef LUMIGRID_PATTERN_HEXIMAGEWRITER_H
#define LUMIGRID_PATTERN_HEXIMAGEWRITER_H

#include <cstddef>
#include <cstdint>

#include "pattern/files/ReplacementFile.h"
#include "pattern/hex/HexOptions.h"

// Filter list of the file dialog for HEX files, and their default extension.
extern const char HexFileFilter[];
extern const char HexFileExtension[];

enum class HexExportError {
    None,
    InvalidOptions,   // no format, or a start address the format does not take
    CannotCreate,     // no file could be created beside the target
    ImageTooLarge,
    WriteFailed,
    CannotReplace,    // the finished file could not take the target's place
};

class HexImageWriter {
public:
    enum { RecordBytes = 16, RecordDigits = 2 * RecordBytes };

    HexImageWriter();
    ~HexImageWriter();
    HexImageWriter(const HexImageWriter&) = delete;
    HexImageWriter& operator=(const HexImageWriter&) = delete;

    // Begins an image for path: finishes any open one first, then writes the
    // start address record if one is asked for and pushes F0 00. False when
    // the options are not valid or no file could be created (see Error()).
    bool Open(const char* path, const HexOptions& options);
    // Begins an image of data alone for path, its first byte at loadAddress:
    // an extended address record first where the format needs one, and a
    // first record that ends on a 16-byte boundary. False as Open, and for a
    // load address the format cannot name.
    bool OpenData(const char* path, const HexOptions& options, std::uint32_t loadAddress);
#ifdef _WIN32
    // Lets the user name the file in the save dialog and choose the options
    // in the hex options dialog, then opens as above. False when either
    // dialog is cancelled (Error() is then None) or opening failed.
    bool Open(HWND owner);
#endif
    // Appends one nibble (width 4, value 0..15) or one byte (width 8, high
    // nibble first). Other widths, and a writer without an image, do nothing.
    void Push(unsigned value, unsigned width);
    // Appends whole bytes, as Push(byte, 8) for each.
    void PushBytes(const std::uint8_t* bytes, std::size_t count);
    // Writes the pending digits as a data record.
    void FlushRecord();
    // Writes the start address record of the format; nothing without an
    // image, or for an address the format does not take.
    void WriteStartAddress(std::uint32_t address);
    // Ends the image (00 00, last data record, end-of-file record) and puts
    // the file in place. True when that succeeded; false without an image or
    // when the export failed (the target is then untouched).
    bool Close();
    // Drops the image; the target is untouched.
    void Discard();

    bool IsOpen() const { return open_; }
    HexExportError Error() const { return error_; }
    // Bytes pushed into the image so far, F0 00 included.
    std::uint64_t ImageBytes() const { return pushedNibbles_ / 2; }

    std::uint8_t pendingDigits;
    std::uint32_t recordAddress;
    char recordBuffer[RecordDigits];
    std::uint8_t checksum;
    std::uint32_t addressLimit;
    std::uint16_t extendedAddress;
    std::uint32_t wrapDistance;

private:
    void PushNibble(unsigned nibble);
    void WriteDataRecord(const char* digits, const std::uint8_t* bytes, std::uint8_t count);
    std::size_t WriteWholeRecords(const std::uint8_t* bytes, std::size_t records);
    void WriteExtendedAddress();
    void WriteLine(const char* line, std::size_t length);
    void Fail(HexExportError error);
    bool Accepting() const { return open_ && error_ == HexExportError::None; }
    bool Begin(const char* path, const HexOptions& options);

    ReplacementFile output_;
    bool open_;
    HexExportError error_;
    std::uint64_t pushedNibbles_;
    // Digits that complete the pending record: fewer than RecordDigits only
    // for the first record of a data image that starts off a 16-byte boundary.
    std::uint8_t recordEnd_;
    bool framed_;   // a display program, between F0 00 and 00 00
};

// One line for a user: why an export failed.
const char* DescribeHexExportError(HexExportError error);

#endif

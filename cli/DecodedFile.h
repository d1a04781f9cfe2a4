// What lumigrid-cli decode reads: a HEX file, the frame size the user gave,
// and what a first pass found in the program. Each action (the listing,
// --extract, --render) then reads the image again from its start
// (OpenImage), so that none holds it whole.
#ifndef LUMIGRID_CLI_DECODEDFILE_H
#define LUMIGRID_CLI_DECODEDFILE_H

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "pattern/hex/HexImageReader.h"
#include "pattern/hex/HexOptions.h"
#include "pattern/hex/ImageSource.h"
#include "pattern/program/ProgramRecovery.h"

struct DecodedFile {
    std::string path;            // as given, for what is printed
    std::string file;            // what is read: the copy of standard input for "-"
    std::uint8_t columns = 16;
    std::uint8_t rows = 16;
    HexImage hex;                // the records; bytes only when the file had to be read whole
    bool held = false;           // the image is in hex.bytes
    ProgramSurvey survey;
};

// Reads the file's records and surveys its program; a command status, with
// the failure printed: where the records or the program are wrong, and the
// sizes at which the program would read.
int ReadDecodedFile(DecodedFile* file, std::ostream& err);

// A fresh read of the image from its start: from the file as a stream, or
// from memory when the file had to be read whole.
std::unique_ptr<ImageSource> OpenImage(const DecodedFile& file);

extern const char ChangedWhileRead[];

// The command-line names of the formats, in HexFormat order, as build takes them.
extern const char* const FormatOptionNames[HexFormatCount];

// "start address 0x12345 (record 03, CS:IP 1000:2345)", or "no start address".
std::string StartDescription(const HexImage& hex);

std::string SizeText(unsigned columns, unsigned rows);
// value in at least digits uppercase hex digits.
std::string Hex(std::uint64_t value, int digits);
// "1 frame", "2 frames".
std::string Counted(std::uint64_t count, const char* one, const char* many);

#endif

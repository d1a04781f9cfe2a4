#include "pattern/hex/HexImageReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "panekit/File.h"
#include "pattern/hex/HexImageWriter.h"
#include "pattern/hex/IntelHexRecord.h"

namespace {

// Byte count, two address bytes, type, checksum.
const std::size_t RecordOverhead = 5;
// A base covers offsets 0000 .. FFFF.
const std::uint64_t OffsetRange = 0x10000;
// The writer's first extended address record follows this many bytes.
const std::size_t FirstSegmentRecordAfter = 16;
const std::size_t FirstLinearRecordAfter = 0x10000;

// The value of every character that is a hex digit, -1 for the others.
struct HexDigitValues {
    signed char value[256];
    HexDigitValues() {
        for (int c = 0; c < 256; ++c) value[c] = -1;
        for (int c = '0'; c <= '9'; ++c) value[c] = static_cast<signed char>(c - '0');
        for (int c = 'A'; c <= 'F'; ++c) value[c] = static_cast<signed char>(c - 'A' + 10);
        for (int c = 'a'; c <= 'f'; ++c) value[c] = static_cast<signed char>(c - 'a' + 10);
    }
};
const HexDigitValues DigitValues;

int HexValue(char c) { return DigitValues.value[static_cast<unsigned char>(c)]; }

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string ShownCharacter(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F) return std::string("'") + c + "'";
    if (c == ' ') return "a space";
    if (c == '\r') return "a carriage return without a line feed";
    if (c == '\t') return "a tab";
    return "the byte " + Hex(byte, 2);
}

std::string Range(std::uint64_t first, std::uint64_t end) { return Hex(first, 4) + " .. " + Hex(end - 1, 4); }

std::string Lines(unsigned long first, unsigned long last) {
    if (first == last) return "line " + std::to_string(first);
    return "lines " + std::to_string(first) + " .. " + std::to_string(last);
}

const char* RecordName(std::uint8_t type) {
    switch (type) {
    case ExtendedSegmentAddressRecordType: return "an extended segment address record (02)";
    case StartSegmentAddressRecordType: return "a start segment address record (03)";
    case ExtendedLinearAddressRecordType: return "an extended linear address record (04)";
    case StartLinearAddressRecordType: return "a start linear address record (05)";
    }
    return "a record";
}

}  // namespace

std::uint32_t HexImage::StartAddress() const {
    if (startRecordType == StartSegmentAddressRecordType)
        return (startValue >> 16) * 16 + (startValue & 0xFFFF);
    return startValue;
}

std::string HexReadError::Describe() const { return line ? "line " + std::to_string(line) + ": " + what : what; }

HexImageReader::HexImageReader(HexDataSink* sink)
    : sink_(sink), lineNumber_(0), endLine_(0), startLine_(0), base_(0), afterCarriageReturn_(false), failed_(false) {
    line_.reserve(MaxLineLength + 1);
}

bool HexImageReader::Fail(unsigned long line, const std::string& what) {
    if (!failed_) {
        failed_ = true;
        error_.line = line;
        error_.what = what;
    }
    return false;
}

bool HexImageReader::Feed(const char* text, std::size_t size) {
    // The LF of a CR LF split between two pieces.
    if (afterCarriageReturn_ && size > 0) {
        afterCarriageReturn_ = false;
        if (*text == '\n') {
            ++text;
            --size;
        }
    }
    while (size > 0 && !failed_) {
        // CR LF, LF and CR alone all end a line, as python's intelhex reads them.
        const char* lineFeed = static_cast<const char*>(std::memchr(text, '\n', size));
        std::size_t length = lineFeed ? static_cast<std::size_t>(lineFeed - text) : size;
        const char* carriageReturn = static_cast<const char*>(std::memchr(text, '\r', length));
        bool ended = lineFeed != nullptr;
        std::size_t consumed = length + 1;
        if (carriageReturn) {
            length = static_cast<std::size_t>(carriageReturn - text);
            ended = true;
            consumed = length + 1;
            if (consumed < size && text[consumed] == '\n') ++consumed;
            else if (consumed == size) afterCarriageReturn_ = true;
        }
        if (line_.size() + length > MaxLineLength)
            return Fail(lineNumber_ + 1, "longer than any record (" + std::to_string(MaxLineLength) + " characters)");
        if (!ended) {
            line_.append(text, length);
            break;
        }
        if (line_.empty()) {
            // The whole line is in this piece: read it where it is.
            TakeLine(text, length);
        } else {
            line_.append(text, length);
            TakeLine(line_.data(), line_.size());
            line_.clear();
        }
        text += consumed;
        size -= consumed;
    }
    return !failed_;
}

bool HexImageReader::TakeLine(const char* line, std::size_t length) {
    const unsigned long number = ++lineNumber_;
    // Blank lines anywhere, and after the end record the DOS end-of-file
    // mark Ctrl+Z, which objcopy, srec_cat and intelhex all pass over.
    const char* blank = endLine_ ? " \t\x1A" : " \t";
    std::size_t first = 0;
    while (first < length && line[first] != '\0' && std::strchr(blank, line[first])) ++first;
    if (first == length) return true;
    if (endLine_)
        return Fail(number, "a record after the end-of-file record of line " + std::to_string(endLine_));
    // Ctrl+Z straight after the end record, on its line.
    std::size_t marked = length;
    while (marked > 0 && line[marked - 1] == '\x1A') --marked;
    if (marked < length) {
        if (marked > 0 && !TakeRecordLine(number, line, marked)) return false;
        if (!endLine_) return Fail(number, "Ctrl+Z (the DOS end of file) before the end-of-file record");
        return true;
    }
    return TakeRecordLine(number, line, length);
}

bool HexImageReader::TakeRecordLine(unsigned long number, const char* line, std::size_t length) {
    if (line[0] != ':') return Fail(number, "does not start with ':' but with " + ShownCharacter(line[0]));
    std::uint8_t fields[RecordOverhead + 255];
    std::size_t fieldCount = 0;
    for (std::size_t i = 1; i < length; ++i) {
        const int value = HexValue(line[i]);
        if (value < 0)
            return Fail(number, ShownCharacter(line[i]) + " at column " + std::to_string(i + 1) + " is not a hex digit");
        if (i % 2 == 1) fields[fieldCount] = static_cast<std::uint8_t>(value << 4);
        else fields[fieldCount++] |= static_cast<std::uint8_t>(value);
    }
    if (length % 2 == 0) return Fail(number, "an odd number of hex digits");
    if (fieldCount < RecordOverhead)
        return Fail(number, "too short for a record (byte count, address, type and checksum)");
    if (fieldCount != fields[0] + RecordOverhead)
        return Fail(number, "the byte count says " + std::to_string(fields[0]) + " data bytes, the line holds " +
                                std::to_string(fieldCount - RecordOverhead));
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i + 1 < fieldCount; ++i) sum = static_cast<std::uint8_t>(sum + fields[i]);
    const std::uint8_t expected = static_cast<std::uint8_t>(-sum);
    if (fields[fieldCount - 1] != expected)
        return Fail(number, "bad checksum " + Hex(fields[fieldCount - 1], 2) + ", the record's bytes need " +
                                Hex(expected, 2));
    return TakeRecord(fields);
}

bool HexImageReader::TakeRecord(const std::uint8_t* fields) {
    const unsigned long number = lineNumber_;
    const std::uint32_t count = fields[0];
    const std::uint32_t offset = static_cast<std::uint32_t>(fields[1]) << 8 | fields[2];
    const std::uint8_t type = fields[3];
    const std::uint8_t* data = fields + 4;
    auto needs = [&](std::uint32_t bytes) {
        if (count == bytes) return true;
        return Fail(number, std::string(RecordName(type)) + " holds " + std::to_string(bytes) + " data bytes, not " +
                                std::to_string(count));
    };
    switch (type) {
    case DataRecordType: {
        ++image_.dataRecords;
        if (count == 0) return true;
        if (offset + count > OffsetRange)
            return Fail(number, "the data runs past offset FFFF of its " +
                                    std::string(base_ ? "base address " + Hex(base_, 5) : "64 KiB"));
        if (!sink_ && pool_.size() + count > MaxImageBytes)
            return Fail(number, "more data than the " + std::to_string(MaxImageBytes >> 20) + " MiB an image may hold");
        const std::uint64_t address = base_ + offset;
        // Straight on from the record before: one run, as in most files.
        const bool continues = !records_.empty() && records_.back().address + records_.back().count == address;
        if (!continues && records_.size() == MaxDataRuns)
            return Fail(number, "data in more than " + std::to_string(MaxDataRuns) + " separate runs");
        try {
            if (continues) {
                records_.back().count += count;
                records_.back().lastLine = number;
            } else {
                records_.push_back(DataRecord{address, count, pool_.size(), number, number});
            }
            if (sink_) sink_->Data(address, data, count);
            else pool_.insert(pool_.end(), data, data + count);
        } catch (const std::bad_alloc&) {
            return Fail(number, "not enough memory for the image");
        }
        return true;
    }
    case EndOfFileRecordType:
        if (count != 0) return Fail(number, "an end-of-file record with data");
        endLine_ = number;
        image_.lines = number;
        return true;
    case ExtendedSegmentAddressRecordType:
    case ExtendedLinearAddressRecordType: {
        if (!needs(2)) return false;
        const std::uint64_t value = static_cast<std::uint64_t>(data[0]) << 8 | data[1];
        if (type == ExtendedSegmentAddressRecordType) {
            base_ = value << 4;
            ++image_.segmentRecords;
        } else {
            base_ = value << 16;
            ++image_.linearRecords;
        }
        return true;
    }
    case StartSegmentAddressRecordType:
    case StartLinearAddressRecordType:
        if (!needs(4)) return false;
        if (startLine_) return Fail(number, "a second start address record (the first is on line " +
                                                std::to_string(startLine_) + ")");
        startLine_ = number;
        image_.hasStartAddress = true;
        image_.startRecordType = type;
        image_.startValue = static_cast<std::uint32_t>(data[0]) << 24 | static_cast<std::uint32_t>(data[1]) << 16 |
                            static_cast<std::uint32_t>(data[2]) << 8 | data[3];
        return true;
    }
    return Fail(number, "unknown record type " + Hex(type, 2) + " (00 to 05 are Intel HEX)");
}

bool HexImageReader::Finish(HexImage* image) {
    if (failed_) return false;
    if (!line_.empty()) {
        // The last line without a line end.
        if (!TakeLine(line_.data(), line_.size())) return false;
        line_.clear();
    }
    if (lineNumber_ == 0) return Fail(0, "the file is empty");
    if (!endLine_) return Fail(lineNumber_, "the file ends without the end-of-file record :00000001FF");
    // Records in address order; of two at one address the earlier line first.
    std::stable_sort(records_.begin(), records_.end(),
                     [](const DataRecord& a, const DataRecord& b) { return a.address < b.address; });
    std::uint64_t end = 0;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const DataRecord& record = records_[i];
        if (i == 0 && record.address != 0)
            return Fail(record.line, "the image does not start at address 0: its lowest data is at " +
                                         Hex(record.address, 4));
        if (record.address < end) {
            const DataRecord& before = records_[i - 1];
            return Fail(record.line, "data at " + Range(record.address, record.address + record.count) +
                                         " overlaps the data of " + Lines(before.line, before.lastLine) + " at " +
                                         Range(before.address, before.address + before.count));
        }
        if (record.address > end)
            return Fail(record.line, "a hole: no data at " + Range(end, record.address) + " before this record's " +
                                         Hex(record.address, 4));
        end = record.address + record.count;
    }
    image_.bytes.clear();
    if (sink_) {
        image_.streamedSize = end;
        *image = std::move(image_);
        image_ = HexImage();
        return true;
    }
    try {
        image_.bytes.resize(pool_.size());
    } catch (const std::bad_alloc&) {
        return Fail(0, "not enough memory for the image");
    }
    for (const DataRecord& record : records_)
        std::copy(pool_.begin() + record.poolOffset, pool_.begin() + record.poolOffset + record.count,
                  image_.bytes.begin() + record.address);
    *image = std::move(image_);
    image_ = HexImage();
    return true;
}

bool ReadHexFile(const char* path, HexImage* image, HexReadError* error) {
    CFile file(HexFileFilter);
    if (file.Open(path, 1) != 1) {
        error->line = 0;
        error->what = "cannot open the file";
        return false;
    }
    HexImageReader reader;
    char chunk[64 * 1024];
    for (;;) {
        const unsigned long got = file.Read(chunk, sizeof chunk);
        if (got == 0) break;
        if (!reader.Feed(chunk, got)) break;
    }
    // A failed read empties the name; the end of the file does not.
    const bool complete = file.GetFilename()[0] != '\0';
    file.Close();
    if (!complete) {
        error->line = 0;
        error->what = "reading the file failed";
        return false;
    }
    if (reader.Finish(image)) return true;
    *error = reader.Error();
    return false;
}

bool InferHexFormat(const HexImage& image, HexFormat* format) {
    const bool segments = image.segmentRecords > 0 ||
                          (image.hasStartAddress && image.startRecordType == StartSegmentAddressRecordType);
    const bool linear = image.linearRecords > 0 ||
                        (image.hasStartAddress && image.startRecordType == StartLinearAddressRecordType);
    if (segments && linear) return false;
    *format = segments ? HexFormat::SegmentAddress20 : linear ? HexFormat::Linear32 : HexFormat::EightBit;
    return true;
}

bool FormatWritesSameFile(const HexImage& image, HexFormat inferred, HexFormat other) {
    if (other == inferred) return true;
    if (inferred != HexFormat::EightBit && inferred != HexFormat::SixteenBit) return false;
    switch (other) {
    case HexFormat::EightBit:
    case HexFormat::SixteenBit: return true;
    case HexFormat::SegmentAddress20: return !image.hasStartAddress && image.Size() < FirstSegmentRecordAfter;
    case HexFormat::Linear32: return !image.hasStartAddress && image.Size() < FirstLinearRecordAfter;
    }
    return false;
}

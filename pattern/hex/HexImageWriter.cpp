#include "pattern/hex/HexImageWriter.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "pattern/hex/IntelHexRecord.h"
#include "pattern/program/ProgramFormat.h"

const char HexFileFilter[] = "Hex File (*.hex)\0*.hex\0All Files (*.*)\0*.*\0";
const char HexFileExtension[] = "hex";

namespace {

const char EndOfFileRecord[] = ":00000001FF\r\n";
constexpr char UpperDigits[] = "0123456789ABCDEF";

// The two digits of every byte value, high nibble first; made by the
// compiler, so that no program start pays for it.
struct DigitPairs {
    char text[256][2] = {};
    constexpr DigitPairs() {
        for (int value = 0; value < 256; ++value) {
            text[value][0] = UpperDigits[value >> 4];
            text[value][1] = UpperDigits[value & 0xF];
        }
    }
};
constexpr DigitPairs Pairs;

#if defined(__SSE2__)
// The 32 digits of 16 bytes at once; returns the low 8 bits of their sum.
// A record of a large image is 16 bytes: this is most of the writing.
inline std::uint8_t WriteSixteenDigits(char* text, const std::uint8_t* bytes) {
    const __m128i data = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i high = _mm_and_si128(_mm_srli_epi16(data, 4), nibble);
    const __m128i low = _mm_and_si128(data, nibble);
    // '0' + n, and from 10 on 'A' + n - 10.
    const auto digits = [](__m128i n) {
        const __m128i letters = _mm_and_si128(_mm_cmpgt_epi8(n, _mm_set1_epi8(9)), _mm_set1_epi8('A' - '0' - 10));
        return _mm_add_epi8(_mm_add_epi8(n, _mm_set1_epi8('0')), letters);
    };
    // Each byte's high digit first.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text), digits(_mm_unpacklo_epi8(high, low)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text + 16), digits(_mm_unpackhi_epi8(high, low)));
    const __m128i sums = _mm_sad_epu8(data, _mm_setzero_si128());
    return static_cast<std::uint8_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
}
#endif

// Writes count bytes as digit pairs; returns the low 8 bits of their sum.
std::uint8_t WriteDigits(char* text, const std::uint8_t* bytes, std::size_t count) {
    unsigned sum = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= count; i += 16) sum += WriteSixteenDigits(text + 2 * i, bytes + i);
#endif
    for (; i < count; ++i) {
        std::memcpy(text + 2 * i, Pairs.text[bytes[i]], 2);
        sum += bytes[i];
    }
    return static_cast<std::uint8_t>(sum);
}

// The highest record address the 8-bit and 16-bit formats can name.
const std::uint32_t SixteenBitAddressEnd = 0xFFFF;
// From this limit on, the format has extended address records.
const std::uint32_t ExtendedAddressLimit = 0xFFFFF;

// Builds one record line: ':', the fields as uppercase hex pairs, the
// checksum (two's complement of the sum of all bytes before it), CR LF.
class RecordLine {
public:
    // The longest record: ':', 5 header bytes, 16 data bytes, CR LF.
    static constexpr std::size_t MaxLength = 1 + 2 * (5 + 16) + 2;

    // Formats the line in place, into MaxLength bytes at text.
    explicit RecordLine(char* text) : text_(text), length_(1), sum_(0) { text_[0] = ':'; }

    void Byte(std::uint8_t value) {
        std::memcpy(text_ + length_, Pairs.text[value], 2);
        length_ += 2;
        sum_ = static_cast<std::uint8_t>(sum_ + value);
    }
    void Word(std::uint16_t value) {
        Byte(static_cast<std::uint8_t>(value >> 8));
        Byte(static_cast<std::uint8_t>(value & 0xFF));
    }
    // Data digits that are already text, with the sum of their bytes.
    void Digits(const char* digits, std::size_t count, std::uint8_t sum) {
        std::memcpy(text_ + length_, digits, count);
        length_ += count;
        sum_ = static_cast<std::uint8_t>(sum_ + sum);
    }
    void Bytes(const std::uint8_t* bytes, std::size_t count) {
        sum_ = static_cast<std::uint8_t>(sum_ + WriteDigits(text_ + length_, bytes, count));
        length_ += 2 * count;
    }
    void Finish() {
        Byte(static_cast<std::uint8_t>(-sum_));
        text_[length_++] = '\r';
        text_[length_++] = '\n';
    }
    std::size_t Length() const { return length_; }

private:
    char* text_;
    std::size_t length_;
    std::uint8_t sum_;
};

// One data record of 16 bytes at a 16-bit address, in 45 characters: the
// line RecordLine would build, with its fixed fields written as they are.
constexpr std::size_t WholeRecordLength = 1 + 2 * (4 + 16 + 1) + 2;

char* FormatWholeRecord(char* text, std::uint16_t address, const std::uint8_t* bytes) {
    const std::uint8_t high = static_cast<std::uint8_t>(address >> 8), low = static_cast<std::uint8_t>(address);
    static_assert(DataRecordType == 0, "the record type is written as 00");
    std::memcpy(text, ":10", 3);
    std::memcpy(text + 3, Pairs.text[high], 2);
    std::memcpy(text + 5, Pairs.text[low], 2);
    std::memcpy(text + 7, "00", 2);
#if defined(__SSE2__)
    const std::uint8_t sum = WriteSixteenDigits(text + 9, bytes);
#else
    const std::uint8_t sum = WriteDigits(text + 9, bytes, 16);
#endif
    std::memcpy(text + 41, Pairs.text[static_cast<std::uint8_t>(-(16 + high + low + DataRecordType + sum))], 2);
    text[43] = '\r';
    text[44] = '\n';
    return text + WholeRecordLength;
}

}  // namespace

HexImageWriter::HexImageWriter()
    : pendingDigits(0),
      recordAddress(0),
      checksum(0),
      addressLimit(0),
      extendedAddress(0),
      wrapDistance(0),
      open_(false),
      error_(HexExportError::None),
      pushedNibbles_(0),
      recordEnd_(RecordDigits),
      framed_(true) {
    std::memset(recordBuffer, 0, sizeof recordBuffer);
}

HexImageWriter::~HexImageWriter() { Close(); }

bool HexImageWriter::Begin(const char* path, const HexOptions& options) {
    if (open_) Close();
    error_ = HexExportError::None;
    HexFormat format;
    if (!options.Format(&format) || CheckStartAddress(format, options.startAddress) != StartAddressCheck::Accepted) {
        error_ = HexExportError::InvalidOptions;
        return false;
    }
    if (!output_.Create(path)) {
        error_ = HexExportError::CannotCreate;
        return false;
    }
    open_ = true;
    addressLimit = options.addressLimit;
    wrapDistance = options.wrapDistance;
    extendedAddress = 0;
    pushedNibbles_ = 0;
    recordAddress = 0;
    pendingDigits = 0;
    checksum = 0;
    recordEnd_ = RecordDigits;
    if (options.startAddress != 0) WriteStartAddress(options.startAddress);
    return true;
}

bool HexImageWriter::Open(const char* path, const HexOptions& options) {
    framed_ = true;
    if (!Begin(path, options)) return false;
    const CommandWordBytes start(StartWord);
    PushBytes(start.bytes, sizeof start.bytes);
    return true;
}

bool HexImageWriter::OpenData(const char* path, const HexOptions& options, std::uint32_t loadAddress) {
    const bool extended = options.addressLimit >= ExtendedAddressLimit;
    if (loadAddress > (extended ? options.addressLimit : SixteenBitAddressEnd)) {
        if (open_) Close();
        error_ = HexExportError::InvalidOptions;
        return false;
    }
    framed_ = false;
    if (!Begin(path, options)) return false;
    if (extended) {
        // Segments are paragraphs in the 20-bit format, 64 KiB banks in the 32-bit one.
        extendedAddress = static_cast<std::uint16_t>(loadAddress / wrapDistance);
        recordAddress = loadAddress % wrapDistance;
        if (extendedAddress != 0) WriteExtendedAddress();
    } else {
        recordAddress = loadAddress;
    }
    recordEnd_ = static_cast<std::uint8_t>(RecordDigits - 2 * (loadAddress % RecordBytes));
    return true;
}

void HexImageWriter::PushNibble(unsigned nibble) {
    recordBuffer[pendingDigits] = UpperDigits[nibble];
    // The first digit of a byte is its high nibble.
    checksum = static_cast<std::uint8_t>(checksum + ((pendingDigits & 1) ? nibble : nibble << 4));
    ++pushedNibbles_;
    if (++pendingDigits == recordEnd_) FlushRecord();
}

void HexImageWriter::Push(unsigned value, unsigned width) {
    if (!Accepting()) return;
    if (width == 8) {
        PushNibble((value >> 4) & 0xF);
        if (Accepting()) PushNibble(value & 0xF);
    } else if (width == 4) {
        PushNibble(value & 0xF);
    }
}

void HexImageWriter::PushBytes(const std::uint8_t* bytes, std::size_t count) {
    while (count > 0 && Accepting()) {
        if (pendingDigits & 1) {
            Push(*bytes++, 8);
            --count;
            continue;
        }
        if (pendingDigits == 0 && recordEnd_ == RecordDigits && count >= RecordBytes) {
            // Whole records go straight to the file.
            const std::size_t taken = WriteWholeRecords(bytes, count / RecordBytes) * RecordBytes;
            bytes += taken;
            count -= taken;
            continue;
        }
        // As many whole bytes as the pending record has room for.
        const std::size_t room = (recordEnd_ - pendingDigits) / 2;
        const std::size_t take = count < room ? count : room;
        checksum = static_cast<std::uint8_t>(checksum + WriteDigits(recordBuffer + pendingDigits, bytes, take));
        pendingDigits = static_cast<std::uint8_t>(pendingDigits + 2 * take);
        pushedNibbles_ += 2 * take;
        bytes += take;
        count -= take;
        if (pendingDigits == recordEnd_) FlushRecord();
    }
}

void HexImageWriter::FlushRecord() {
    if (!Accepting()) return;
    const std::uint8_t count = static_cast<std::uint8_t>(pendingDigits / 2);
    WriteDataRecord(recordBuffer, nullptr, count);
    checksum = 0;
    pendingDigits = 0;
}

// One data record at the record address, from the pending digits (with their
// checksum) or from bytes; then the extended address record that is due.
void HexImageWriter::WriteDataRecord(const char* digits, const std::uint8_t* bytes, std::uint8_t count) {
    if (addressLimit < ExtendedAddressLimit && recordAddress > SixteenBitAddressEnd) {
        Fail(HexExportError::ImageTooLarge);
        return;
    }
    char* text = output_.Reserve(RecordLine::MaxLength);
    if (!text) return Fail(HexExportError::WriteFailed);
    RecordLine line(text);
    line.Byte(count);
    line.Word(static_cast<std::uint16_t>(recordAddress));
    line.Byte(DataRecordType);
    if (digits) line.Digits(digits, pendingDigits, checksum);
    else line.Bytes(bytes, count);
    line.Finish();
    output_.Advance(line.Length());
    recordAddress += count;
    recordEnd_ = RecordDigits;
    if (addressLimit >= ExtendedAddressLimit && recordAddress == wrapDistance) {
        if (extendedAddress == 0xFFFF) {
            Fail(HexExportError::ImageTooLarge);
            return;
        }
        ++extendedAddress;
        recordAddress = 0;
        WriteExtendedAddress();
    }
}

// Whole records from the record address, each as WriteDataRecord would
// write it, as many as the file's buffer has room for before it is written
// out (where one record at a time would write it out too); returns how many.
// A record that brings an extended address record, or that the format cannot
// address, goes through WriteDataRecord, as does one that cannot be written.
std::size_t HexImageWriter::WriteWholeRecords(const std::uint8_t* bytes, std::size_t records) {
    std::size_t run = records;
    if (addressLimit >= ExtendedAddressLimit) {
        // Those before the one that ends at the next extended address.
        const std::uint32_t toWrap = wrapDistance - recordAddress;
        if (recordAddress < wrapDistance && toWrap % RecordBytes == 0 && toWrap / RecordBytes - 1 < run)
            run = toWrap / RecordBytes - 1;
    } else {
        // Those that start within 16 bits.
        const std::size_t within =
            recordAddress > SixteenBitAddressEnd ? 0 : (SixteenBitAddressEnd - recordAddress) / RecordBytes + 1;
        if (within < run) run = within;
    }
    char* text = run > 0 ? output_.Reserve(RecordLine::MaxLength) : nullptr;
    if (!text) {
        WriteDataRecord(nullptr, bytes, RecordBytes);
        pushedNibbles_ += RecordDigits;
        return 1;
    }
    const std::size_t fit = (output_.Room() - RecordLine::MaxLength) / WholeRecordLength + 1;
    if (fit < run) run = fit;
    // In a local, which the text written cannot be taken to change.
    std::uint32_t address = recordAddress;
    char* end = text;
    for (std::size_t i = 0; i < run; ++i, bytes += RecordBytes, address += RecordBytes)
        end = FormatWholeRecord(end, static_cast<std::uint16_t>(address), bytes);
    output_.Advance(static_cast<std::size_t>(end - text));
    recordAddress = address;
    pushedNibbles_ += static_cast<std::uint64_t>(run) * RecordDigits;
    return run;
}

void HexImageWriter::WriteExtendedAddress() {
    char* text = output_.Reserve(RecordLine::MaxLength);
    if (!text) return Fail(HexExportError::WriteFailed);
    RecordLine line(text);
    line.Byte(2);
    line.Word(0);
    line.Byte(addressLimit == ExtendedAddressLimit ? ExtendedSegmentAddressRecordType : ExtendedLinearAddressRecordType);
    line.Word(extendedAddress);
    line.Finish();
    output_.Advance(line.Length());
}

void HexImageWriter::WriteStartAddress(std::uint32_t address) {
    HexFormat format;
    if (!Accepting() || !HexOptions{addressLimit, 0, wrapDistance}.Format(&format) ||
        CheckStartAddress(format, address) != StartAddressCheck::Accepted)
        return;
    char* text = output_.Reserve(RecordLine::MaxLength);
    if (!text) return Fail(HexExportError::WriteFailed);
    RecordLine line(text);
    line.Byte(4);
    line.Word(0);
    if (format == HexFormat::SegmentAddress20) {
        line.Byte(StartSegmentAddressRecordType);
        line.Word(static_cast<std::uint16_t>((address >> 4) & 0xF000));  // CS
        line.Word(static_cast<std::uint16_t>(address & 0xFFFF));         // IP
    } else {
        line.Byte(StartLinearAddressRecordType);
        line.Word(static_cast<std::uint16_t>(address >> 16));
        line.Word(static_cast<std::uint16_t>(address & 0xFFFF));
    }
    line.Finish();
    output_.Advance(line.Length());
}

void HexImageWriter::WriteLine(const char* line, std::size_t length) {
    if (!output_.Write(line, length)) Fail(HexExportError::WriteFailed);
}

void HexImageWriter::Fail(HexExportError error) {
    if (error_ == HexExportError::None) error_ = error;
}

bool HexImageWriter::Close() {
    if (!open_) return false;
    if (Accepting()) {
        if (framed_) {
            const CommandWordBytes end(EndWord);
            PushBytes(end.bytes, sizeof end.bytes);
        }
        // A data image ends with its last byte; a program's always has a last record.
        if (framed_ || pendingDigits != 0) FlushRecord();
        WriteLine(EndOfFileRecord, sizeof EndOfFileRecord - 1);
    }
    open_ = false;
    if (error_ != HexExportError::None) {
        output_.Discard();
        return false;
    }
    if (!output_.Commit()) {
        error_ = output_.FailedToReplace() ? HexExportError::CannotReplace : HexExportError::WriteFailed;
        return false;
    }
    return true;
}

void HexImageWriter::Discard() {
    open_ = false;
    output_.Discard();
}

const char* DescribeHexExportError(HexExportError error) {
    switch (error) {
    case HexExportError::None: return "no error";
    case HexExportError::InvalidOptions: return "the start address does not suit the format";
    case HexExportError::CannotCreate: return "cannot create the output file";
    case HexExportError::ImageTooLarge: return "the display program is too large for the chosen format";
    case HexExportError::WriteFailed: return "writing the output file failed";
    case HexExportError::CannotReplace: return "cannot put the output file in place";
    }
    return "unknown error";
}

// Reads Intel HEX text back into the image it describes, checking the form
// of every line (':', uppercase hex pairs, CR LF) and every checksum. Tests
// compare the image with the bytes they expect.
#ifndef LUMIGRID_TESTS_INTELHEXREADER_H
#define LUMIGRID_TESTS_INTELHEXREADER_H

#include <cstdint>
#include <string>
#include <vector>

struct IntelHexImage {
    std::string problem;               // empty when the text is sound
    std::vector<std::uint8_t> bytes;   // from load address 0
    int startRecordType = -1;          // 3 or 5 when there is a start record
    std::uint32_t startData = 0;       // its four data bytes, first one highest
};

inline IntelHexImage ReadIntelHex(const std::string& text) {
    IntelHexImage image;
    auto hexValue = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::uint32_t base = 0;
    bool ended = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) return image.problem = "line without CR LF", image;
        std::string line = text.substr(at, end - at);
        at = end + 2;
        if (ended) return image.problem = "record after the end record", image;
        if (line.size() < 11 || line[0] != ':' || line.size() % 2 != 1)
            return image.problem = "malformed line " + line, image;
        std::vector<std::uint8_t> fields;
        for (std::size_t i = 1; i < line.size(); i += 2) {
            int high = hexValue(line[i]), low = hexValue(line[i + 1]);
            if (high < 0 || low < 0) return image.problem = "not uppercase hex: " + line, image;
            fields.push_back(static_cast<std::uint8_t>(high * 16 + low));
        }
        std::uint8_t sum = 0;
        for (std::uint8_t byte : fields) sum = static_cast<std::uint8_t>(sum + byte);
        const std::size_t count = fields[0];
        if (sum != 0) return image.problem = "bad checksum: " + line, image;
        if (fields.size() != count + 5) return image.problem = "byte count disagrees: " + line, image;
        const std::uint32_t offset = (fields[1] << 8) | fields[2];
        const std::uint8_t* data = fields.data() + 4;
        switch (fields[3]) {
        case 0x00: {
            std::uint32_t address = base + offset;
            if (image.bytes.size() < address + count) image.bytes.resize(address + count);
            for (std::size_t i = 0; i < count; ++i) image.bytes[address + i] = data[i];
            break;
        }
        case 0x01: ended = true; break;
        case 0x02: base = ((data[0] << 8) | data[1]) << 4; break;
        case 0x04: base = static_cast<std::uint32_t>((data[0] << 8) | data[1]) << 16; break;
        case 0x03:
        case 0x05:
            image.startRecordType = fields[3];
            image.startData = (static_cast<std::uint32_t>(data[0]) << 24) | (data[1] << 16) | (data[2] << 8) | data[3];
            break;
        default: return image.problem = "unknown record type: " + line, image;
        }
    }
    if (!ended) image.problem = "no end record";
    return image;
}

#endif

// The record types of an Intel HEX file, as the writer emits them and the
// reader takes them back.
#ifndef LUMIGRID_PATTERN_INTELHEXRECORD_H
#define LUMIGRID_PATTERN_INTELHEXRECORD_H

#include <cstdint>

enum IntelHexRecordType : std::uint8_t {
    DataRecordType = 0x00,
    EndOfFileRecordType = 0x01,
    ExtendedSegmentAddressRecordType = 0x02,
    StartSegmentAddressRecordType = 0x03,
    ExtendedLinearAddressRecordType = 0x04,
    StartLinearAddressRecordType = 0x05,
};

#endif

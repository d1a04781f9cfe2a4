#include "pattern/program/FrameSizeGuess.h"

#include <gtest/gtest.h>

#include <vector>

#include "pattern/program/DisplayProgramReader.h"
#include "tests/support/ProgramBytes.h"

namespace {

TEST(FrameSizeGuessTest, OtherSizesThatReadAreFound) {
    Bytes sixteen = {0xF0, 0x00, 0x10, 0x05};
    sixteen.insert(sixteen.end(), 64, 0xFF);
    sixteen.insert(sixteen.end(), {0x00, 0x00});
    ProgramListing listing;
    ProgramReadError error;
    EXPECT_FALSE(ReadDisplayProgram(sixteen.data(), sixteen.size(), 5, 7, &listing, &error));
    EXPECT_EQ(14u, error.offset);   // FFFF after the first two frames of 5 bytes
    const std::vector<FrameSizeName> sizes = CommonSizesThatRead(sixteen.data(), sixteen.size(), 5);
    ASSERT_EQ(1u, sizes.size());   // 32 x 8 has the same 32 bytes a frame and is not named again
    EXPECT_EQ(16, sizes[0].columns);
    EXPECT_EQ(16, sizes[0].rows);
    EXPECT_EQ(0u, SmallestFrameBytesThatRead(sixteen.data(), sixteen.size(), 32));
    EXPECT_EQ(32u, SmallestFrameBytesThatRead(sixteen.data(), sixteen.size(), 5));
}

}  // namespace

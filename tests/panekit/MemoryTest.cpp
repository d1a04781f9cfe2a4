#include "panekit/Memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(MemoryTest, WithoutABlockNothingMoves) {
    CMemory memory;
    unsigned char buffer[4] = {1, 2, 3, 4};
    EXPECT_EQ(0, memory.IsAlloced());
    EXPECT_EQ(0u, memory.Read(buffer, 4));
    EXPECT_EQ(1, buffer[0]) << "nothing is written to the caller's buffer";
    EXPECT_EQ(0u, memory.Write(buffer, 4));
    EXPECT_EQ(0, memory.SetPos(0));
    EXPECT_EQ(nullptr, memory.GetHandle());
    EXPECT_EQ(0u, memory.GetSize());
    EXPECT_EQ(0u, memory.GetOffsetPosition());
    memory.Free();
    EXPECT_EQ(0, memory.IsAlloced());
}

TEST(MemoryTest, WritesAreCutAtTheEndOfTheBlock) {
    CMemory memory;
    ASSERT_EQ(1, memory.Alloc(16));
    EXPECT_EQ(1, memory.IsAlloced());
    EXPECT_EQ(16u, memory.GetSize());
    unsigned char source[20];
    for (int i = 0; i < 20; ++i) source[i] = static_cast<unsigned char>(i + 1);
    EXPECT_EQ(16u, memory.Write(source, 20));
    EXPECT_EQ(16u, memory.GetOffsetPosition());
    EXPECT_EQ(0u, memory.Write(source, 1));
    EXPECT_EQ(0, memory.SetPos(16));
    EXPECT_EQ(16u, memory.GetOffsetPosition()) << "a refused position leaves it where it was";

    EXPECT_EQ(1, memory.SetPos(0));
    unsigned char destination[20];
    std::memset(destination, 0xAA, sizeof destination);
    EXPECT_EQ(16u, memory.Read(destination, 20));
    EXPECT_EQ(0, std::memcmp(source, destination, 16));
    for (int i = 16; i < 20; ++i) EXPECT_EQ(0, destination[i]) << "byte " << i;
}

TEST(MemoryTest, ShortReadsInsideTheBlockLeaveTheRestOfTheBuffer) {
    CMemory memory;
    ASSERT_EQ(1, memory.Alloc(8));
    unsigned char source[8] = {9, 8, 7, 6, 5, 4, 3, 2};
    memory.Write(source, 8);
    memory.SetPos(2);
    unsigned char destination[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(3u, memory.Read(destination, 3));
    EXPECT_EQ(7, destination[0]);
    EXPECT_EQ(5, destination[2]);
    EXPECT_EQ(0xAA, destination[3]);
    EXPECT_EQ(5u, memory.GetOffsetPosition());
}

TEST(MemoryTest, HandleFollowsThePosition) {
    CMemory memory;
    ASSERT_EQ(1, memory.Alloc(10));
    EXPECT_EQ(memory.m_Memory, memory.GetHandle());
    EXPECT_EQ(1, memory.SetPos(4));
    EXPECT_EQ(static_cast<unsigned char*>(memory.m_Memory) + 4, memory.GetHandle());
}

TEST(MemoryTest, AllocReplacesTheBlockAndFreeEmptiesIt) {
    CMemory memory;
    ASSERT_EQ(1, memory.Alloc(10));
    memory.SetPos(5);
    ASSERT_EQ(1, memory.Alloc(3));
    EXPECT_EQ(3u, memory.GetSize());
    EXPECT_EQ(0u, memory.GetOffsetPosition());
    memory.Free();
    EXPECT_EQ(nullptr, memory.m_Memory);
    EXPECT_EQ(0u, memory.m_Size);
    EXPECT_EQ(0u, memory.m_OffsetPosition);
}

TEST(MemoryTest, ImpossibleAllocationLeavesNoBlock) {
    // Only where sizes beyond 32 bits can be asked for; a 4 GiB block may
    // well be granted on 64-bit Windows.
    if (sizeof(unsigned long) <= 4) GTEST_SKIP() << "no size beyond the 32-bit range to ask for";
    CMemory memory;
    ASSERT_EQ(1, memory.Alloc(10));
    EXPECT_EQ(0, memory.Alloc(~0ul));
    EXPECT_EQ(0, memory.IsAlloced());
    EXPECT_EQ(0u, memory.GetSize());
    EXPECT_EQ(0u, memory.GetOffsetPosition());
}

TEST(MemoryTest, CopiesShareTheBlockWhicheverGoesFirst) {
    unsigned char bytes[4] = {1, 2, 3, 4};
    CMemory original;
    ASSERT_EQ(1, original.Alloc(4));
    {
        CMemory copy(original);
        EXPECT_EQ(original.m_Memory, copy.m_Memory);
        EXPECT_EQ(4u, copy.Write(bytes, 4));
    }
    // The copy is gone; the block is still the original's.
    unsigned char back[4] = {};
    EXPECT_EQ(4u, original.Read(back, 4));
    EXPECT_EQ(0, std::memcmp(bytes, back, 4));

    CMemory assigned;
    ASSERT_EQ(1, assigned.Alloc(100));
    assigned = original;
    assigned = assigned;
    EXPECT_EQ(original.m_Memory, assigned.m_Memory);
    original.Free();
    EXPECT_EQ(1, assigned.SetPos(0));
    EXPECT_EQ(4u, assigned.Read(back, 4));
    EXPECT_EQ(0, std::memcmp(bytes, back, 4));
}

}  // namespace

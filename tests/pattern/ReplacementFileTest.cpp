#include "pattern/files/ReplacementFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tests/support/ScratchDirectory.h"

namespace {

TEST(ReplacementFileTest, PiecesOfAnySizeArriveWholeAndInOrder) {
    ScratchDirectory scratch;
    const std::string path = scratch.File("out.txt");
    std::string text(300000, ' ');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('A' + i * 7 % 26);
    ScratchDirectory::Write(path, std::string("previous"));
    ReplacementFile file;
    ASSERT_TRUE(file.Create(path.c_str()));
    // Reserved and written pieces in turn, of 1 to 4999 bytes, across the
    // buffer's writes and what each keeps back.
    std::size_t at = 0;
    for (std::size_t piece = 1, round = 0; at < text.size(); at += piece, piece = piece * 13 % 4999 + 1, ++round) {
        piece = std::min(piece, text.size() - at);
        if (round % 2) {
            ASSERT_TRUE(file.Write(text.data() + at, piece));
            continue;
        }
        char* room = file.Reserve(piece);
        ASSERT_NE(nullptr, room);
        ASSERT_GE(file.Room(), piece);
        std::memcpy(room, text.data() + at, piece);
        file.Advance(piece);
    }
    EXPECT_EQ("previous", ScratchDirectory::ReadText(path)) << "the target changes only at Commit";
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(text, ScratchDirectory::ReadText(path));
}

}  // namespace

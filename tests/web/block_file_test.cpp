// The page's block files: bytes read back from any offset across block
// boundaries, and blocks let go once read.

#include "web/block_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisel::web {
namespace {

constexpr std::size_t kBlock = BlockFile::kBlockSize;

// Distinct bytes at every offset up to a few blocks, so that a byte read
// from a wrong place shows.
std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 251) % 256);
    return bytes;
}

BlockFile Written(const std::string& bytes, std::size_t piece) {
    BlockFile file;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        EXPECT_TRUE(file.Append(bytes.data() + at, std::min(piece, bytes.size() - at)));
    }
    return file;
}

std::string ReadAll(const BlockFile& file, std::size_t offset, std::size_t piece) {
    std::string bytes;
    std::vector<char> buffer(piece);
    while (const std::size_t n = file.ReadAt(offset, buffer.data(), buffer.size())) {
        bytes.append(buffer.data(), n);
        offset += n;
    }
    return bytes;
}

struct SizeCase {
    const char* why;
    std::size_t size;
    std::size_t piece;  // written and read in pieces of this size
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.why; }

// clang-format off
const SizeCase kSizes[] = {
    {"an empty file",                        0,             4096},
    {"one byte",                             1,             4096},
    {"a block but one byte",                 kBlock - 1,    4096},
    {"exactly one block",                    kBlock,        4096},
    {"one byte into the second block",       kBlock + 1,    4096},
    {"pieces that straddle every boundary",  3 * kBlock + 7, 65537},
    {"one piece larger than two blocks",     2 * kBlock + 3, 2 * kBlock + 3},
};
// clang-format on

class BlockFileSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(BlockFileSizes, ReadBackEveryByte) {
    const std::string bytes = Pattern(GetParam().size);
    const BlockFile file = Written(bytes, GetParam().piece);
    EXPECT_EQ(file.Size(), bytes.size());
    EXPECT_EQ(ReadAll(file, 0, GetParam().piece), bytes);
}

TEST_P(BlockFileSizes, GiveTheirBytesAsOneViewPerBlock) {
    const std::string bytes = Pattern(GetParam().size);
    const BlockFile file = Written(bytes, GetParam().piece);
    std::string joined;
    for (const std::string_view block : file.Blocks()) {
        EXPECT_LE(block.size(), kBlock);
        joined += block;
    }
    EXPECT_EQ(joined, bytes);
    EXPECT_EQ(file.Blocks().size(), (bytes.size() + kBlock - 1) / kBlock);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BlockFileSizes, testing::ValuesIn(kSizes));

TEST(BlockFile, ReadsFromAnyOffset) {
    const std::string bytes = Pattern(2 * kBlock + 100);
    const BlockFile file = Written(bytes, 1000);
    for (const std::size_t offset : {std::size_t{0}, kBlock - 3, kBlock, 2 * kBlock + 99, 2 * kBlock + 100}) {
        EXPECT_EQ(ReadAll(file, offset, 7), bytes.substr(offset)) << offset;
    }
}

TEST(BlockFile, LetsGoOfWholeBlocksBeforeTheOffsetOnly) {
    const std::string bytes = Pattern(3 * kBlock + 5);
    BlockFile file = Written(bytes, 4096);
    file.Release(kBlock + 10);  // the first block only
    EXPECT_TRUE(file.PartlyReleased());
    EXPECT_EQ(file.HeldBytes(), 2 * kBlock + 5);
    EXPECT_EQ(ReadAll(file, kBlock, 4096), bytes.substr(kBlock));
    file.Release(file.Size());  // the last block, not full, stays
    EXPECT_EQ(file.HeldBytes(), std::size_t{5});
    EXPECT_EQ(ReadAll(file, 3 * kBlock, 4096), bytes.substr(3 * kBlock));
    char byte = 0;
    EXPECT_EQ(file.ReadAt(0, &byte, 1), std::size_t{0});
}

TEST(BlockFile, StartsAgainWhenCleared) {
    BlockFile file = Written(Pattern(kBlock + 1), 4096);
    file.Release(kBlock);
    file.Clear();
    EXPECT_FALSE(file.PartlyReleased());
    EXPECT_TRUE(file.Append("new", 3));
    EXPECT_EQ(ReadAll(file, 0, 16), "new");
}

}  // namespace
}  // namespace brisel::web
